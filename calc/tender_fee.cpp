#include "calc/tender_fee.h"

#include <array>
#include <string>

#include "calc/calculator_model.h"
#include "calc/checked_math.h"
#include "calc/fee_terms.h"
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

std::size_t TenderFeeBandIndex(double amount, std::span<const TenderFeeBand> bands)
{
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (InBand(bands[i], amount)) {
            return i;
        }
    }
    return 0;  // unreachable: every finite amount lies in a band
}

TenderFeeSteps TenderAgencyFeeSteps(double amount, TenderType type, bool documentService,
                                    const TenderFeeSchedule& schedule)
{
    checked::RequireFinite(amount);
    const double factor = documentService ? kDocumentServiceFactor : 1.0;
    const auto t = static_cast<std::size_t>(type);
    TenderFeeSteps steps{.amount = amount,
                         .type = type,
                         .documentService = documentService,
                         .schedule = &schedule,
                         .band = TenderFeeBandIndex(amount, schedule.bands),
                         .partial = 0,
                         .banded = 0,
                         .sum = 0,
                         .fee = 0};
    const TenderFeeBand& band = schedule.bands[steps.band];

    steps.partial = checked::Mul(checked::Sub(amount, band.lower), band.rates[t]);
    double s = steps.partial;
    for (std::size_t i = 0; i < steps.band; ++i) {
        s = checked::Add(s, schedule.bands[i].bandFees[t]);
    }
    steps.banded = s;
    // capped where the total as shown (15 digits) passes the cap, not where
    // the double alone does (at 8,998,750 万元 of works the total is 450 exactly)
    const double cap = schedule.caps[t];
    steps.sum = s > cap && ReadNumber(FormatGeneral(s)) > cap ? cap : s;
    steps.fee = checked::Mul(steps.sum, factor);
    return steps;
}

double TenderAgencyFee(double amount, TenderType type, bool documentService,
                       const TenderFeeSchedule& schedule)
{
    return TenderAgencyFeeSteps(amount, type, documentService, schedule).fee;
}

namespace {

// "(upper−lower)×rate%=charge", or "upper×rate%=charge" from zero; the charge
// after "≈" where it is rounded from the figures shown.
std::string BandLine(double upper, double lower, double rate, std::string_view charge,
                     std::string_view unit = {})
{
    using namespace working;
    const std::string from = Num(upper);
    const std::string to = Num(lower);
    const std::string percent = Percent(rate);
    const DecimalText exact = Times(Minus(Exact(from), Exact(to)), Exact(percent));
    const std::string_view equals = Equals(exact, charge);
    if (lower == 0) {
        return Cat({from, kTimes, percent, equals, charge, unit});
    }
    return Cat({"(", from, kMinus, to, ")", kTimes, percent, equals, charge, unit});
}

// The line of a band passed in full: "(500−100)×0.7%=2.8".
std::string WholeBandLine(std::span<const TenderFeeBand> bands, std::size_t band, std::size_t type)
{
    const TenderFeeBand& b = bands[band];
    return BandLine(bands[band + 1].lower, b.lower, b.rates[type], working::Num(b.bandFees[type]));
}

// "factor×rate=product", after "≈" where rounded: "66.949995×30%=20.0849985".
std::string ProductLine(std::string_view factor, std::string_view rate, double product)
{
    using namespace working;
    const std::string shown = Num(product);
    return Cat({factor, kTimes, rate, Equals(Times(Exact(factor), Exact(rate)), shown), shown});
}

}  // namespace

std::string TenderFeeWorking(const TenderFeeSteps& steps)
{
    using namespace working;
    const auto t = static_cast<std::size_t>(steps.type);
    std::string out;
    out.reserve(64 * (steps.band + 4));
    const std::span<const TenderFeeBand> bands = steps.schedule->bands;
    DecimalText charges;  // the charges as shown, added up
    for (std::size_t i = 0; i < steps.band; ++i) {
        Append(out, {WholeBandLine(bands, i, t), "\n"});
        charges = Plus(charges, Exact(Num(bands[i].bandFees[t])));
    }
    const TenderFeeBand& reached = bands[steps.band];
    const std::string sum = Num(steps.banded);
    if (steps.band == 0) {
        // One band only: its line is the total.
        out += BandLine(steps.amount, 0, reached.rates[t], sum, " 万元");
    } else {
        const std::string partial = Num(steps.partial);
        out += BandLine(steps.amount, reached.lower, reached.rates[t], partial);
        charges = Plus(charges, Exact(partial));
        const std::string_view equals = Equals(charges, sum);
        Append(out, {"\n合计 ", equals == "=" ? "" : "≈ ", sum, " 万元"});
    }
    if (steps.sum < steps.banded) {
        Append(out, {"\n超过每个招标项目的收费上限，按上限 ", Num(steps.sum), " 万元收取"});
    }
    const std::string capped = Num(steps.sum);
    const std::string fee = Num(steps.fee);
    if (steps.documentService) {
        // The standard charges a tender-document service supplied separately
        // at 30 % of its fee; the fee is the band total times 1.3.
        Append(out, {"\n单独提供编制招标文件服务费（按标准的 30%）：",
                     ProductLine(capped, "30%", steps.sum * 0.3), " 万元\n收费金额：",
                     ProductLine(capped, Num(kDocumentServiceFactor), steps.fee), " 万元"});
    }
    const std::string caption = FormatTwoDecimals(steps.fee);
    if (Compare(Exact(caption), Exact(fee)) != 0) {
        Append(out, {"\n按两位小数显示为 ", caption, " 万元"});
    }
    return out;
}

