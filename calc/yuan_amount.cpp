#include "calc/yuan_amount.h"

#include <algorithm>
#include <array>

#include "calc/decimal_text.h"

namespace kelvora {
namespace {

constexpr std::array<std::string_view, 10> kDigits{"零", "壹", "贰", "叁", "肆",
                                                   "伍", "陆", "柒", "捌", "玖"};
// The unit of a place inside its group of four, from the right.
constexpr std::array<std::string_view, 4> kPlaceUnits{"", "拾", "佰", "仟"};
// The unit of a whole group of four, from the right.
constexpr std::array<std::string_view, 4> kGroupUnits{"", "万", "亿", "万亿"};

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

namespace {

// An amount whose decimal text is in 10^-places 分 (6 for 万元, 2 for 元).
YuanResult FromDecimal(std::string_view text, long long places)
{
    const auto read = ReadDecimalText(text);
    if (!read) {
        return {};
    }
    // The amount in 分 is digits x 10^shift.
    const std::string& digits = read->digits;
    const long long shift = read->exponent + places;
    const long long fenDigits = static_cast<long long>(digits.size()) + shift;
    if (fenDigits > static_cast<long long>(kMaxYuanDigits) + 2) {
        return {std::nullopt, YuanError::TooLarge};
    }
    std::string fen;
    if (shift >= 0) {
        fen = digits + std::string(static_cast<std::size_t>(shift), '0');
    } else {
        // Rounded half away from zero on the first digit dropped.
        const long long kept = std::max(0LL, fenDigits);
        fen = digits.substr(0, static_cast<std::size_t>(kept));
        const bool up = fenDigits >= 0 && kept < static_cast<long long>(digits.size()) &&
                        digits[static_cast<std::size_t>(kept)] >= '5';
        if (up) {
            std::size_t i = fen.size();
            while (i > 0 && fen[i - 1] == '9') {
                fen[--i] = '0';
            }
            if (i == 0) {
                fen.insert(fen.begin(), '1');
            } else {
                ++fen[i - 1];
            }
        }
    }
    fen.insert(0, std::string(fen.size() < 3 ? 3 - fen.size() : 0, '0'));
    YuanAmount amount;
    amount.fen = fen[fen.size() - 1] - '0';
    amount.jiao = fen[fen.size() - 2] - '0';
    const std::string whole = fen.substr(0, fen.size() - 2);
    const std::size_t first = whole.find_first_not_of('0');
    amount.whole = first == std::string::npos ? "0" : whole.substr(first);
    if (amount.whole.size() > kMaxYuanDigits) {
        return {std::nullopt, YuanError::TooLarge};
    }
    amount.negative =
        read->negative && (amount.whole != "0" || amount.jiao != 0 || amount.fen != 0);
    return {amount, YuanError::NotANumber};
}

}  // namespace

YuanResult YuanFromCaption(std::string_view caption)
{
    return FromDecimal(caption, 6);  // 万元 -> 元 -> 分
}

YuanResult YuanFromYuan(std::string_view yuan)
{
    return FromDecimal(yuan, 2);
}

std::string YuanDecimal(const YuanAmount& amount)
{
    return (amount.negative ? "-" : "") + amount.whole + "." +
           static_cast<char>('0' + amount.jiao) + static_cast<char>('0' + amount.fen);
}

std::int64_t FenOf(const YuanAmount& amount)
{
    std::int64_t fen = 0;
    for (char digit : amount.whole) {
        fen = fen * 10 + (digit - '0');
    }
    fen = fen * 100 + amount.jiao * 10 + amount.fen;
    return amount.negative ? -fen : fen;
}

YuanAmount YuanFromFen(std::int64_t fen)
{
    YuanAmount amount;
    amount.negative = fen < 0;
    const std::uint64_t magnitude =
        fen < 0 ? 0 - static_cast<std::uint64_t>(fen) : static_cast<std::uint64_t>(fen);
    amount.fen = static_cast<int>(magnitude % 10);
    amount.jiao = static_cast<int>(magnitude / 10 % 10);
    amount.whole = std::to_string(magnitude / 100);
    return amount;
}

std::string YuanFigures(const YuanAmount& amount)
{
    std::string out;
    out.reserve(amount.whole.size() * 4 / 3 + 8);
    out += amount.negative ? "-¥" : "¥";
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
    std::string out;
    out.reserve(24 + 9 * amount.whole.size());  // 3 bytes a digit and a unit
    out += "人民币";
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

}  // namespace kelvora
