#include "calc/legal_holidays.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace kelvora {
namespace {

using namespace std::chrono;

struct MonthDay {
    unsigned month, day;
};

struct LunarYear {
    int year;
    MonthDay newYearsEve, qingming, dragonBoat, midAutumn;
};

constexpr LunarYear kLunarYears[] = {
#include "calc/legal_holidays.inc"
};

sys_days On(int y, MonthDay md)
{
    return sys_days{year{y} / month{md.month} / day{md.day}};
}

}  // namespace

std::optional<std::vector<LegalHoliday>> LegalHolidays(int y)
{
    const auto* found = std::find_if(std::begin(kLunarYears), std::end(kLunarYears),
                                     [y](const LunarYear& lunar) { return lunar.year == y; });
    if (found == std::end(kLunarYears)) {
        return std::nullopt;
    }
    std::vector<LegalHoliday> days{
        {On(y, {1, 1}), "元旦"},
        {On(y, found->qingming), "清明节"},
        {On(y, {5, 1}), "劳动节"},
        {On(y, {5, 2}), "劳动节"},
        {On(y, found->dragonBoat), "端午节"},
        {On(y, found->midAutumn), "中秋节"},
        {On(y, {10, 1}), "国庆节"},
        {On(y, {10, 2}), "国庆节"},
        {On(y, {10, 3}), "国庆节"},
    };
    const sys_days eve = On(y, found->newYearsEve);
    for (int i = 0; i < 4; ++i) {
        days.push_back({eve + std::chrono::days{i}, "春节"});
    }
    std::sort(days.begin(), days.end(),
              [](const LegalHoliday& a, const LegalHoliday& b) { return a.day < b.day; });
    // 中秋 on a day of 国庆 (2028, 2031, 2039) is one holiday of both
    for (std::size_t i = 1; i < days.size(); ++i) {
        if (days[i].day == days[i - 1].day) {
            days[i - 1].festival = "中秋节、国庆节";
            days.erase(days.begin() + static_cast<std::ptrdiff_t>(i));
            --i;
        }
    }
    return days;
}

}  // namespace kelvora