namespace {

// The schedule the tender page follows: the one the agency's terms name.
const TenderFeeSchedule& ScheduleFor(const FeeTerms& terms)
{
    const TenderFeeSchedule* schedule = TenderFeeScheduleById(terms.schedule);
    return schedule != nullptr ? *schedule : kTenderFee2002;
}

// The standard fee of the inputs; nothing for a tender type the list lacks.
std::optional<TenderFeeSteps> StandardFee(const StepArgs& args)
{
    const auto type = TenderTypeFromText(args.Text(role::kTenderType));
    if (!type) {
        return std::nullopt;
    }
    const bool documentService = args.Ticked(role::kDocumentService);
    const double amount = args.Number(role::kTenderAmount);
    return TenderAgencyFeeSteps(amount, *type, documentService, ScheduleFor(args.terms));
}

// A fee as an outcome: two decimals shown, the yuan of the fee itself (its
// 15 significant digits), the working where it is asked for.
template <typename Working>
StepOutcome FeeOutcome(double fee, const StepArgs& args, Working&& working)
{
    const FifteenDigits digits = GeneralDigits(fee);
    StepOutcome outcome{.value = fee,
                        .caption = args.working ? FormatTwoDecimals(fee) : std::string(),
                        .shown = TwoDecimalsValue(digits),
                        .money = MoneyOfFigure(digits)};
    if (args.working) {
        outcome.working = WorkingLines(working());
    }
    return outcome;
}

std::optional<StepOutcome> StandardFeeWork(const StepArgs& args)
{
    const auto steps = StandardFee(args);
    if (!steps) {
        return std::nullopt;
    }
    StepOutcome outcome = FeeOutcome(steps->fee, args, [&] { return TenderFeeWorking(*steps); });
    const auto t = static_cast<std::size_t>(steps->type);
    if (steps->schedule->caps[t] != kUnbounded) {
        outcome.capped = MoneyOfFigure(steps->sum);  // what a cap per tender is held against
    }
    return outcome;
}

// The fee to charge by the agency's terms, written beside the standard fee
// by the same button; its working is the standard fee's, then the terms.
std::optional<StepOutcome> ChargeWork(const StepArgs& args)
{
    const auto steps = StandardFee(args);
    if (!steps) {
        return std::nullopt;
    }
    const FeeByTerms charged = ChargeByTerms(*steps, args.terms);
    return FeeOutcome(charged.fee, args,
                      [&] { return TenderFeeWorking(*steps) + "\n" + charged.working; });
}

// The lots of one tender together past the cap of their type: the rule
// caps a tender, and how it is shared among its lots is not settled, so the
// 合计 is marked with the cap and the rule's words, and nothing is shared.
// The lots' band totals are added to the 分 and held against the cap before
// the document service, as the page holds one lot's.
std::optional<std::string> CapNote(const FeeTerms& terms, std::span<const LotFigure> lots)
{
    const TenderFeeSchedule& schedule = ScheduleFor(terms);
    std::array<std::optional<Money>, kTenderTypeCount> sums{};
    for (const LotFigure& lot : lots) {
        const auto type = TenderTypeFromText(lot.choice);
        if (!type || !lot.outcome.capped) {
            continue;
        }
        auto& sum = sums[static_cast<std::size_t>(*type)];
        sum = sum ? Sum(*sum, *lot.outcome.capped) : lot.outcome.capped;
    }
    std::string passed;
    for (const TenderTypeText& type : kTenderTypeTexts) {
        const auto t = static_cast<std::size_t>(type.type);
        if (schedule.caps[t] == kUnbounded || !sums[t]) {
            continue;
        }
        const auto cap = MoneyFromWan(FormatGeneral(schedule.caps[t]));
        if (cap && *sums[t] > *cap) {
            passed += std::string(passed.empty() ? "" : "、") + std::string(type.text) +
                      "各标段合计 " + sums[t]->WanText() + " 万元超过上限 " + cap->WanText() +
                      " 万元";
        }
    }
    if (passed.empty()) {
        return std::nullopt;
    }
    return passed +
           "（发改价格〔2011〕534号：每个招标项目的收费不超过上限；上限在各标段之间如何分担"
           "未作规定，请按约定确定）";
}

bool TermsDiffer(const FeeTerms& terms)
{
    return ChargesOtherThanStandard(terms);
}

std::size_t ScheduleIndexOf(const FeeTerms& terms)
{
    return &ScheduleFor(terms) == &kTenderFee2011 ? 1 : 0;
}

}  // namespace

