#include "calc/tender_fee.h"

#include <string>

#include "calc/checked_math.h"
#include "calc/number_text.h"
#include "calc/working_text.h"
#include "calc/yuan_amount.h"

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
    return 0;  // unreachable: every finite amount lies in a band
}

TenderFeeSteps TenderAgencyFeeSteps(double amount, TenderType type, bool documentService)
{
    checked::RequireFinite(amount);
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

namespace {

// "(upper−lower)×rate%=charge", or "upper×rate%=charge" from zero.
std::string BandLine(double upper, double lower, double rate, std::string_view charge)
{
    using namespace working;
    const std::string percent = Percent(rate);
    if (lower == 0) {
        return Cat({Num(upper), kTimes, percent, "=", charge});
    }
    return Cat({"(", Num(upper), kMinus, Num(lower), ")", kTimes, percent, "=", charge});
}

// The line of a band passed in full depends on the table alone, so each is
// written once, from the table, on first use.
const std::string& WholeBandLine(std::size_t band, std::size_t type)
{
    using Lines = std::array<std::array<std::string, kTenderTypeCount>, kTenderFeeBands.size() - 1>;
    static const Lines lines = [] {
        Lines out;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const TenderFeeBand& b = kTenderFeeBands[i];
            for (std::size_t t = 0; t < kTenderTypeCount; ++t) {
                out[i][t] = BandLine(kTenderFeeBands[i + 1].lower, b.lower, b.rates[t],
                                     working::Num(b.bandFees[t]));
            }
        }
        return out;
    }();
    return lines[band][type];
}

}  // namespace

std::string TenderFeeWorking(const TenderFeeSteps& steps)
{
    using namespace working;
    const auto t = static_cast<std::size_t>(steps.type);
    std::string out;
    out.reserve(48 * (steps.band + 3));
    for (std::size_t i = 0; i < steps.band; ++i) {
        Append(out, {WholeBandLine(i, t), "\n"});
    }
    const TenderFeeBand& reached = kTenderFeeBands[steps.band];
    if (steps.band == 0) {
        // One band only: its line is the total.
        out += BandLine(steps.amount, 0, reached.rates[t],
                        Cat({FormatTwoDecimals(steps.sum), " 万元"}));
    } else {
        out += BandLine(steps.amount, reached.lower, reached.rates[t], Num(steps.partial));
        Append(out, {"\n合计 ", FormatTwoDecimals(steps.sum), " 万元"});
    }
    if (steps.documentService) {
        Append(out, {"\n", kTimes, Num(kDocumentServiceFactor),
                     "（单独提供编制招标文件服务）= ", FormatTwoDecimals(steps.fee), " 万元"});
    }
    return out;
}

void Command1Click(Controls& controls)
{
    const auto type = TenderTypeFromText(controls.Text(role::kTenderType));
    if (!type) {
        return;
    }
    const bool documentService = controls.Checked(role::kDocumentService);
    const double amount = ReadNumber(controls.Text(role::kTenderAmount));
    const TenderFeeSteps steps = TenderAgencyFeeSteps(amount, *type, documentService);
    controls.WriteResult(role::kTenderFee,
                         MoneyResult(FormatTwoDecimals(steps.fee), TenderFeeWorking(steps)));
}

namespace {

constexpr CalculatorInput kTenderInputs[] = {
    {role::kTenderAmount, InputKind::Amount, "中标金额", "万元", role::kTenderAmountPrompt},
    {role::kTenderType, InputKind::Choice, "服务类型", "", role::kTenderTypePrompt,
     kTenderTypeEntries},
    {role::kDocumentService, InputKind::Tick, "单独提供编制招标文件服务", "", role::kNone},
};
constexpr ControlName kTenderButtons[] = {role::kTenderCalculate};
constexpr CalculatorStep kTenderSteps[] = {
    {StepKind::Calculation, "招标代理服务收费金额", kTenderButtons, role::kTenderFee,
     role::kTenderFeeBox, role::kTenderFeePrompt, &Command1Click, true, "万元", kTenderInputs,
     nullptr, "招标代理服务收费金额（万元）"},
};
constexpr Calculator kTenderFee{
    "tender", role::kTenderFrame, "招标代理服务费计算书",
    "按招标代理服务收费标准的差额定率累进法计算：中标金额按金额段分段，各段金额乘以该段费率后"
    "累加；单独提供编制招标文件服务的，合计乘以 1.3。",
    "《招标代理服务收费管理暂行办法》（计价格〔2002〕1980号）", kTenderSteps};

}  // namespace

const Calculator& TenderFeeCalculator()
{
    return kTenderFee;
}

}  // namespace kelvora
