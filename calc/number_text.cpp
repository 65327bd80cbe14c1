#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "calc/float_error.h"

namespace kelvora {
namespace {

// ---- Reading ---------------------------------------------------------------

constexpr char kBlank = ' ';
constexpr char kStop = '\0';

struct Unit {
    char ascii;  // the ASCII reading, kBlank to drop it, kStop to end the number
    std::size_t length;
};

bool IsNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'E' || c == 'e' ||
           c == 'D' || c == 'd';
}

// Reads one character of UTF-8 text at `at` and says how it takes part in a
// number. Only ASCII and the handful of CJK forms below can; anything else,
// including malformed UTF-8, ends the number.
Unit ReadUnit(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
    };
    const unsigned char c = byte(0);
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
        return {kBlank, 1};
    }
    if (c < 0x80) {
        return {IsNumberChar(static_cast<char>(c)) ? static_cast<char>(c) : kStop, 1};
    }
    if (c == 0xE3 && byte(1) == 0x80) {
        if (byte(2) == 0x80) {
            return {kBlank, 3};  // U+3000 ideographic space
        }
        if (byte(2) == 0x82) {
            return {'.', 3};  // U+3002 ideographic full stop
        }
    }
    if (c == 0xEF && byte(1) == 0xBC) {
        const unsigned char last = byte(2);
        if (last >= 0x90 && last <= 0x99) {
            return {static_cast<char>('0' + (last - 0x90)), 3};  // U+FF10..FF19
        }
        switch (last) {
            case 0x8E:
                return {'.', 3};  // U+FF0E
            case 0x8B:
                return {'+', 3};  // U+FF0B
            case 0x8D:
                return {'-', 3};  // U+FF0D
            default:
                break;
        }
    }
    return {kStop, 1};
}

// The text as plain ASCII number characters, blanks gone, up to the first
// character that can take no part in a number.
std::string NumberCharacters(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const Unit unit = ReadUnit(text, at);
        if (unit.ascii == kStop) {
            break;
        }
        if (unit.ascii != kBlank) {
            out.push_back(unit.ascii);
        }
        at += unit.length;
    }
    return out;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(const std::string& s, std::size_t at)
{
    while (at < s.size() && IsDigit(s[at])) {
        ++at;
    }
    return at;
}

// Decimal exponent of the leading non-zero digit of digits[0..point) "."
// digits[point..), times 10^exponent; only asked for when that digit exists.
long long LeadingExponent(std::string_view intDigits, std::string_view fracDigits,
                          long long exponent)
{
    const auto firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string_view::npos) {
        return static_cast<long long>(intDigits.size() - firstInt - 1) + exponent;
    }
    const auto firstFrac = fracDigits.find_first_not_of('0');
    return -static_cast<long long>(firstFrac + 1) + exponent;
}

// ---- Writing ---------------------------------------------------------------

constexpr int kSignificant = 15;
constexpr int kPlainExponentMin = -4;  // 0.0001 is the smallest magnitude in plain form
constexpr int kPlainExponentMax = 14;  // 999999999999999 the largest

// A finite double as 15 significant decimal digits, correctly rounded:
// value = digits[0].digits[1..14] x 10^exponent.
struct Decimal15 {
    bool negative = false;
    std::string digits;  // exactly 15 digits; all zeros for 0
    int exponent = 0;
};

Decimal15 ToDecimal15(double value)
{
    if (std::isnan(value)) {
        throw FloatingPointError(FloatFault::InvalidOperation);
    }
    if (std::isinf(value)) {
        throw FloatingPointError(FloatFault::Overflow);
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificant - 1);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal15 out;
    if (!text.empty() && text.front() == '-') {
        out.negative = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('e');
    out.digits.reserve(kSignificant);
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            out.digits.push_back(c);
        }
    }
    out.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    if (out.digits.find_first_not_of('0') == std::string::npos) {
        out.negative = false;  // -0 shows as 0
    }
    return out;
}

// Adds one unit in the last place of a string of decimal digits.
void IncrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

