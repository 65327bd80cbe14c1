#include "calc/holiday_calendar.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <optional>

#include "calc/decimal_text.h"
#include "calc/legal_holidays.h"

namespace kelvora {
namespace {

using namespace std::chrono;

// One year of a notice: the holidays as "MM-DD" or "MM-DD..MM-DD" ranges and
// the adjusted working days.
struct BuiltInYear {
    int year;
    std::vector<const char*> holidays;
    std::vector<const char*> workingDays;
};

const std::array<BuiltInYear, 3>& BuiltInYears()
{
    static const std::array<BuiltInYear, 3> years{{
        {2024,
         {"01-01", "02-10..02-17", "04-04..04-06", "05-01..05-05", "06-10", "09-15..09-17",
          "10-01..10-07"},
         {"02-04", "02-18", "04-07", "04-28", "05-11", "09-14", "09-29", "10-12"}},
        {2025,
         {"01-01", "01-28..02-04", "04-04..04-06", "05-01..05-05", "05-31..06-02", "10-01..10-08"},
         {"01-26", "02-08", "04-27", "09-28", "10-11"}},
        {2026,
         {"01-01..01-03", "02-15..02-23", "04-04..04-06", "05-01..05-05", "06-19..06-21",
          "09-25..09-27", "10-01..10-07"},
         {"01-04", "02-14", "02-28", "05-09", "09-20", "10-10"}},
    }};
    return years;
}

int Number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : -1;
}

Day InYear(int year, std::string_view monthDay)
{
    return MakeDay(year, Number(monthDay.substr(0, 2)), Number(monthDay.substr(3, 2)));
}

CalendarYear Expand(const BuiltInYear& built)
{
    CalendarYear year;
    year.year = built.year;
    year.builtIn = true;
    year.source = "国务院办公厅关于" + std::to_string(built.year) + "年部分节假日安排的通知";
    for (std::string_view range : built.holidays) {
        const std::size_t dots = range.find("..");
        const Day first = InYear(built.year, range.substr(0, 5));
        const Day last =
            dots == std::string_view::npos ? first : InYear(built.year, range.substr(dots + 2));
        for (Day day = first; day <= last; day += days{1}) {
            year.holidays.push_back(day);
        }
    }
    for (std::string_view day : built.workingDays) {
        year.workingDays.push_back(InYear(built.year, day));
    }
    return year;
}

bool IsWeekend(Day day)
{
    const weekday w{day};
    return w == Saturday || w == Sunday;
}

// "2027-01-01" as a real day, or nothing.
std::optional<Day> ReadIsoDay(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const int y = Number(text.substr(0, 4)), m = Number(text.substr(5, 2)),
              d = Number(text.substr(8, 2));
    const year_month_day date{year{y}, month{static_cast<unsigned>(std::max(m, 0))},
                              day{static_cast<unsigned>(std::max(d, 0))}};
    if (y < 1900 || m < 1 || d < 1 || !date.ok()) {
        return std::nullopt;
    }
    return sys_days{date};
}

// The days where two lists of one year differ, as "2025-10-08".
std::vector<std::string> Differences(const std::vector<Day>& a, const std::vector<Day>& b)
{
    std::vector<Day> differ;
    std::set_symmetric_difference(a.begin(), a.end(), b.begin(), b.end(),
                                  std::back_inserter(differ));
    std::vector<std::string> texts;
    for (Day day : differ) {
        texts.push_back(FormatDay(day));
    }
    return texts;
}

}  // namespace

Day MakeDay(int y, int m, int d)
{
    return sys_days{year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)}};
}

