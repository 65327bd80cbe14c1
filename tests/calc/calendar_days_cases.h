#pragma once
// Day counts between two picked dates; run against CalendarDays and through
// the real window.

#include <ostream>
#include <vector>

namespace kelvora::testing {

struct Ymd {
    int year, month, day;
};

struct PeriodCase {
    Ymd start;
    Ymd completion;
    const char* shown;
};

inline void PrintTo(const PeriodCase& c, std::ostream* os)
{
    *os << c.start.year << '-' << c.start.month << '-' << c.start.day << " .. " << c.completion.year
        << '-' << c.completion.month << '-' << c.completion.day << " -> " << c.shown;
}

inline const std::vector<PeriodCase>& PeriodCases()
{
    static const std::vector<PeriodCase> cases{
        {{2009, 2, 6}, {2009, 2, 6}, "0"},
        {{2009, 2, 6}, {2010, 2, 6}, "365"},
        {{2009, 2, 6}, {2009, 2, 7}, "1"},
        {{2008, 2, 28}, {2008, 3, 1}, "2"},  // 2008 is a leap year
        {{2009, 2, 28}, {2009, 3, 1}, "1"},
        {{1900, 2, 28}, {1900, 3, 1}, "1"},  // 1900 is not
        {{2000, 2, 28}, {2000, 3, 1}, "2"},  // 2000 is
        {{2009, 3, 1}, {2009, 2, 27}, "-2"},
        {{2008, 1, 1}, {2009, 1, 1}, "366"},
        {{1601, 1, 1}, {9999, 12, 31}, "3067670"},
        {{9999, 12, 31}, {1601, 1, 1}, "-3067670"},
    };
    return cases;
}

}  // namespace kelvora::testing