void Command1Click(CalculatorModel& page)
{
    page.Press(role::kTenderCalculate);
}

constinit const TenderFeeSchedule kTenderFee2002{
    .cited = {.id = "2002",
              .standard = "《招标代理服务收费管理暂行办法》（计价格〔2002〕1980号）",
              .method = "按招标代理服务收费标准的差额定率累进法计算：中标金额按金额段分段，"
                        "各段金额乘以该段费率后累加。单独提供编制招标文件服务的，按该标准的"
                        "注释另计规定标准的 30%，收费金额为两部分之和（累进合计 × 1.3）。"},
    .bands = kTenderFeeBands,
};

constinit const TenderFeeSchedule kTenderFee2011{
    .cited = {.id = "2011",
              .standard = "《招标代理服务收费管理暂行办法》（计价格〔2002〕1980号），"
                          "按《关于降低部分建设项目收费标准规范收费行为等有关问题的通知》"
                          "（发改价格〔2011〕534号）调整",
              .method = "按差额定率累进法计算：中标金额 5 亿元以下部分按原标准各段费率，"
                        "5 亿元以上部分各类招标按 0.035%、0.008%、0.006%、0.004% 分段计算，"
                        "各段累加；每个招标项目的收费不超过工程招标 450 万元、货物招标 350 "
                        "万元、服务招标 300 万元。单独提供编制招标文件服务的，另计规定标准的 "
                        "30%（合计 × 1.3）。"},
    .bands = kTenderFeeBands2011,
    .caps = {450, 300, 350},
};

const TenderFeeSchedule* TenderFeeScheduleById(std::string_view id)
{
    for (const TenderFeeSchedule* schedule : {&kTenderFee2002, &kTenderFee2011}) {
        if (schedule->cited.id == id) {
            return schedule;
        }
    }
    return nullptr;
}

namespace {

constexpr std::string_view kAmountAliases[] = {"中标价", "中标价格", "成交金额", "成交价"};
constexpr std::string_view kTypeAliases[] = {"招标类型", "类型"};
constexpr std::string_view kServiceAliases[] = {"编制招标文件", "单独编制招标文件"};

constexpr CalculatorInput kTenderInputs[] = {
    {.control = role::kTenderAmount,
     .kind = InputKind::Amount,
     .name = "中标金额",
     .unit = "万元",
     .prompt = role::kTenderAmountPrompt,
     .aliases = kAmountAliases},
    {.control = role::kTenderType,
     .kind = InputKind::Choice,
     .name = "服务类型",
     .unit = "",
     .prompt = role::kTenderTypePrompt,
     .entries = kTenderTypeEntries,
     .aliases = kTypeAliases},
    {.control = role::kDocumentService,
     .kind = InputKind::Tick,
     .name = "单独提供编制招标文件服务",
     .unit = "",
     .prompt = role::kNone,
     .aliases = kServiceAliases},
};
// The fee to charge follows from the standard fee and the agency's terms.
constexpr CalculatorInput kChargeInputs[] = {
    {.control = role::kTenderFee,
     .kind = InputKind::Result,
     .name = "招标代理服务收费金额",
     .unit = "万元",
     .prompt = role::kNone},
};
constexpr ControlName kTenderButtons[] = {role::kTenderCalculate};
constexpr CalculatorStep kTenderSteps[] = {
    {.kind = StepKind::Calculation,
     .name = "招标代理服务收费金额",
     .buttons = kTenderButtons,
     .result = role::kTenderFee,
     .resultBox = role::kTenderFeeBox,
     .resultPrompt = role::kTenderFeePrompt,
     .click = &Command1Click,
     .work = &StandardFeeWork,
     .value = ValueType::AmountWan,
     .figure = kTwoDecimalFigure,
     .inputs = kTenderInputs,
     .column = "招标代理服务收费金额（万元）",
     .followsTerms = true,
     .totalNote = &CapNote},
    {.kind = StepKind::Calculation,
     .name = "应收代理费",
     .buttons = kTenderButtons,
     .result = role::kTenderCharge,
     .resultBox = role::kTenderChargeBox,
     .resultPrompt = role::kTenderChargePrompt,
     .click = &Command1Click,
     .work = &ChargeWork,
     .value = ValueType::AmountWan,
     .figure = kTwoDecimalFigure,
     .inputs = kChargeInputs,
     .column = "应收代理费（万元）",
     .applies = &TermsDiffer,
     .followsTerms = true},
};
constinit const FeeSchedule* const kTenderSchedules[] = {&kTenderFee2002.cited,
                                                         &kTenderFee2011.cited};
constinit const Calculator kTenderFee{
    .id = "tender",
    .frame = role::kTenderFrame,
    .title = "招标代理服务费计算书",
    .schedules = kTenderSchedules,
    .steps = kTenderSteps,
    .scheduleOf = &ScheduleIndexOf,
    .notice = true,
};

}  // namespace

const Calculator& TenderFeeCalculator()
{
    return kTenderFee;
}

}  // namespace kelvora
