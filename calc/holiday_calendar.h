#pragma once
// The public holidays and adjusted working days of the State Council's
// yearly notices, as data: the years published are built in, a later year
// can be read from a small text file. A day is a working day, a weekend day
// or a holiday; a weekend day declared a working day (调休上班日) works. A
// year without a notice still has the holidays the law fixes for it
// (legal_holidays.h); only its 调休 is unknown. An imported notice wins, and
// one that contradicts the law's holidays is refused.
//
//   built-in years + ReadCalendarFile(text) --AddYears--> HolidayCalendar
//   HolidayCalendar --KindOf(day)--> working / rest / holiday, and whether its year is known
//
// The file: one day a line, "2027-01-01 休" or "2027-02-07 班"; blank lines
// and lines starting with # are left out; a "# 来源：…" line names
// where the days below it come from. A notice may begin in the December of
// the year before (2019's did): those days belong to its year.

#include <chrono>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

using Day = std::chrono::sys_days;

enum class DayKind {
    Working,  // a weekday, or a weekend day declared a working day
    Rest,     // a weekend day
    Holiday,  // a public holiday, with the weekend days folded into the break
};

struct CalendarYear {
    int year = 0;
    std::string source;            // the notice the days come from
    std::vector<Day> holidays;     // in order; December days of the year before may lead
    std::vector<Day> workingDays;  // weekend days declared working days
    bool builtIn = false;
};

struct CalendarReading {
    std::vector<CalendarYear> years;  // the years the file holds
    std::string problem;  // "第 3 行：…" when it cannot be used; nothing loaded then
};

// Reads a calendar file. Every line is checked; the first fault is said with
// its line number and nothing is read.
CalendarReading ReadCalendarFile(std::string_view text);

// The file's text for `year` (the inverse of ReadCalendarFile).
std::string CalendarFileText(const CalendarYear& year);

class HolidayCalendar {
public:
    // The built-in years (2024 to 2026).
    HolidayCalendar();

    // Adds the years read from a file. A built-in year is refused unless its
    // days are the same, a year that lacks a holiday of the law or works on
    // one is refused; the problem names the days, and nothing is added then.
    // A year imported before is replaced (a corrected file).
    std::string AddYears(const std::vector<CalendarYear>& years);

    DayKind KindOf(Day day) const;
    bool IsWorking(Day day) const { return KindOf(day) == DayKind::Working; }
    // Whether the notice of the year is known (built in or imported).
    bool Knows(int year) const;
    // Whether only the law's holidays of the year are known, not its notice.
    bool KnowsByLaw(int year) const;
    const std::map<int, CalendarYear>& years() const { return m_years; }

    // The first working day on or after `day`.
    Day WorkingOnOrAfter(Day day) const;
    // The working day `count` working days after `day` (the day itself not counted).
    Day AddWorkingDays(Day day, int count) const;

private:
    std::map<int, CalendarYear> m_years;
    std::map<int, std::vector<Day>> m_law;  // the law's holidays of the years without a notice
};

// "2024-10-01", "星期二".
std::string FormatDay(Day day);
std::string WeekdayName(Day day);
Day MakeDay(int year, int month, int day);

}  // namespace kelvora
