#include "calc/yuan_amount.h"
#include "calc/money.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace kelvora {
namespace {

// The yuan figures and capitals of a caption in 万元.
struct Shown {
    std::string figures;
    std::string capitals;
};

Shown FromCaption(const std::string& caption)
{
    const YuanResult yuan = YuanFromCaption(caption);
    if (!yuan.amount) {
        return {"-", yuan.error == YuanError::TooLarge ? "too large" : "not a number"};
    }
    return {YuanFigures(*yuan.amount), YuanCapitals(*yuan.amount)};
}

// An amount written in yuan, as a caption in 万元 ("1680.32E-04").
std::string CaptionOfYuan(const std::string& yuan)
{
    return yuan + "E-04";
}

TEST(YuanCapitals, AccountingRulesForChineseCapitalAmounts)
{
    const struct {
        const char* yuan;
        const char* capitals;
    } cases[] = {
        // the examples of the fee notice rules
        {"1680.32", "人民币壹仟陆佰捌拾元零叁角贰分"},
        {"107000.53", "人民币壹拾万零柒仟元零伍角叁分"},
        {"1001000", "人民币壹佰万零壹仟元整"},
        {"100010000", "人民币壹亿零壹万元整"},
        {"1010", "人民币壹仟零壹拾元整"},
        {"1.05", "人民币壹元零伍分"},
        {"10.50", "人民币壹拾元零伍角整"},
        {"0.50", "人民币伍角整"},
        {"0.05", "人民币伍分"},
        {"-100", "人民币负壹佰元整"},
        {"0", "人民币零元整"},
        {"225500", "人民币贰拾贰万伍仟伍佰元整"},
        {"100000", "人民币壹拾万元整"},
        {"10", "人民币壹拾元整"},
        {"110", "人民币壹佰壹拾元整"},
        // zero runs in every place and across every group boundary
        {"10000", "人民币壹万元整"},
        {"100000000", "人民币壹亿元整"},
        {"1000000000000", "人民币壹万亿元整"},
        {"1000000000000000", "人民币壹仟万亿元整"},
        {"1000100010001000", "人民币壹仟万亿零壹仟亿零壹仟万零壹仟元整"},
        {"1000000000000001", "人民币壹仟万亿零壹元整"},
        {"1000000000010000", "人民币壹仟万亿零壹万元整"},
        {"1000000100000000", "人民币壹仟万亿零壹亿元整"},
        {"20005.06", "人民币贰万零伍元零陆分"},
        {"200500", "人民币贰拾万零伍佰元整"},
        {"1000000.5", "人民币壹佰万元零伍角整"},
        {"100000000.01", "人民币壹亿元零壹分"},
        {"0.01", "人民币壹分"},
        {"30.7", "人民币叁拾元零柒角整"},
        {"1234567890123456.78",
         "人民币壹仟贰佰叁拾肆万亿伍仟陆佰柒拾捌亿玖仟零壹拾贰万叁仟肆佰伍拾陆元柒角捌分"},
        // the range: below 10^16 yuan
        {"9999999999999999.99",
         "人民币玖仟玖佰玖拾玖万亿玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        {"10000000000000000", "too large"},
        {"-10000000000000000", "too large"},
        {"9999999999999999.995", "too large"},  // rounds up to 10^16
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FromCaption(CaptionOfYuan(c.yuan)).capitals, c.capitals) << c.yuan;
    }
}

TEST(YuanCapitals, CaptionsAreReadAsDecimalsAndRoundedHalfAwayFromZero)
{
    const struct {
        const char* caption;  // 万元, as a result label shows it
        const char* figures;
        const char* capitals;
    } cases[] = {
        {"22.55", "¥225,500.00", "人民币贰拾贰万伍仟伍佰元整"},
        {"0.00", "¥0.00", "人民币零元整"},
        {"-2.54", "-¥25,400.00", "人民币负贰万伍仟肆佰元整"},
        {"10390.0913415", "¥103,900,913.42", "人民币壹亿零叁佰玖拾万零玖佰壹拾叁元肆角贰分"},
        {"0.0000005", "¥0.01", "人民币壹分"},  // 0.005 元
        {"-0.0000005", "-¥0.01", "人民币负壹分"},
        {"0.00000049999", "¥0.00", "人民币零元整"},
        {"-0.0000004", "¥0.00", "人民币零元整"},  // no sign on nothing
        {"5E-05", "¥0.50", "人民币伍角整"},
        {"1.5E-07", "¥0.00", "人民币零元整"},  // 0.0015 元
        {"5E-07", "¥0.01", "人民币壹分"},
        {"-5E-07", "-¥0.01", "人民币负壹分"},
        {"1E+11", "¥1,000,000,000,000,000.00", "人民币壹仟万亿元整"},
        {"9.99999999999999E+11", "¥9,999,999,999,999,990.00",
         "人民币玖仟玖佰玖拾玖万亿玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾元整"},
        {"1E+12", "-", "too large"},
        {"1.79769313486232E+308", "-", "too large"},
        {"0.0999", "¥999.00", "人民币玖佰玖拾玖元整"},
        {"0.1", "¥1,000.00", "人民币壹仟元整"},
        {"", "-", "not a number"},
        {"abc", "-", "not a number"},
        {"1.2.3", "-", "not a number"},
    };
    for (const auto& c : cases) {
        const Shown shown = FromCaption(c.caption);
        EXPECT_EQ(shown.figures, c.figures) << c.caption;
        EXPECT_EQ(shown.capitals, c.capitals) << c.caption;
    }
    EXPECT_EQ(YuanLines(*MoneyFromWan("22.55")),
              "小写：¥225,500.00\n大写：人民币贰拾贰万伍仟伍佰元整");
    EXPECT_FALSE(MoneyFromWan("1E+12").has_value());  // 10^16 元: past the capitals
}

// An independent reader of capital amounts, back into 分.
std::optional<unsigned long long> ReadCapitals(std::string text)
{
    const std::string prefix = "人民币";
    if (text.rfind(prefix, 0) != 0) {
        return std::nullopt;
    }
    text.erase(0, prefix.size());
    const std::string digits[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
    const struct {
        std::string name;
        unsigned long long scale;  // in 分
        bool group;                // ends a group of four (adds the section)
    } units[] = {
        {"拾", 10, false},
        {"佰", 100, false},
        {"仟", 1000, false},
        {"万亿", 100000000000000ULL, true},
        {"亿", 10000000000ULL, true},
        {"万", 1000000, true},
        {"元", 100, true},
        {"角", 10, true},
        {"分", 1, true},
    };
    if (text.rfind("负", 0) == 0) {
        text.erase(0, std::string("负").size());
    }
    unsigned long long total = 0;
    unsigned long long section = 0;
    unsigned long long digit = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        bool matched = false;
        for (unsigned long long d = 0; d < 10 && !matched; ++d) {
            if (text.compare(at, digits[d].size(), digits[d]) == 0) {
                digit = d;
                at += digits[d].size();
                matched = true;
            }
        }
        for (const auto& unit : units) {
            if (matched || text.compare(at, unit.name.size(), unit.name) != 0) {
                continue;
            }
            at += unit.name.size();
            matched = true;
            if (unit.group) {
                total += (section + digit) * unit.scale;
                section = digit = 0;
            } else {
                section += digit * unit.scale;
                digit = 0;
            }
        }
        if (!matched && text.compare(at, std::string("整").size(), "整") == 0 &&
            at + std::string("整").size() == text.size()) {
            break;
        }
        if (!matched) {
            return std::nullopt;
        }
    }
    return total;
}

TEST(YuanCapitals, ReadBackAsTheAmountForManyAmounts)
{
    std::mt19937_64 rng(20261207);
    std::uniform_int_distribution<int> length(1, 18);
    std::bernoulli_distribution zero(0.45);
    std::uniform_int_distribution<int> nonZero(1, 9);
    for (int i = 0; i < 50000; ++i) {
        // an amount in 分 of up to 18 digits, zeros in runs of every length
        std::string fen;
        const int n = length(rng);
        for (int k = 0; k < n; ++k) {
            fen += static_cast<char>('0' + (zero(rng) ? 0 : nonZero(rng)));
        }
        const auto expected = std::stoull(fen);
        // as 万元: the point six places from the right
        std::string padded = std::string(7, '0') + fen;
        const std::string caption =
            padded.substr(0, padded.size() - 6) + "." + padded.substr(padded.size() - 6);

        const YuanResult yuan = YuanFromCaption(caption);
        ASSERT_TRUE(yuan.amount.has_value()) << caption;
        // whole 分 and back, as the batch adds them
        ASSERT_EQ(FenOf(*yuan.amount), static_cast<std::int64_t>(expected)) << caption;
        ASSERT_EQ(YuanDecimal(YuanFromFen(-FenOf(*yuan.amount))),
                  std::string(expected == 0 ? "" : "-").append(YuanDecimal(*yuan.amount)))
            << caption;
        const std::string capitals = YuanCapitals(*yuan.amount);
        ASSERT_EQ(ReadCapitals(capitals), expected) << caption << " " << capitals;
        // one 零 per run: never two in a row, never first or last
        EXPECT_EQ(capitals.find("零零"), std::string::npos) << capitals;
        EXPECT_EQ(capitals.find("人民币零"), expected == 0 ? 0 : std::string::npos) << capitals;
        // the figures hold the same digits
        std::string figures = YuanFigures(*yuan.amount);
        std::erase(figures, ',');
        EXPECT_EQ(std::stoull(figures.substr(std::string("¥").size()).erase(figures.size() - 5, 1)),
                  expected)
            << figures;
    }
}

}  // namespace
}  // namespace kelvora
