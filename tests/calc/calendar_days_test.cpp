#include "calc/calendar_days.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <utility>

#include "calc/calendar_days_cases.h"
#include "calc/test_page.h"
#include "test_support.h"

namespace kelvora {
namespace {

using namespace std::chrono;
using testing::PeriodCase;
using testing::Ymd;

DateTime At(Ymd d, int hour = 0, int minute = 0)
{
    return local_days{year{d.year} / d.month / d.day} + hours{hour} + minutes{minute};
}

class PeriodClickTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(PeriodClickTest, ShowsTheDayCountInLabel16)
{
    testing::TestPage page(CalendarDaysCalculator());
    page.SetDate(role::kStartDate, At(GetParam().start));
    page.SetDate(role::kCompletionDate, At(GetParam().completion));
    Command4Click(page);
    EXPECT_EQ(page.Caption(role::kPeriod), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Dates, PeriodClickTest, ::testing::ValuesIn(testing::PeriodCases()));

TEST(CalendarDays, TimesOfDayPlayNoPart)
{
    EXPECT_EQ(CalendarDays(At({2009, 2, 6}, 23, 59), At({2009, 2, 7}, 0, 1)), 1);
    EXPECT_EQ(CalendarDays(At({2009, 2, 6}, 0, 1), At({2009, 2, 6}, 23, 59)), 0);
    EXPECT_EQ(CalendarDays(At({2009, 2, 6}, 23, 59), At({2009, 2, 6}, 0, 1)), 0);
    EXPECT_EQ(CalendarDays(At({2009, 2, 7}, 0, 1), At({2009, 2, 6}, 23, 59)), -1);
}

TEST(FormatDate, EveryYearACalendarDateHolds)
{
    const struct {
        Ymd day;
        const char* shown;
    } cases[] = {
        {{2009, 2, 6}, "2009/2/6"},
        {{9999, 12, 31}, "9999/12/31"},
        {{1, 1, 1}, "1/1/1"},
        {{0, 3, 1}, "0/3/1"},
        {{-1, 12, 31}, "-1/12/31"},
        {{-9999, 1, 1}, "-9999/1/1"},
        {{-10000, 1, 1}, "-10000/1/1"},
        {{-32767, 1, 1}, "-32767/1/1"},
        {{32767, 12, 31}, "32767/12/31"},
        {{12345, 10, 9}, "12345/10/9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDate(At(c.day)), c.shown);
    }
    // a day past the last year a calendar date holds is refused, not garbled
    const DateTime beyond = At({32767, 12, 31}) + days{1};
    EXPECT_EQ(testing::FaultOf([&] { FormatDate(beyond); }), FloatFault::InvalidOperation);
    const DateTime before = At({-32767, 1, 1}) - days{1};
    EXPECT_EQ(testing::FaultOf([&] { FormatDate(before); }), FloatFault::InvalidOperation);
}

// A plain day-by-day calendar, written without std::chrono.
bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : lengths[m - 1];
}

Ymd NextDay(Ymd d)
{
    if (++d.day > DaysInMonth(d.year, d.month)) {
        d.day = 1;
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    }
    return d;
}

bool Before(Ymd a, Ymd b)
{
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

int WalkDays(Ymd from, Ymd to)
{
    if (Before(to, from)) {
        return -WalkDays(to, from);
    }
    int count = 0;
    while (Before(from, to)) {
        from = NextDay(from);
        ++count;
    }
    return count;
}

TEST(CalendarDays, AgreesWithADayByDayWalk)
{
    std::mt19937 rng(20090206);
    std::uniform_int_distribution<int> yearOf(1601, 9990);
    std::uniform_int_distribution<int> monthOf(1, 12);
    std::uniform_int_distribution<int> apart(0, 3 * 366);
    for (int i = 0; i < 3000; ++i) {
        const int y = yearOf(rng);
        const int m = monthOf(rng);
        Ymd start{y, m, std::uniform_int_distribution<int>(1, DaysInMonth(y, m))(rng)};
        Ymd completion = start;
        for (int k = apart(rng); k > 0; --k) {
            completion = NextDay(completion);
        }
        if (i % 2 == 1) {
            std::swap(start, completion);  // completion before the start
        }
        EXPECT_EQ(CalendarDays(At(start), At(completion)), WalkDays(start, completion))
            << start.year << '-' << start.month << '-' << start.day << " .. " << completion.year
            << '-' << completion.month << '-' << completion.day;
    }
}

}  // namespace
}  // namespace kelvora
