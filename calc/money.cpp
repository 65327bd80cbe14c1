#include "calc/money.h"

#include <cmath>

#include "calc/number_text.h"

namespace kelvora {

std::optional<Money> Money::FromFen(std::int64_t fen)
{
    if (fen > kMaxFen || fen < -kMaxFen) {
        return std::nullopt;
    }
    return Money(fen);
}

std::optional<Money> Money::FromYuan(const YuanAmount& yuan)
{
    if (yuan.whole.size() > kMaxYuanDigits) {
        return std::nullopt;
    }
    return Money(FenOf(yuan));
}

YuanAmount Money::Yuan() const
{
    return YuanFromFen(m_fen);
}

std::string Money::Figures() const
{
    return YuanFigures(Yuan());
}

std::string Money::Capitals() const
{
    return YuanCapitals(Yuan());
}

std::string Money::YuanText() const
{
    return YuanDecimal(Yuan());
}

std::string Money::WanText() const
{
    // 1 万元 is 1,000,000 分: the point stands six places from the right.
    const std::uint64_t magnitude =
        m_fen < 0 ? 0 - static_cast<std::uint64_t>(m_fen) : static_cast<std::uint64_t>(m_fen);
    std::string digits = std::to_string(magnitude);
    digits.insert(0, std::string(digits.size() < 7 ? 7 - digits.size() : 0, '0'));
    std::string text = digits.substr(0, digits.size() - 6);
    std::string decimals = digits.substr(digits.size() - 6);
    while (!decimals.empty() && decimals.back() == '0') {
        decimals.pop_back();
    }
    if (!decimals.empty()) {
        text += "." + decimals;
    }
    return (m_fen < 0 ? "-" : "") + text;
}

double Money::Wan() const
{
    return ReadNumber(WanText());
}

namespace {

// A plain figure of 万元 as the formatters write most ("-12.1189843"), read
// straight into 分: its first six decimals, the seventh rounding half away
// from zero. Nothing for any other text (an exponent, more than 12 whole
// digits), which the general reader takes.
std::optional<Money> PlainWan(std::string_view text)
{
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    at += negative ? 1 : 0;
    std::int64_t whole = 0;
    std::size_t wholeDigits = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++wholeDigits) {
        whole = whole * 10 + (text[at] - '0');
    }
    if (wholeDigits == 0 || wholeDigits > 12) {
        return std::nullopt;
    }
    std::int64_t fen = whole * 1'000'000;
    if (at < text.size() && text[at] == '.') {
        std::int64_t place = 100'000;
        bool digits = false;
        for (++at; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
            digits = true;
            if (place > 0) {
                fen += (text[at] - '0') * place;
                place /= 10;
            } else if (place == 0) {
                fen += text[at] >= '5' ? 1 : 0;  // the first digit dropped
                place = -1;
            }
        }
        if (!digits) {
            return std::nullopt;
        }
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return Money::FromFen(negative ? -fen : fen);
}

}  // namespace

std::optional<Money> MoneyFromWan(std::string_view text)
{
    if (const auto plain = PlainWan(text)) {
        return plain;
    }
    const YuanResult yuan = YuanFromCaption(text);
    return yuan.amount ? Money::FromYuan(*yuan.amount) : std::nullopt;
}

std::optional<Money> MoneyOfFigure(double wan)
{
    return MoneyOfFigure(GeneralDigits(wan));
}

std::optional<Money> MoneyOfFigure(const FifteenDigits& d)
{
    // 分 = digits x 10^(exponent - 14) x 10^6
    const int power = d.exponent - 8;
    std::int64_t fen = 0;
    if (power >= 0) {
        if (power > 3) {  // past 10^18 分
            return std::nullopt;
        }
        fen = static_cast<std::int64_t>(d.digits);
        for (int i = 0; i < power; ++i) {
            fen *= 10;
        }
    } else if (power > -20) {
        // rounded half away from zero on the first digit dropped
        std::uint64_t tens = 1;
        for (int i = 0; i < -power; ++i) {
            tens *= 10;
        }
        fen = static_cast<std::int64_t>((d.digits + tens / 2) / tens);
    }
    return Money::FromFen(d.negative ? -fen : fen);
}

std::optional<Money> MoneyFromYuan(std::string_view text)
{
    const YuanResult yuan = YuanFromYuan(text);
    return yuan.amount ? Money::FromYuan(*yuan.amount) : std::nullopt;
}

std::optional<Money> Sum(Money a, Money b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.fen(), b.fen(), &sum)) {
        return std::nullopt;
    }
    return Money::FromFen(sum);
}

std::string YuanLines(Money money)
{
    return "小写：" + money.Figures() + "\n大写：" + money.Capitals();
}

}  // namespace kelvora
