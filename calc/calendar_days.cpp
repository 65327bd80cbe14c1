#include "calc/calendar_days.h"

#include <cstdio>
#include <string>

#include "calc/calculator_model.h"
#include "calc/float_error.h"
#include "calc/number_text.h"
#include "calc/working_text.h"

namespace kelvora {

std::int32_t CalendarDays(DateTime start, DateTime completion)
{
    using std::chrono::days;
    using std::chrono::floor;
    const days count = floor<days>(completion) - floor<days>(start);
    return static_cast<std::int32_t>(count.count());
}

std::string FormatDate(DateTime date)
{
    const std::chrono::year_month_day day{std::chrono::floor<std::chrono::days>(date)};
    if (!day.ok()) {
        // past the years a calendar date can hold (-32767 to 32767)
        throw FloatingPointError(FloatFault::InvalidOperation);
    }
    char text[24];  // "-32767/12/31"
    const int length =
        std::snprintf(text, sizeof text, "%d/%u/%u", static_cast<int>(day.year()),
                      static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return std::string(text, static_cast<std::size_t>(length));
}

std::string CalendarDaysWorking(DateTime start, DateTime completion, std::int32_t count)
{
    // Counting both end days adds one day in the direction of the count.
    const std::int64_t bothDays = count >= 0 ? std::int64_t{count} + 1 : std::int64_t{count} - 1;
    return working::Cat({"开工日期 ", FormatDate(start), "\n竣工日期 ", FormatDate(completion),
                         "\n工期 ", FormatWhole(count),
                         " 天（开工当日不计）\n开工、竣工两日都计入时为 ", std::to_string(bothDays),
                         " 天"});
}

namespace {

std::string WholeCaption(double days)
{
    return FormatWhole(static_cast<std::int32_t>(days));
}

double WholeShown(double days)
{
    return days;  // a whole number of days reads as itself
}

constexpr FigureStyle kWholeFigure{&WholeCaption, &WholeShown};

std::optional<StepOutcome> PeriodWork(const StepArgs& args)
{
    const DateTime start = args.Date(role::kStartDate);
    const DateTime completion = args.Date(role::kCompletionDate);
    const std::int32_t count = CalendarDays(start, completion);
    return StepOutcome{
        .value = static_cast<double>(count),
        .caption = args.working ? FormatWhole(count) : std::string(),
        .shown = static_cast<double>(count),
        .working = args.working ? WorkingLines(CalendarDaysWorking(start, completion, count))
                                : std::vector<std::string>(),
    };
}

}  // namespace

void Command4Click(CalculatorModel& page)
{
    page.Press(role::kPeriodCalculate);
}

namespace {

constexpr std::string_view kStartAliases[] = {"开工时间", "开始日期"};
constexpr std::string_view kCompletionAliases[] = {"竣工时间", "完工日期", "结束日期"};

constexpr CalculatorInput kPeriodInputs[] = {
    {.control = role::kStartDate,
     .kind = InputKind::Date,
     .name = "开工日期",
     .unit = "",
     .prompt = role::kStartPrompt,
     .aliases = kStartAliases},
    {.control = role::kCompletionDate,
     .kind = InputKind::Date,
     .name = "竣工日期",
     .unit = "",
     .prompt = role::kCompletionPrompt,
     .aliases = kCompletionAliases},
};
constexpr ControlName kPeriodButtons[] = {role::kPeriodCalculate};

std::optional<std::string> CompletionBeforeStart(const InputValues& inputs)
{
    if (inputs.Date(role::kCompletionDate) < inputs.Date(role::kStartDate)) {
        return "竣工日期早于开工日期，工期为负数";
    }
    return std::nullopt;
}

constexpr CalculatorStep kPeriodSteps[] = {
    {.kind = StepKind::Calculation,
     .name = "工期",
     .buttons = kPeriodButtons,
     .result = role::kPeriod,
     .resultBox = role::kPeriodBox,
     .resultPrompt = role::kPeriodPrompt,
     .click = &Command4Click,
     .work = &PeriodWork,
     .value = ValueType::Days,
     .figure = kWholeFigure,
     .inputs = kPeriodInputs,
     .check = &CompletionBeforeStart,
     .column = "工期（日历天）"},
};

constexpr FeeSchedule kCalendarDays{
    .id = "calendar-days",
    .standard = "",
    .method = "工期按两个日期之间的日历天数计算，开工当日不计。",
};
constexpr const FeeSchedule* kPeriodSchedules[] = {&kCalendarDays};

constexpr Calculator kPeriod{
    .id = "period",
    .frame = role::kPeriodFrame,
    .title = "工期计算书",
    .schedules = kPeriodSchedules,
    .steps = kPeriodSteps,
};

}  // namespace

const Calculator& CalendarDaysCalculator()
{
    return kPeriod;
}

}  // namespace kelvora
