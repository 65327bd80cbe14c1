// The law's holidays of the years without a notice against a second source:
// the `lunar` program's own tables (春节, 端午, 中秋; to 2049), written by
// scripts/holidays/make_legal_holidays.py --lunar.

#include "calc/legal_holidays.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvora {
namespace {

using namespace std::chrono;

struct MonthDay {
    unsigned month, day;
};

struct SecondSource {
    int year;
    MonthDay springFestival, dragonBoat, midAutumn;
};

constexpr SecondSource kLunarProgram[] = {
#include "lunar_program_dates.inc"
};

bool Has(const std::vector<LegalHoliday>& days, sys_days day, const char* festival)
{
    return std::any_of(days.begin(), days.end(), [&](const LegalHoliday& holiday) {
        return holiday.day == day &&
               std::string_view(holiday.festival).find(festival) != std::string_view::npos;
    });
}

TEST(LegalHolidays, LunarDaysAgreeWithASecondSource)
{
    int checked = 0;
    for (const SecondSource& source : kLunarProgram) {
        SCOPED_TRACE(source.year);
        const auto days = LegalHolidays(source.year);
        ASSERT_TRUE(days.has_value());
        const auto on = [&](MonthDay md) {
            return sys_days{year{source.year} / month{md.month} / day{md.day}};
        };
        const sys_days spring = on(source.springFestival);
        // 除夕 and 初一 to 初三
        for (int i = -1; i <= 2; ++i) {
            EXPECT_TRUE(Has(*days, spring + std::chrono::days{i}, "春节")) << i;
        }
        EXPECT_FALSE(Has(*days, spring + std::chrono::days{3}, "春节"));
        EXPECT_TRUE(Has(*days, on(source.dragonBoat), "端午节"));
        EXPECT_TRUE(Has(*days, on(source.midAutumn), "中秋节"));
        ++checked;
    }
    EXPECT_EQ(checked, 2049 - kFirstLegalYear + 1);
}

// The fixed days of every year, 清明 between 4 and 6 April, and nothing else.
TEST(LegalHolidays, EveryYearHasTheLawsDays)
{
    for (int y = kFirstLegalYear; y <= kLastLegalYear; ++y) {
        SCOPED_TRACE(y);
        const auto days = LegalHolidays(y);
        ASSERT_TRUE(days.has_value());
        const auto on = [y](unsigned m, unsigned d) {
            return sys_days{year{y} / month{m} / day{d}};
        };
        for (const auto& [m, d, festival] : {std::tuple{1u, 1u, "元旦"},
                                             {5u, 1u, "劳动节"},
                                             {5u, 2u, "劳动节"},
                                             {10u, 1u, "国庆节"},
                                             {10u, 2u, "国庆节"},
                                             {10u, 3u, "国庆节"}}) {
            EXPECT_TRUE(Has(*days, on(m, d), festival)) << m << "-" << d;
        }
        const auto qingming = std::find_if(days->begin(), days->end(), [](const LegalHoliday& h) {
            return std::string_view(h.festival) == "清明节";
        });
        ASSERT_NE(qingming, days->end());
        EXPECT_GE(qingming->day, on(4, 4));
        EXPECT_LE(qingming->day, on(4, 6));
        // 13 days, 12 where 中秋 falls on a day of 国庆
        EXPECT_GE(days->size(), 12u);
        EXPECT_LE(days->size(), 13u);
        EXPECT_TRUE(std::is_sorted(
            days->begin(), days->end(),
            [](const LegalHoliday& a, const LegalHoliday& b) { return a.day < b.day; }));
    }
    EXPECT_FALSE(LegalHolidays(kLastLegalYear + 1).has_value());
    EXPECT_FALSE(LegalHolidays(2026).has_value());  // the notice of 2026 is built in
}

}  // namespace
}  // namespace kelvora