std::string FormatDay(Day day)
{
    const year_month_day date{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string WeekdayName(Day day)
{
    static constexpr std::array<const char*, 7> kNames{"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};
    return kNames[weekday{day}.c_encoding()];
}

CalendarReading ReadCalendarFile(std::string_view text)
{
    std::map<int, CalendarYear> years;
    std::string source;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string line{Trimmed(text.substr(0, end))};
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) {
            line = std::string{Trimmed(std::string_view{line}.substr(3))};
        }
        const auto fault = [&](const std::string& why) {
            return CalendarReading{{}, "第 " + std::to_string(number) + " 行：" + why};
        };
        if (line.empty()) {
            continue;
        }
        if (line[0] == '#') {
            constexpr std::string_view kSource = "来源：";
            if (const std::size_t at = line.find(kSource); at != std::string::npos) {
                source = std::string{Trimmed(std::string_view{line}.substr(at + kSource.size()))};
            }
            continue;
        }
        const std::size_t blank = line.find_first_of(" \t");
        if (blank == std::string::npos) {
            return fault("应为“日期 休”或“日期 班”，例如“2027-01-01 休”");
        }
        const auto day = ReadIsoDay(line.substr(0, blank));
        if (!day) {
            return fault("“" + line.substr(0, blank) + "”不是 YYYY-MM-DD 形式的有效日期");
        }
        const std::string kind{Trimmed(std::string_view{line}.substr(blank))};
        if (kind != "休" && kind != "班") {
            return fault("“" + kind + "”应为“休”（放假）或“班”（调休上班）");
        }
        CalendarYear& year = years[static_cast<int>(year_month_day{*day}.year())];
        year.year = static_cast<int>(year_month_day{*day}.year());
        if (year.source.empty()) {
            year.source = source;  // the source named above the year's first day
        }
        std::vector<Day>& list = kind == "休" ? year.holidays : year.workingDays;
        std::vector<Day>& other = kind == "休" ? year.workingDays : year.holidays;
        if (std::find(list.begin(), list.end(), *day) != list.end() ||
            std::find(other.begin(), other.end(), *day) != other.end()) {
            return fault(FormatDay(*day) + " 已经写过一次");
        }
        if (kind == "班" && !IsWeekend(*day)) {
            return fault(FormatDay(*day) + " 是工作日，不必写作调休上班");
        }
        list.push_back(*day);
    }
    // a notice that crosses the year's end (2019's began 2018-12-29): the
    // December days before a year the file holds belong to that year's notice
    for (auto it = years.begin(); it != years.end();) {
        const auto next = years.find(it->first + 1);
        const auto inDecember = [](Day day) { return year_month_day{day}.month() == December; };
        if (next != years.end() &&
            std::all_of(it->second.holidays.begin(), it->second.holidays.end(), inDecember) &&
            std::all_of(it->second.workingDays.begin(), it->second.workingDays.end(), inDecember)) {
            CalendarYear& into = next->second;
            into.holidays.insert(into.holidays.end(), it->second.holidays.begin(),
                                 it->second.holidays.end());
            into.workingDays.insert(into.workingDays.end(), it->second.workingDays.begin(),
                                    it->second.workingDays.end());
            if (into.source.empty()) {
                into.source = it->second.source;
            }
            it = years.erase(it);
        } else {
            ++it;
        }
    }
    CalendarReading reading;
    if (years.empty()) {
        reading.problem = "文件中没有任何日期";
        return reading;
    }
    for (auto& [number, year] : years) {
        std::sort(year.holidays.begin(), year.holidays.end());
        std::sort(year.workingDays.begin(), year.workingDays.end());
        if (year.source.empty()) {
            year.source = "自行导入的节假日安排";
        }
        reading.years.push_back(std::move(year));
    }
    return reading;
}

std::string CalendarFileText(const CalendarYear& year)
{
    std::string text = "# 来源：" + year.source + "\n";
    for (Day day : year.holidays) {
        text += FormatDay(day) + " 休\n";
    }
    for (Day day : year.workingDays) {
        text += FormatDay(day) + " 班\n";
    }
    return text;
}

HolidayCalendar::HolidayCalendar()
{
    for (const BuiltInYear& built : BuiltInYears()) {
        m_years.emplace(built.year, Expand(built));
    }
    for (int year = kFirstLegalYear; year <= kLastLegalYear; ++year) {
        std::vector<Day>& law = m_law[year];
        const auto holidays = LegalHolidays(year);  // kept: the loop reads into it
        for (const LegalHoliday& holiday : holidays.value_or(std::vector<LegalHoliday>{})) {
            law.push_back(holiday.day);
        }
    }
}

std::string HolidayCalendar::AddYears(const std::vector<CalendarYear>& years)
{
    for (const CalendarYear& year : years) {
        // the days of the year before that a notice crossing the year's end
        // carries: each compared alone with a built-in year that names it
        for (const bool off : {true, false}) {
            for (Day day : off ? year.holidays : year.workingDays) {
                const int of = static_cast<int>(year_month_day{day}.year());
                const auto before = m_years.find(of);
                if (of == year.year || before == m_years.end() || !before->second.builtIn) {
                    continue;
                }
                const CalendarYear& built = before->second;
                const bool listedOff =
                    std::binary_search(built.holidays.begin(), built.holidays.end(), day);
                const bool listedWorking =
                    std::binary_search(built.workingDays.begin(), built.workingDays.end(), day);
                if ((off && listedWorking) || (!off && listedOff)) {
                    return std::to_string(year.year) + " 年的安排与" + built.source + "不同（" +
                           FormatDay(day) + "），未导入";
                }
            }
        }
        const auto known = m_years.find(year.year);
        if (known == m_years.end() || !known->second.builtIn) {
            continue;  // new, or imported before and now corrected
        }
        const auto own = [&year](const std::vector<Day>& days) {
            std::vector<Day> mine;
            std::copy_if(days.begin(), days.end(), std::back_inserter(mine), [&year](Day day) {
                return static_cast<int>(year_month_day{day}.year()) == year.year;
            });
            return mine;
        };
        std::vector<std::string> differ = Differences(known->second.holidays, own(year.holidays));
        const std::vector<std::string> working =
            Differences(known->second.workingDays, own(year.workingDays));
        differ.insert(differ.end(), working.begin(), working.end());
        if (!differ.empty()) {
            std::string list;
            for (std::size_t i = 0; i < differ.size() && i < 10; ++i) {
                list += (i == 0 ? "" : "、") + differ[i];
            }
            return std::to_string(year.year) + " 年的安排与" + known->second.source + "不同（" +
                   list + (differ.size() > 10 ? " 等" : "") + "），未导入";
        }
    }
    // a notice keeps the law's holidays: each is a day off, none a day of work
    for (const CalendarYear& year : years) {
        const std::vector<LegalHoliday> law =
            LegalHolidays(year.year).value_or(std::vector<LegalHoliday>{});
        for (const LegalHoliday& holiday : law) {
            if (!std::binary_search(year.holidays.begin(), year.holidays.end(), holiday.day)) {
                return std::to_string(year.year) + " 年的安排中 " + FormatDay(holiday.day) + "（" +
                       holiday.festival +
                       "）不是放假日，与《全国年节及纪念日放假办法》不符，未导入";
            }
        }
    }
    for (const CalendarYear& year : years) {
        if (const auto known = m_years.find(year.year);
            known == m_years.end() || !known->second.builtIn) {
            m_years.insert_or_assign(year.year, year);
        }
    }
    return {};
}

bool HolidayCalendar::Knows(int year) const
{
    return m_years.contains(year);
}

bool HolidayCalendar::KnowsByLaw(int year) const
{
    return !Knows(year) && m_law.contains(year);
}

DayKind HolidayCalendar::KindOf(Day day) const
{
    const int of = static_cast<int>(year_month_day{day}.year());
    // a notice of the next year that crosses the year's end names the day
    if (const auto next = m_years.find(of + 1); next != m_years.end()) {
        const CalendarYear& year = next->second;
        if (std::binary_search(year.holidays.begin(), year.holidays.end(), day)) {
            return DayKind::Holiday;
        }
        if (std::binary_search(year.workingDays.begin(), year.workingDays.end(), day)) {
            return DayKind::Working;
        }
    }
    const auto known = m_years.find(of);
    if (known != m_years.end()) {
        const CalendarYear& year = known->second;
        if (std::binary_search(year.holidays.begin(), year.holidays.end(), day)) {
            return DayKind::Holiday;
        }
        if (std::binary_search(year.workingDays.begin(), year.workingDays.end(), day)) {
            return DayKind::Working;
        }
    } else if (const auto law = m_law.find(static_cast<int>(year_month_day{day}.year()));
               law != m_law.end() &&
               std::binary_search(law->second.begin(), law->second.end(), day)) {
        return DayKind::Holiday;
    }
    return IsWeekend(day) ? DayKind::Rest : DayKind::Working;
}

Day HolidayCalendar::WorkingOnOrAfter(Day day) const
{
    while (!IsWorking(day)) {
        day += days{1};
    }
    return day;
}

Day HolidayCalendar::AddWorkingDays(Day day, int count) const
{
    while (count > 0) {
        day += days{1};
        if (IsWorking(day)) {
            --count;
        }
    }
    return day;
}

}  // namespace kelvora
