// Money in 分: its 万元 carry every digit of the 分 and agree with its 元, a
// 万元 text is rounded to the 分 on its digits, and sums stay exact or say so.

#include "calc/money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/number_text.h"

namespace kelvora {
namespace {

TEST(Money, WanAndYuanAgreeToTheFen)
{
    const struct {
        const char* wan;      // as a step writes it
        const char* wanText;  // as a paper states it
        const char* figures;
    } cases[] = {
        {"12.1189843", "12.118984", "¥121,189.84"},
        {"12.12", "12.12", "¥121,200.00"},
        {"0.0000005", "0.000001", "¥0.01"},  // half a 分: away from zero
        {"0.0000004", "0", "¥0.00"},
        {"-2.54", "-2.54", "-¥25,400.00"},
        {"1.5E-07", "0", "¥0.00"},
        {"999999999999.999999", "999999999999.999999", "¥9,999,999,999,999,999.99"},
        {"0.00000049999", "0", "¥0.00"},  // rounded on the first digit dropped alone
        {"-0.0000001", "0", "¥0.00"},
        {"1.5E+3", "1500", "¥15,000,000.00"},
    };
    for (const auto& c : cases) {
        const auto money = MoneyFromWan(c.wan);
        ASSERT_TRUE(money.has_value()) << c.wan;
        EXPECT_EQ(money->WanText(), c.wanText) << c.wan;
        EXPECT_EQ(money->Figures(), c.figures) << c.wan;
        EXPECT_EQ(MoneyFromWan(money->WanText()), money) << c.wan;
    }
    EXPECT_FALSE(MoneyFromWan("1000000000000").has_value());  // 10^16 元
    EXPECT_FALSE(MoneyFromWan("abc").has_value());
}

// Figures as the formatters write them read to the same 分 as the general
// decimal reader gives.
TEST(Money, EveryCaptionReadsAsTheDecimalReaderReadsIt)
{
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> unit(1.0, 10.0);
    std::uniform_int_distribution<int> power(-21, 14);
    for (int i = 0; i < 100000; ++i) {
        const double x = (i % 3 == 0 ? -1 : 1) * unit(rng) * std::pow(10.0, power(rng));
        for (const std::string& text : {FormatGeneral(x), FormatTwoDecimals(x)}) {
            const YuanResult yuan = YuanFromCaption(text);
            const auto expected = yuan.amount ? Money::FromYuan(*yuan.amount) : std::nullopt;
            ASSERT_EQ(MoneyFromWan(text), expected) << text;
        }
        ASSERT_EQ(MoneyOfFigure(x), MoneyFromWan(FormatGeneral(x))) << x;
    }
}

TEST(Money, SumsAreExactOrNone)
{
    const Money most = *Money::FromFen(Money::kMaxFen);
    EXPECT_EQ(Sum(*MoneyFromWan("0.1"), *MoneyFromWan("0.2"))->WanText(), "0.3");
    EXPECT_FALSE(Sum(most, *Money::FromFen(1)).has_value());
    EXPECT_EQ(Sum(most, *Money::FromFen(-1))->fen(), Money::kMaxFen - 1);
    EXPECT_FALSE(Money::FromFen(-Money::kMaxFen - 1).has_value());
}

}  // namespace
}  // namespace kelvora