double ReadNumber(std::string_view text)
{
    std::string s = NumberCharacters(text);
    std::size_t at = 0;
    bool negative = false;
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) {
        negative = s[at] == '-';
        ++at;
    }
    const std::size_t intBegin = at;
    at = SkipDigits(s, at);
    const std::size_t intEnd = at;
    std::size_t fracBegin = at;
    std::size_t fracEnd = at;
    if (at < s.size() && s[at] == '.') {
        fracBegin = at + 1;
        fracEnd = at = SkipDigits(s, fracBegin);
    }
    if (intEnd == intBegin && fracEnd == fracBegin) {
        return 0.0;  // no digit: "", "-", ".", "abc"
    }

    long long exponent = 0;
    std::size_t numberEnd = at;
    if (at < s.size() && (s[at] == 'E' || s[at] == 'e' || s[at] == 'D' || s[at] == 'd')) {
        std::size_t expAt = at + 1;
        bool expNegative = false;
        if (expAt < s.size() && (s[expAt] == '+' || s[expAt] == '-')) {
            expNegative = s[expAt] == '-';
            ++expAt;
        }
        const std::size_t expEnd = SkipDigits(s, expAt);
        if (expEnd > expAt) {  // "1e" and "1e+" read as 1
            constexpr long long kCap = 1'000'000'000;
            for (std::size_t i = expAt; i < expEnd; ++i) {
                exponent = std::min(kCap, exponent * 10 + (s[i] - '0'));
            }
            if (expNegative) {
                exponent = -exponent;
            }
            s[at] = 'e';
            numberEnd = expEnd;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(s.data() + intBegin, s.data() + numberEnd, value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view digits(s);
        const long long lead =
            LeadingExponent(digits.substr(intBegin, intEnd - intBegin),
                            digits.substr(fracBegin, fracEnd - fracBegin), exponent);
        if (lead > 0) {
            throw FloatingPointError(FloatFault::Overflow);
        }
        return 0.0;  // too small for a double
    }
    return negative ? -value : value;
}

std::string FormatTwoDecimals(double value)
{
    const Decimal15 d = ToDecimal15(value);
    // Lay the 15 digits out as integer and fraction digits, padding with zeros.
    const int pointAt = d.exponent + 1;  // digits before the decimal point
    std::string intPart;
    std::string fracPart;
    if (pointAt <= 0) {
        intPart = "0";
        fracPart = std::string(static_cast<std::size_t>(-pointAt), '0') + d.digits;
    } else if (pointAt >= kSignificant) {
        intPart = d.digits + std::string(static_cast<std::size_t>(pointAt - kSignificant), '0');
    } else {
        intPart = d.digits.substr(0, static_cast<std::size_t>(pointAt));
        fracPart = d.digits.substr(static_cast<std::size_t>(pointAt));
    }
    fracPart.resize(std::max<std::size_t>(fracPart.size(), 3), '0');

    // Half away from zero: the magnitude goes up when the first dropped digit is 5 or more.
    std::string cents = intPart + fracPart.substr(0, 2);
    if (fracPart[2] >= '5') {
        IncrementDigits(cents);
    }
    const auto firstNonZero = cents.find_first_not_of('0');
    const bool isZero = firstNonZero == std::string::npos;
    std::string whole = cents.substr(0, cents.size() - 2);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    if (whole.empty()) {
        whole = "0";
    }
    std::string out = (d.negative && !isZero) ? "-" : "";
    out += whole;
    out += '.';
    out += cents.substr(cents.size() - 2);
    return out;
}

std::string FormatGeneral(double value)
{
    const Decimal15 d = ToDecimal15(value);
    const auto lastNonZero = d.digits.find_last_not_of('0');
    if (lastNonZero == std::string::npos) {
        return "0";
    }
    const std::string digits = d.digits.substr(0, lastNonZero + 1);
    std::string out = d.negative ? "-" : "";

    if (d.exponent >= kPlainExponentMin && d.exponent <= kPlainExponentMax) {
        if (d.exponent >= 0) {
            const auto intCount = static_cast<std::size_t>(d.exponent) + 1;
            if (digits.size() <= intCount) {
                out += digits;
                out.append(intCount - digits.size(), '0');
            } else {
                out += digits.substr(0, intCount);
                out += '.';
                out += digits.substr(intCount);
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
            out += digits;
        }
        return out;
    }

    out += digits.front();
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += 'E';
    out += d.exponent < 0 ? '-' : '+';
    const std::string exponent = std::to_string(std::abs(d.exponent));
    if (exponent.size() < 2) {
        out += '0';
    }
    out += exponent;
    return out;
}

std::string FormatWhole(std::int32_t value)
{
    return std::to_string(value);
}

}  // namespace kelvora
