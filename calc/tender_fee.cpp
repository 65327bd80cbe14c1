#include "calc/tender_fee.h"

#include <string>

#include "calc/checked_math.h"
#include "calc/number_text.h"

namespace kelvora {
namespace {

bool InBand(const TenderFeeBand& band, double amount) {
    const bool aboveFrom = band.fromIncluded ? amount >= band.from : amount > band.from;
    const bool belowTo = band.toIncluded ? amount <= band.to : amount < band.to;
    return aboveFrom && belowTo;
}

}  // namespace

std::optional<TenderType> TenderTypeFromText(std::string_view text) {
    for (const auto& entry : kTenderTypeTexts) {
        if (entry.text == text) {
            return entry.type;
        }
    }
    return std::nullopt;
}

std::size_t TenderFeeBandIndex(double amount) {
    for (std::size_t i = 0; i < kTenderFeeBands.size(); ++i) {
        if (InBand(kTenderFeeBands[i], amount)) {
            return i;
        }
    }
    return 0;  // only a NaN gets here, and ReadNumber never gives one
}

double TenderAgencyFee(double amount, TenderType type, bool documentService) {
    const double factor = documentService ? kDocumentServiceFactor : 1.0;
    const auto t = static_cast<std::size_t>(type);
    const std::size_t k = TenderFeeBandIndex(amount);
    const TenderFeeBand& band = kTenderFeeBands[k];

    double s = checked::Sub(amount, band.lower);
    s = checked::Mul(s, band.rates[t]);
    for (std::size_t i = 0; i < k; ++i) {
        s = checked::Add(s, kTenderFeeBands[i].bandFees[t]);
    }
    return checked::Mul(s, factor);
}

void Command1Click(Controls& controls) {
    const auto type = TenderTypeFromText(controls.Text("Combo1"));
    if (!type) {
        return;
    }
    const bool documentService = controls.Value("Check1") == kChecked;
    const double amount = ReadNumber(controls.Text("Text1"));
    const double fee = TenderAgencyFee(amount, *type, documentService);
    controls.SetCaption("Label5", FormatTwoDecimals(fee));
}

}  // namespace kelvora
