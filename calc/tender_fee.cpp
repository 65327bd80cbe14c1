#include "calc/tender_fee.h"

#include <string>

#include "calc/checked_math.h"
#include "calc/number_text.h"
#include "calc/working_text.h"

namespace kelvora {
namespace {

bool InBand(const TenderFeeBand& band, double amount)
{
    const bool aboveFrom = band.fromIncluded ? amount >= band.from : amount > band.from;
    const bool belowTo = band.toIncluded ? amount <= band.to : amount < band.to;
    return aboveFrom && belowTo;
}

}  // namespace

std::optional<TenderType> TenderTypeFromText(std::string_view text)
{
    for (const auto& entry : kTenderTypeTexts) {
        if (entry.text == text) {
            return entry.type;
        }
    }
    return std::nullopt;
}

std::size_t TenderFeeBandIndex(double amount)
{
    for (std::size_t i = 0; i < kTenderFeeBands.size(); ++i) {
        if (InBand(kTenderFeeBands[i], amount)) {
            return i;
        }
    }
    return 0;  // only a NaN gets here, and ReadNumber never gives one
}

TenderFeeSteps TenderAgencyFeeSteps(double amount, TenderType type, bool documentService)
{
    const double factor = documentService ? kDocumentServiceFactor : 1.0;
    const auto t = static_cast<std::size_t>(type);
    TenderFeeSteps steps{amount, type, documentService, TenderFeeBandIndex(amount), 0, 0, 0};
    const TenderFeeBand& band = kTenderFeeBands[steps.band];

    steps.partial = checked::Mul(checked::Sub(amount, band.lower), band.rates[t]);
    double s = steps.partial;
    for (std::size_t i = 0; i < steps.band; ++i) {
        s = checked::Add(s, kTenderFeeBands[i].bandFees[t]);
    }
    steps.sum = s;
    steps.fee = checked::Mul(s, factor);
    return steps;
}

double TenderAgencyFee(double amount, TenderType type, bool documentService)
{
    return TenderAgencyFeeSteps(amount, type, documentService).fee;
}

std::vector<std::string> TenderFeeWorking(const TenderFeeSteps& steps)
{
    using namespace working;
    const auto t = static_cast<std::size_t>(steps.type);
    // "(upper−lower)×rate%=charge", or "upper×rate%=charge" from zero
    const auto line = [](double upper, double lower, double rate, const std::string& charge) {
        std::string span =
            lower == 0 ? Num(upper) : "(" + Num(upper) + std::string(kMinus) + Num(lower) + ")";
        return span + std::string(kTimes) + Percent(rate) + "=" + charge;
    };

    std::vector<std::string> lines;
    for (std::size_t i = 0; i < steps.band; ++i) {
        const TenderFeeBand& band = kTenderFeeBands[i];
        lines.push_back(
            line(kTenderFeeBands[i + 1].lower, band.lower, band.rates[t], Num(band.bandFees[t])));
    }
    const TenderFeeBand& reached = kTenderFeeBands[steps.band];
    if (steps.band == 0) {
        // One band only: its line is the total.
        lines.push_back(line(steps.amount, 0, reached.rates[t], FormatTwoDecimals(steps.sum)) +
                        " 万元");
    } else {
        lines.push_back(line(steps.amount, reached.lower, reached.rates[t], Num(steps.partial)));
        lines.push_back("合计 " + FormatTwoDecimals(steps.sum) + " 万元");
    }
    if (steps.documentService) {
        lines.push_back(std::string(kTimes) + Num(kDocumentServiceFactor) +
                        "（单独提供编制招标文件服务）= " + FormatTwoDecimals(steps.fee) + " 万元");
    }
    return lines;
}

void Command1Click(Controls& controls)
{
    const auto type = TenderTypeFromText(controls.Text("Combo1"));
    if (!type) {
        return;
    }
    const bool documentService = controls.Value("Check1") == kChecked;
    const double amount = ReadNumber(controls.Text("Text1"));
    const TenderFeeSteps steps = TenderAgencyFeeSteps(amount, *type, documentService);
    controls.SetWorking("Label5", working::JoinLines(TenderFeeWorking(steps)));
    controls.SetCaption("Label5", FormatTwoDecimals(steps.fee));
}

}  // namespace kelvora
