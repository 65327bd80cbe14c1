#include "calc/supervision_fee.h"

#include "calc/calculator_model.h"
#include "calc/checked_math.h"
#include "calc/number_text.h"
#include "calc/working_text.h"
#include "calc/yuan_amount.h"

namespace kelvora {
namespace {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sub;

// The line through the first two points, in two-point form, for amounts
// below the table. The divisor is worked out afresh rather than taken as the
// constant span: for huge negative amounts both differences round to the
// same double and the division fails as it should.
double BelowTable(double x)
{
    const BasePricePoint& p0 = kBasePriceTable[0];
    const BasePricePoint& p1 = kBasePriceTable[1];
    const double b = Mul(Sub(p1.amount, x), p0.price);
    const double e = Mul(Sub(p0.amount, x), p1.price);
    const double n = Sub(b, e);
    const double divisor = Sub(Sub(p1.amount, x), Sub(p0.amount, x));
    return Div(n, divisor);
}

}  // namespace

BasePriceSteps SupervisionBasePriceSteps(double x)
{
    checked::RequireFinite(x);
    if (x < kBasePriceTable.front().amount) {
        return {x, BasePriceMethod::BelowTable, 0, BelowTable(x)};
    }
    for (std::size_t i = 0; i < kBasePriceTable.size(); ++i) {
        if (x == kBasePriceTable[i].amount) {
            return {x, BasePriceMethod::TablePoint, i, kBasePriceTable[i].price};
        }
    }
    for (std::size_t i = 0; i + 1 < kBasePriceTable.size(); ++i) {
        if (x > kBasePriceTable[i].amount && x < kBasePriceTable[i + 1].amount) {
            const double d = Sub(x, kBasePriceTable[i].amount);
            const double p = Mul(SegmentRise(i), d);
            const double q = Div(p, SegmentSpan(i));
            return {x, BasePriceMethod::Segment, i, Add(q, kBasePriceTable[i].price)};
        }
    }
    return {x, BasePriceMethod::AboveTable, kBasePriceTable.size() - 1, Mul(x, kRateAboveTable)};
}

double SupervisionBasePrice(double x)
{
    return SupervisionBasePriceSteps(x).price;
}

std::string BasePriceWorking(const BasePriceSteps& steps)
{
    using namespace working;
    const std::string x = Num(steps.amount);
    const std::string price = Num(steps.price);
    std::string out;
    out.reserve(192);
    // y0 + (y1 − y0) ÷ (x1 − x0) × (x − x0) = price, through points i and i + 1;
    // "≈" where the price is rounded from the exact point of that line.
    const auto appendLine = [&](std::size_t i) {
        const std::string x0 = Num(kBasePriceTable[i].amount);
        const std::string y0 = Num(kBasePriceTable[i].price);
        const std::string x1 = Num(kBasePriceTable[i + 1].amount);
        const std::string y1 = Num(kBasePriceTable[i + 1].price);
        const DecimalText span = Minus(Exact(x1), Exact(x0));
        const DecimalText dividend = Plus(
            Times(Exact(y0), span), Times(Minus(Exact(y1), Exact(y0)), Minus(Exact(x), Exact(x0))));
        Append(out,
               {"\n",         y0,           " + (",       y1,
                kSpacedMinus, y0,           ")",          kSpacedDivide,
                "(",          x1,           kSpacedMinus, x0,
                ")",          kSpacedTimes, "(",          x,
                kSpacedMinus, x0,           ") ",         EqualsQuotient(dividend, span, price),
                " ",          price});
    };
    switch (steps.method) {
        case BasePriceMethod::TablePoint:
            Append(out, {"计费额 ", x, " 万元为基价表中的点，收费基价 ", price, " 万元"});
            break;
        case BasePriceMethod::Segment:
            Append(out, {"计费额 ", x, " 万元在 ", Num(kBasePriceTable[steps.point].amount), "～",
                         Num(kBasePriceTable[steps.point + 1].amount), " 万元之间，直线插入："});
            appendLine(steps.point);
            break;
        case BasePriceMethod::BelowTable:
            Append(out, {"计费额 ", x, " 万元低于基价表，按首段直线延伸："});
            appendLine(0);
            break;
        case BasePriceMethod::AboveTable: {
            const std::string rate = Percent(kRateAboveTable);
            Append(out,
                   {"计费额 ", x, " 万元高于基价表（计费额 1000000 万元以上的，收费基价按计费额的 ",
                    rate, " 计算）：\n", x, kSpacedTimes, rate, " ",
                    Equals(Times(Exact(x), Exact(rate)), price), " ", price});
            break;
        }
    }
    return out;
}

double BenchmarkPrice(double base, double discipline, double complexity, double elevation)
{
    for (double operand : {base, discipline, complexity, elevation}) {
        checked::RequireFinite(operand);
    }
    return Mul(Mul(Mul(base, discipline), complexity), elevation);
}

double ChargedFee(double benchmark, double rangePercent)
{
    checked::RequireFinite(benchmark);
    checked::RequireFinite(rangePercent);
    const double share = Div(rangePercent, 100);
    return Mul(benchmark, Add(1, share));
}

std::string BenchmarkWorking(double base, double discipline, double complexity, double elevation,
                             double benchmark)
{
    using namespace working;
    const std::string factors[] = {Num(base), Num(discipline), Num(complexity), Num(elevation)};
    DecimalText exact = Exact(factors[0]);
    for (std::size_t i = 1; i < std::size(factors); ++i) {
        exact = Times(exact, Exact(factors[i]));
    }
    const std::string shown = Num(benchmark);
    return Cat({"基价", kSpacedTimes, "专业", kSpacedTimes, "复杂程度", kSpacedTimes,
                "高程\n= ", factors[0], kSpacedTimes, factors[1], kSpacedTimes, factors[2],
                kSpacedTimes, factors[3], "\n", Equals(exact, shown), " ", shown});
}

std::string ChargedFeeWorking(double benchmark, double rangePercent, double fee)
{
    using namespace working;
    const bool lower = rangePercent < 0;
    const std::string base = Num(benchmark);
    const std::string range = Num(lower ? -rangePercent : rangePercent);
    const std::string shown = Num(fee);
    DecimalText share = Exact(range + "%");
    share.negative = lower && !share.digits.empty();
    const DecimalText exact = Times(Exact(base), Plus(Exact("1"), share));
    return Cat({"基准价", kSpacedTimes, "(1 + 浮动幅度%)\n= ", base, kSpacedTimes, "(1",
                lower ? kSpacedMinus : std::string_view(" + "), range, "%)\n", Equals(exact, shown),
                " ", shown});
}

std::string ComplexityWorking(std::size_t grade)
{
    const ComplexityGrade& g = kComplexityGrades.at(grade);
    return working::Cat(
        {"工程复杂程度：", g.caption, "\n调整系数 ", FormatTwoDecimals(g.coefficient)});
}

namespace {

// An amount in 万元 as an outcome: the caption of 15 significant digits, whose
// digits its yuan are rounded from.
template <typename Working>
StepOutcome AmountOutcome(double value, const StepArgs& args, Working&& working)
{
    const FifteenDigits digits = GeneralDigits(value);
    return {.value = value,
            .caption = args.working ? FormatGeneral(value) : std::string(),
            .shown = GeneralValue(digits),
            .working = args.working ? WorkingLines(working()) : std::vector<std::string>(),
            .money = MoneyOfFigure(digits)};
}

std::optional<StepOutcome> BasePriceWork(const StepArgs& args)
{
    const double amount = args.Number(role::kFeeBasis);
    const BasePriceSteps steps = SupervisionBasePriceSteps(amount);
    return AmountOutcome(steps.price, args, [&] { return BasePriceWorking(steps); });
}

// The coefficient of the option ticked; nothing when none is.
std::optional<StepOutcome> ComplexityWork(const StepArgs& args)
{
    const ControlName options[] = {role::kComplexityGeneral, role::kComplexityModerate,
                                   role::kComplexityHigh};
    for (std::size_t grade = 0; grade < std::size(options); ++grade) {
        if (args.Ticked(options[grade])) {
            const double coefficient = kComplexityGrades[grade].coefficient;
            return StepOutcome{
                .value = coefficient,
                .caption = args.working ? FormatTwoDecimals(coefficient) : std::string(),
                .shown = TwoDecimalsValue(coefficient),
                .working = args.working ? WorkingLines(ComplexityWorking(grade))
                                        : std::vector<std::string>(),
            };
        }
    }
    return std::nullopt;
}

// Each factor as its box or the caption before shows it.
std::optional<StepOutcome> BenchmarkWork(const StepArgs& args)
{
    const double discipline = args.Number(role::kDiscipline);
    const double complexity = args.Shown(role::kComplexityCoefficient);
    const double elevation = args.Number(role::kElevation);
    const double base = args.Shown(role::kBasePrice);
    const double benchmark = BenchmarkPrice(base, discipline, complexity, elevation);
    return AmountOutcome(benchmark, args, [&] {
        return BenchmarkWorking(base, discipline, complexity, elevation, benchmark);
    });
}

std::optional<StepOutcome> ChargedFeeWork(const StepArgs& args)
{
    const double benchmark = args.Shown(role::kBenchmark);
    const double range = args.Number(role::kRange);
    const double fee = ChargedFee(benchmark, range);
    return AmountOutcome(fee, args, [&] { return ChargedFeeWorking(benchmark, range, fee); });
}

}  // namespace

void Command10Click(CalculatorModel& page)
{
    page.Press(role::kBasePriceCalculate);
}

void Command2Click(CalculatorModel& page)
{
    page.Press(role::kBenchmarkCalculate);
}

void Command3Click(CalculatorModel& page)
{
    page.Press(role::kChargedFeeCalculate);
}

void ComplexityOptionClick(CalculatorModel& page)
{
    page.Press(role::kComplexityGeneral);  // any option of the choice presses it
}

namespace {

// Below the table's first point the standard leaves the fee to agreement;
// the first segment's line is only continued there.
std::optional<std::string> BelowTableNote(double amount)
{
    if (amount < kBasePriceTable.front().amount) {
        return "计费额低于 500 "
               "万元，不在收费基价表内（按规定由双方协商确定），此处按首段直线延伸计算";
    }
    return std::nullopt;
}

constexpr std::string_view kBasisAliases[] = {"建安工程费"};
constexpr std::string_view kDisciplineAliases[] = {"专业系数"};
constexpr std::string_view kComplexityAliases[] = {"复杂程度"};
constexpr std::string_view kElevationAliases[] = {"高程系数"};
constexpr std::string_view kRangeAliases[] = {"浮动幅度", "浮动比例"};

// A grade as spreadsheets write it: its caption, a roman numeral (with 级
// or without), or its coefficient.
std::optional<std::size_t> ReadGrade(std::string_view text)
{
    constexpr std::string_view kSpellings[3][8] = {
        {"I", "Ⅰ", "I级", "Ⅰ级", "0.85"},
        {"II", "Ⅱ", "II级", "Ⅱ级", "1", "1.0", "1.00"},
        {"III", "Ⅲ", "III级", "Ⅲ级", "1.15"},
    };
    for (std::size_t grade = 0; grade < std::size(kSpellings); ++grade) {
        for (std::string_view spelling : kSpellings[grade]) {
            if (!spelling.empty() && spelling == text) {
                return grade;
            }
        }
    }
    return std::nullopt;
}

constexpr CalculatorInput kBasePriceInputs[] = {
    {.control = role::kFeeBasis,
     .kind = InputKind::Amount,
     .name = "计费额",
     .unit = "万元",
     .prompt = role::kFeeBasisPrompt,
     .note = &BelowTableNote,
     .aliases = kBasisAliases},
};
constexpr CalculatorInput kBenchmarkInputs[] = {
    {.control = role::kBasePrice,
     .kind = InputKind::Result,
     .name = "收费基价",
     .unit = "万元",
     .prompt = role::kNone},
    {.control = role::kDiscipline,
     .kind = InputKind::Coefficient,
     .name = "专业调整系数",
     .unit = "",
     .prompt = role::kDisciplinePrompt,
     .aliases = kDisciplineAliases},
    {.control = role::kComplexityCoefficient,
     .kind = InputKind::Result,
     .name = "工程复杂程度",
     .unit = "",
     .prompt = role::kNone,
     .entries = kComplexityCaptions,
     .aliases = kComplexityAliases,
     .readEntry = &ReadGrade},
    {.control = role::kElevation,
     .kind = InputKind::Coefficient,
     .name = "高程调整系数",
     .unit = "",
     .prompt = role::kElevationPrompt,
     .aliases = kElevationAliases},
};
constexpr CalculatorInput kChargedFeeInputs[] = {
    {.control = role::kBenchmark,
     .kind = InputKind::Result,
     .name = "工程监理服务收费基准价",
     .unit = "万元",
     .prompt = role::kNone},
    {.control = role::kRange,
     .kind = InputKind::Percent,
     .name = "浮动幅度值",
     .unit = "%",
     .prompt = role::kRangePrompt,
     .aliases = kRangeAliases},
};
constexpr ControlName kBasePriceButtons[] = {role::kBasePriceCalculate};
constexpr ControlName kComplexityOptions[] = {role::kComplexityGeneral, role::kComplexityModerate,
                                              role::kComplexityHigh};
constexpr ControlName kBenchmarkButtons[] = {role::kBenchmarkCalculate};
constexpr ControlName kChargedFeeButtons[] = {role::kChargedFeeCalculate};

constexpr CalculatorStep kSupervisionSteps[] = {
    {.kind = StepKind::Calculation,
     .name = "收费基价",
     .buttons = kBasePriceButtons,
     .result = role::kBasePrice,
     .resultBox = role::kBasePriceBox,
     .resultPrompt = role::kBasePricePrompt,
     .click = &Command10Click,
     .work = &BasePriceWork,
     .value = ValueType::AmountWan,
     .figure = kGeneralFigure,
     .inputs = kBasePriceInputs,
     .column = "收费基价（万元）"},
    {.kind = StepKind::Choice,
     .name = "工程复杂程度",
     .buttons = kComplexityOptions,
     .result = role::kComplexityCoefficient,
     .resultBox = role::kComplexityCoefficientBox,
     .resultPrompt = role::kComplexityCoefficientPrompt,
     .click = &ComplexityOptionClick,
     .work = &ComplexityWork,
     .value = ValueType::Coefficient,
     .figure = kTwoDecimalFigure,
     .inputs = {}},
    {.kind = StepKind::Calculation,
     .name = "工程监理服务收费基准价",
     .buttons = kBenchmarkButtons,
     .result = role::kBenchmark,
     .resultBox = role::kBenchmarkBox,
     .resultPrompt = role::kBenchmarkCalculate,
     .click = &Command2Click,
     .work = &BenchmarkWork,
     .value = ValueType::AmountWan,
     .figure = kGeneralFigure,
     .inputs = kBenchmarkInputs,
     .column = "基准价（万元）"},
    {.kind = StepKind::Calculation,
     .name = "监理取费",
     .buttons = kChargedFeeButtons,
     .result = role::kChargedFee,
     .resultBox = role::kChargedFeeBox,
     .resultPrompt = role::kChargedFeeCalculate,
     .click = &Command3Click,
     .work = &ChargedFeeWork,
     .value = ValueType::AmountWan,
     .figure = kGeneralFigure,
     .inputs = kChargedFeeInputs,
     .column = "监理取费（万元）"},
};

constexpr FeeSchedule kSupervision2007{
    .id = "2007",
    .standard = "《建设工程监理与相关服务收费管理规定》（发改价格〔2007〕670号）",
    .method =
        "收费基价按收费基价表用直线插入法计算（低于表列最小计费额时按首段直线延伸，"
        "高于最大计费额时按 1.039% 计算）；基准价 = 收费基价 × 专业调整系数 × "
        "工程复杂程度调整系数 × 高程调整系数；监理取费 = 基准价 × (1 + 浮动幅度值)。",
};
constexpr const FeeSchedule* kSupervisionSchedules[] = {&kSupervision2007};

constexpr Calculator kSupervisionFee{
    .id = "supervision",
    .frame = role::kSupervisionFrame,
    .title = "工程监理服务收费计算书",
    .schedules = kSupervisionSchedules,
    .steps = kSupervisionSteps,
};

}  // namespace

const Calculator& SupervisionFeeCalculator()
{
    return kSupervisionFee;
}

}  // namespace kelvora
