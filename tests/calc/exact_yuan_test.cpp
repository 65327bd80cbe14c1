// The tender fee in yuan, against a computation of its own in whole numbers:
// an amount with two decimals is a whole number of 0.01 万元 (100 元) and a
// rate a whole number of 0.0001 %, so every charge is a whole number of
// 10^-8 元, the service's 30 % too; the 分 are rounded once, at the end.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "calc/tender_fee.h"
#include "calc/test_page.h"
#include "calc/yuan_amount.h"

namespace kelvora {
namespace {

__extension__ typedef __int128 Int;

// The bands of the 2002 table as printed: lower bounds in 万元, rates in 0.0001 %.
constexpr std::int64_t kLower[] = {0, 100, 500, 1000, 5000, 10000, 100000, 1000000};
constexpr std::int64_t kRate[3][8] = {
    {10000, 7000, 5500, 3500, 2000, 500, 100, 100},   // 工程: 1 %, 0.7 %, ...
    {15000, 8000, 4500, 2500, 1000, 500, 100, 100},   // 服务
    {15000, 11000, 8000, 5000, 2500, 500, 100, 100},  // 货物
};

// The fee in units of 10^-8 元 for an amount of `cents` hundredths of 万元
// (cents x 100 元 x rate x 10^-6 = cents x rate x 10^-4 元).
Int FeeUnits(std::int64_t cents, int type, bool service)
{
    Int units = 0;
    for (int band = 7; band >= 0; --band) {
        const std::int64_t from = kLower[band] * 100;
        if (cents > from || (band == 0)) {
            const std::int64_t upper = cents;
            units += static_cast<Int>(upper - from) * kRate[type][band] * 10'000;
            for (int below = 0; below < band; ++below) {
                units += static_cast<Int>(kLower[below + 1] - kLower[below]) * 100 *
                         kRate[type][below] * 10'000;
            }
            break;
        }
    }
    return service ? units * 13 / 10 : units;  // exact: units are multiples of 10^4
}

// "¥151,487.30" from units of 10^-8 元, rounded half away from zero to the 分.
std::string Figures(Int units)
{
    const bool negative = units < 0;
    Int fen = (negative ? -units : units) + 500'000;
    fen /= 1'000'000;
    std::string digits;
    for (Int rest = fen / 100; rest > 0 || digits.empty(); rest /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    }
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    const int cents = static_cast<int>(fen % 100);
    return std::string(negative && fen != 0 ? "-¥" : "¥") + grouped + "." +
           static_cast<char>('0' + cents / 10) + static_cast<char>('0' + cents % 10);
}

TEST(ExactYuan, TheFeeInYuanToTheFenWhateverItsCaptionRoundsTo)
{
    const char* types[] = {"工程招标", "服务招标", "货物招标"};
    std::vector<std::int64_t> amounts = {345678, 12345, 1, 99, 10050};  // 3456.78 万元 and more
    for (std::int64_t lower : kLower) {  // each band edge, and a cent either side
        for (std::int64_t step : {-1, 0, 1}) {
            if (lower * 100 + step > 0) {
                amounts.push_back(lower * 100 + step);
            }
        }
    }
    int captionDiffers = 0;
    for (int type = 0; type < 3; ++type) {
        for (bool service : {false, true}) {
            for (std::int64_t cents : amounts) {
                const std::string amount = std::to_string(cents / 100) + "." +
                                           std::to_string(cents % 100 / 10) +
                                           std::to_string(cents % 10);
                testing::TestPage page(TenderFeeCalculator());
                page.SetText(role::kTenderType, types[type]);
                page.SetText(role::kTenderAmount, amount);
                page.SetChecked(role::kDocumentService, service);
                Command1Click(page);
                const std::string working = page.Working(role::kTenderFee);
                const std::string expected = Figures(FeeUnits(cents, type, service));
                SCOPED_TRACE(std::string(types[type]) + " " + amount + (service ? " +30%" : ""));
                EXPECT_NE(working.find("小写：" + expected), std::string::npos) << working;
                // the caption's own yuan differ here: the working says it is rounded
                const YuanResult shown = YuanFromCaption(page.Caption(role::kTenderFee));
                if (YuanFigures(*shown.amount) != expected) {
                    ++captionDiffers;
                    EXPECT_NE(working.find("按两位小数显示为"), std::string::npos) << working;
                }
            }
        }
    }
    EXPECT_GT(captionDiffers, 20);  // the table holds the cases this is about
}

// Where the exactness the notes for developers state holds: an amount below
// 100 亿元 given to the 分 (six decimals of 万元). The fee in units of 10^-9
// 元: millionths of 万元 x a rate in 10^-6 make 10^-12 万元 = 10^-8 元, x 10
// (or x 13 with the service's 30 %).
Int FeeNanoYuan(std::int64_t millionths, int type, bool service)
{
    Int units = 0;
    for (int band = 0; band < 8; ++band) {
        const std::int64_t from = kLower[band] * 1'000'000;
        const std::int64_t to = band + 1 < 8 ? kLower[band + 1] * 1'000'000 : INT64_MAX;
        if (millionths > from) {
            units += static_cast<Int>(std::min(millionths, to) - from) * kRate[type][band];
        }
    }
    return units * (service ? 13 : 10);
}

// `units` of 10^-9 元 rounded half away from zero to a multiple of `step`.
Int Rounded(Int units, Int step)
{
    return (units + step / 2) / step;
}

TEST(ExactYuan, CaptionAndFiguresAreExactForAmountsToTheFenBelowTenBillion)
{
    const char* types[] = {"工程招标", "服务招标", "货物招标"};
    std::uint64_t state = 20261208;
    const auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state >> 11;
    };
    for (int i = 0; i < 6000; ++i) {
        const int decimals = static_cast<int>(next() % 7);
        std::int64_t scale = 1;
        for (int d = 0; d < decimals; ++d) {
            scale *= 10;
        }
        // below 1,000,000 万元, of every size
        const std::int64_t top = std::int64_t{1} << (7 + next() % 13);
        const std::int64_t whole = static_cast<std::int64_t>(
            next() % static_cast<std::uint64_t>(std::min<std::int64_t>(top, 999'999)));
        const std::int64_t part =
            static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(scale));
        std::string fraction = decimals > 0 ? std::to_string(part) : std::string();
        fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
        const std::string amount = std::to_string(whole) + (decimals > 0 ? "." + fraction : "");
        const std::int64_t millionths = whole * 1'000'000 + part * (1'000'000 / scale);
        const int type = static_cast<int>(next() % 3);
        const bool service = next() % 2 == 0;
        testing::TestPage page(TenderFeeCalculator());
        page.SetText(role::kTenderType, types[type]);
        page.SetText(role::kTenderAmount, amount);
        page.SetChecked(role::kDocumentService, service);
        Command1Click(page);
        SCOPED_TRACE(std::string(types[type]) + " " + amount + (service ? " +30%" : ""));
        const Int nano = FeeNanoYuan(millionths, type, service);
        // 小写: 分 are 10^7 units; the caption: 0.01 万元 are 10^11 units
        const Int fen = Rounded(nano, 10'000'000);
        const Int cents = Rounded(nano, 100'000'000'000);
        const std::string working = page.Working(role::kTenderFee);
        EXPECT_NE(working.find("小写：" + Figures(fen * 1'000'000)), std::string::npos) << working;
        const std::string caption = std::to_string(static_cast<long long>(cents / 100)) + "." +
                                    std::to_string(static_cast<int>(cents % 100 / 10)) +
                                    std::to_string(static_cast<int>(cents % 10));
        EXPECT_EQ(page.Caption(role::kTenderFee), caption);
    }
}

}  // namespace
}  // namespace kelvora
