#pragma once
// An amount of money to the 分: the one form a fee takes on its way to paper.
// Every paper states it from here, in 元 ("¥121,189.84", "人民币壹拾贰万…") and in
// 万元 with the digits of its 分 ("12.118984"), so that 万元 and 元 on one paper
// always agree, and a 合计 is the exact sum of the 分 it covers.
//
//   fee --FormatGeneral--> "12.1189843" --MoneyFromWan--> 12,118,984 分
//   Money --Figures | Capitals | WanText | YuanText--> texts; Money + Money exact
//
// Amounts below 10^16 元 (the most the capitals are written for) fit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "calc/yuan_amount.h"

namespace kelvora {

class Money {
public:
    // The largest amount held: 10^18 − 1 分, just below 10^16 元.
    static constexpr std::int64_t kMaxFen = 999'999'999'999'999'999;

    constexpr Money() = default;
    // Nothing beyond ±kMaxFen.
    static std::optional<Money> FromFen(std::int64_t fen);
    static std::optional<Money> FromYuan(const YuanAmount& yuan);

    constexpr std::int64_t fen() const { return m_fen; }

    YuanAmount Yuan() const;
    std::string Figures() const;   // "¥121,189.84", "-¥100.00"
    std::string Capitals() const;  // "人民币壹拾贰万壹仟壹佰捌拾玖元捌角肆分"
    std::string YuanText() const;  // "121189.84"
    // In 万元 with every digit of the 分 and none more: "12.118984", "12.12", "0".
    std::string WanText() const;
    // The double nearest WanText, for a spreadsheet's number cell.
    double Wan() const;

    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;

private:
    constexpr explicit Money(std::int64_t fen) : m_fen(fen) {}
    std::int64_t m_fen = 0;
};

// An amount in 万元 as a decimal text ("22.55", "1.5E-07"), rounded to the 分
// half away from zero on its digits; nothing for a text that is no number or
// an amount too large.
std::optional<Money> MoneyFromWan(std::string_view text);
// A figure in 万元 to the 分 as its 15 significant digits state it: the same
// as MoneyFromWan(FormatGeneral(wan)), without the text.
std::optional<Money> MoneyOfFigure(double wan);
std::optional<Money> MoneyOfFigure(const FifteenDigits& digits);

// The same for a text in 元 ("151487.3").
std::optional<Money> MoneyFromYuan(std::string_view text);

// The exact sum, nothing when it leaves the range.
std::optional<Money> Sum(Money a, Money b);

// The two lines a money result's working ends with where it is shown:
// "小写：¥225,500.00", "大写：人民币贰拾贰万伍仟伍佰元整".
std::string YuanLines(Money money);

}  // namespace kelvora
