#include "calc/yuan_amount.h"

#include <algorithm>
#include <array>

namespace kelvora {
namespace {

constexpr std::array<std::string_view, 10> kDigits{"零", "壹", "贰", "叁", "肆",
                                                   "伍", "陆", "柒", "捌", "玖"};
// The unit of a place inside its group of four, from the right.
constexpr std::array<std::string_view, 4> kPlaceUnits{"", "拾", "佰", "仟"};
// The unit of a whole group of four, from the right.
constexpr std::array<std::string_view, 4> kGroupUnits{"", "万", "亿", "万亿"};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The caption's digits and sign, with the place of its decimal point:
// value = 0.digits x 10^point (so "22.55" is digits 2255, point 2).
struct DecimalText {
    bool negative = false;
    std::string digits;
    long long point = 0;
};

std::optional<DecimalText> ParseCaption(std::string_view text)
{
    DecimalText d;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        d.negative = text[at] == '-';
        ++at;
    }
    bool seenPoint = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (IsDigit(c)) {
            d.digits += c;
            if (!seenPoint) {
                ++d.point;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (d.digits.empty()) {
        return std::nullopt;
    }
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        bool expNegative = false;
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
            expNegative = text[at] == '-';
            ++at;
        }
        long long exponent = 0;
        const std::size_t expBegin = at;
        for (; at < text.size() && IsDigit(text[at]); ++at) {
            exponent = std::min(exponent * 10 + (text[at] - '0'), 1'000'000LL);
        }
        if (at == expBegin) {
            return std::nullopt;
        }
        d.point += expNegative ? -exponent : exponent;
    }
    return at == text.size() ? std::optional(d) : std::nullopt;
}

// Whether group `group` of four places (0 for the ones, 1 for the 万, ...)
// of a whole number's digits holds a non-zero digit.
bool GroupHasDigit(const std::string& whole, std::size_t group)
{
    for (std::size_t place = group * 4; place < group * 4 + 4 && place < whole.size(); ++place) {
        if (whole[whole.size() - 1 - place] != '0') {
            return true;
        }
    }
    return false;
}

}  // namespace

YuanResult YuanFromCaption(std::string_view caption)
{
    const auto parsed = ParseCaption(caption);
    if (!parsed) {
        return {};
    }
    const DecimalText& d = *parsed;
    const long long yuanPoint = d.point + 4;  // 万元 -> 元
    // The digit of the decimal layout at position i from the first digit
    // before the point: i < yuanPoint are yuan, then 角, 分, and the rest.
    const auto digitAt = [&](long long i) -> int {
        return i >= 0 && i < static_cast<long long>(d.digits.size()) ? d.digits[i] - '0' : 0;
    };
    // A non-zero digit more than 17 places before the point is past any
    // amount we can write; the exact limit is checked after rounding.
    const long long kept = static_cast<long long>(kMaxYuanDigits) + 1;
    for (long long i = 0; i < yuanPoint - kept; ++i) {
        if (digitAt(i) != 0) {
            return {std::nullopt, YuanError::TooLarge};
        }
    }
    // Whole yuan, 角 and 分 as one digit string, then rounded on the next digit.
    std::string cents;
    for (long long i = std::max(std::min(0LL, yuanPoint), yuanPoint - kept); i < yuanPoint + 2;
         ++i) {
        cents += static_cast<char>('0' + digitAt(i));
    }
    if (digitAt(yuanPoint + 2) >= 5) {
        std::size_t i = cents.size();
        while (i > 0 && cents[i - 1] == '9') {
            cents[--i] = '0';
        }
        if (i == 0) {
            cents.insert(cents.begin(), '1');
        } else {
            ++cents[i - 1];
        }
    }
    YuanAmount amount;
    amount.fen = cents.back() - '0';
    amount.jiao = cents[cents.size() - 2] - '0';
    std::string whole = cents.substr(0, cents.size() - 2);
    const std::size_t first = whole.find_first_not_of('0');
    amount.whole = first == std::string::npos ? "0" : whole.substr(first);
    if (amount.whole.size() > kMaxYuanDigits) {
        return {std::nullopt, YuanError::TooLarge};
    }
    amount.negative = d.negative && (amount.whole != "0" || amount.jiao != 0 || amount.fen != 0);
    return {amount, YuanError::NotANumber};
}

std::string YuanFigures(const YuanAmount& amount)
{
    std::string out = amount.negative ? "-¥" : "¥";
    const std::size_t n = amount.whole.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += ',';
        }
        out += amount.whole[i];
    }
    out += '.';
    out += static_cast<char>('0' + amount.jiao);
    out += static_cast<char>('0' + amount.fen);
    return out;
}

std::string YuanCapitals(const YuanAmount& amount)
{
    std::string out = "人民币";
    if (amount.negative) {
        out += "负";
    }
    const std::string& whole = amount.whole;
    const bool hasYuan = whole != "0";
    if (!hasYuan && amount.jiao == 0 && amount.fen == 0) {
        return out + "零元整";
    }
    // One 零 for each run of zeros between two non-zero digits, written just
    // before the digit that ends the run (after any 万, 亿 or 元 at its start).
    bool seenDigit = false;
    bool zeroRun = false;
    const auto writeDigit = [&](int digit, std::string_view unit) {
        if (digit == 0) {
            zeroRun = seenDigit;
            return;
        }
        if (zeroRun) {
            out += kDigits[0];
            zeroRun = false;
        }
        out += kDigits[static_cast<std::size_t>(digit)];
        out += unit;
        seenDigit = true;
    };
    if (hasYuan) {
        for (std::size_t i = 0; i < whole.size(); ++i) {
            const std::size_t place = whole.size() - 1 - i;
            writeDigit(whole[i] - '0', kPlaceUnits[place % 4]);
            if (place % 4 == 0 && GroupHasDigit(whole, place / 4)) {
                out += kGroupUnits[place / 4];
            }
        }
        out += "元";
    }
    writeDigit(amount.jiao, "角");
    writeDigit(amount.fen, "分");
    if (amount.fen == 0) {
        out += "整";
    }
    return out;
}

std::string YuanLines(std::string_view caption)
{
    const YuanResult yuan = YuanFromCaption(caption);
    if (!yuan.amount) {
        return {};
    }
    return "\n小写：" + YuanFigures(*yuan.amount) + "\n大写：" + YuanCapitals(*yuan.amount);
}

Result MoneyResult(std::string caption, std::string working)
{
    working += YuanLines(caption);
    return {std::move(caption), std::move(working)};
}

}  // namespace kelvora
