#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <system_error>
#include <vector>

#include "calc/decimal_text.h"
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

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsNumberChar(char c)
{
    return IsDigit(c) || c == '.' || c == '+' || c == '-' || c == 'E' || c == 'e' || c == 'D' ||
           c == 'd';
}

// Reads one character of UTF-8 text at `at` and says how it takes part in a
// number. Only ASCII and the handful of CJK forms below can; anything else,
// including malformed UTF-8, ends the number.
Unit ReadUnit(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
    };
    if (const std::size_t blank = BlankAt(text, at)) {
        return {kBlank, blank};
    }
    const unsigned char c = byte(0);
    if (c < 0x80) {
        return {IsNumberChar(static_cast<char>(c)) ? static_cast<char>(c) : kStop, 1};
    }
    if (c == 0xE3 && byte(1) == 0x80 && byte(2) == 0x82) {
        return {'.', 3};  // U+3002 ideographic full stop
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
// character that can take no part in a number; ends[i] is the byte of the
// text just after the character that gave chars[i].
struct NumberChars {
    std::string chars;
    std::vector<std::size_t> ends;
};

NumberChars NumberCharacters(std::string_view text)
{
    NumberChars out;
    for (std::size_t at = 0; at < text.size();) {
        const Unit unit = ReadUnit(text, at);
        if (unit.ascii == kStop) {
            break;
        }
        at += unit.length;
        if (unit.ascii != kBlank) {
            out.chars.push_back(unit.ascii);
            out.ends.push_back(at);
        }
    }
    return out;
}

std::size_t SkipDigits(std::string_view s, std::size_t at)
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

// The largest double as the formatters show it, 1.79769313486232E+308, lies
// just past the double range. A number up to that is read as the largest
// double, so that every shown figure reads back; past it is an overflow.
constexpr std::string_view kLargestShownDigits = "179769313486232";
constexpr long long kLargestExponent = 308;

// Whether the number written as intDigits "." fracDigits, whose leading
// non-zero digit stands at 10^lead, is at most the largest shown double.
bool WithinLargestShown(long long lead, std::string_view intDigits, std::string_view fracDigits)
{
    if (lead != kLargestExponent) {
        return lead < kLargestExponent;
    }
    std::string digits;  // the first significant digits, as many as the shown figure has
    bool moreNonZero = false;
    for (std::string_view part : {intDigits, fracDigits}) {
        for (char c : part) {
            if (digits.empty() && c == '0') {
                continue;
            }
            if (digits.size() < kLargestShownDigits.size()) {
                digits += c;
            } else if (c != '0') {
                moreNonZero = true;
            }
        }
    }
    digits.resize(kLargestShownDigits.size(), '0');
    const int order = digits.compare(kLargestShownDigits);
    return order < 0 || (order == 0 && !moreNonZero);
}

// ---- Writing ---------------------------------------------------------------

constexpr int kSignificant = 15;

void RequireFiniteValue(double value)
{
    if (std::isnan(value)) {
        throw FloatingPointError(FloatFault::InvalidOperation);
    }
    if (std::isinf(value)) {
        throw FloatingPointError(FloatFault::Overflow);
    }
}

// A finite double as 15 significant decimal digits, correctly rounded:
// value = digits[0].digits[1..14] x 10^exponent.
struct Decimal15 {
    bool negative = false;
    std::array<char, kSignificant> digits{};
    int exponent = 0;
};

// The same by the general printf routine, for any finite double.
Decimal15 ToDecimal15Printed(double value)
{
    char buffer[32];  // "-d.dddddddddddddde+ddd"
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificant - 1);
    const char* p = buffer;
    Decimal15 out;
    out.negative = *p == '-';
    if (out.negative) {
        ++p;
    }
    for (std::size_t i = 0; *p != 'e'; ++p) {
        if (*p != '.') {
            out.digits[i++] = *p;
        }
    }
    ++p;  // 'e'
    std::from_chars(*p == '+' ? p + 1 : p, result.ptr, out.exponent);
    return out;
}

// 10^k for k in 0..19.
constexpr std::array<unsigned long long, 20> kPowersOfTen = [] {
    std::array<unsigned long long, 20> powers{};
    unsigned long long p = 1;
    for (unsigned long long& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// The 15 digits worked out exactly in 128-bit integers, for the doubles
// figures take (from 10^-5 to below 10^15): value = mantissa x 2^shift, and
// value x 10^scale is split into its whole part and the rest, the whole part
// holding the 15 digits, rounded half to even on the rest as printf rounds.
// Nothing for other doubles, which the printf routine does.
std::optional<Decimal15> ToDecimal15Exact(double value)
{
    __extension__ using Wide = unsigned __int128;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-5 && magnitude < 1e15)) {
        return std::nullopt;
    }
    // A normal double: magnitude = mantissa x 2^shift, the mantissa of 53 bits.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = static_cast<int>(bits >> 52) - 1075;
    // The decimal exponent of the leading digit, 10^lead <= magnitude < 10^(lead + 1),
    // from the binary one (78913 / 2^18 is log10(2) to 6 digits); a step off at
    // most, which the number of whole digits then shows.
    int lead = ((shift + 52) * 78913) >> 18;
    // magnitude x 10^(14 - leading) = mantissa x 10^(14 - leading) / 2^-shift, in its
    // whole part and the rest (over 2^-shift), with the rest's half
    const auto scaledDigits = [&](int leading, Wide& rest, Wide& half, unsigned shiftBits) {
        const Wide n = Wide{mantissa} * kPowersOfTen[static_cast<std::size_t>(14 - leading)];
        rest = n & ((Wide{1} << shiftBits) - 1);
        half = Wide{1} << (shiftBits - 1);
        return n >> shiftBits;
    };
    if (shift >= 0 || -shift >= 120 || 14 - lead < 0 || 14 - lead > 19) {
        return std::nullopt;
    }
    const auto shiftBits = static_cast<unsigned>(-shift);
    Wide rest = 0;
    Wide half = 0;
    Wide whole = scaledDigits(lead, rest, half, shiftBits);
    // the estimate may be a step off: the whole part has 15 digits
    if (whole >= Wide{kPowersOfTen[15]}) {
        ++lead;
    } else if (whole < Wide{kPowersOfTen[14]}) {
        --lead;
    }
    if (14 - lead < 0 || 14 - lead > 19) {
        return std::nullopt;
    }
    whole = scaledDigits(lead, rest, half, shiftBits);
    if (rest > half || (rest == half && (whole & 1) != 0)) {
        ++whole;
    }
    if (whole == Wide{kPowersOfTen[15]}) {  // 999…9.5 rounds to 10^15
        whole = kPowersOfTen[14];
        ++lead;
    }
    Decimal15 out;
    out.negative = value < 0;
    out.exponent = lead;
    auto digits = static_cast<std::uint64_t>(whole);
    for (int i = kSignificant - 1; i >= 0; --i) {
        out.digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    return out;
}

Decimal15 ToDecimal15(double value)
{
    if (const auto exact = ToDecimal15Exact(value)) {
        return *exact;
    }
    return ToDecimal15Printed(value);
}

}  // namespace

double ReadNumber(std::string_view text)
{
    return ReadLeadingNumber(text).value;
}

namespace {

// The number at the start of `s` (ASCII number characters, blanks gone, the
// exponent letter e or E); `taken` maps how many of them were read to the
// bytes of the text they came from.
template <typename Taken>
LeadingNumber ReadChars(std::string_view s, const Taken& taken)
{
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
        return {0.0, 0};  // no digit: "", "-", ".", "abc"
    }

    long long exponent = 0;
    std::size_t numberEnd = at;
    if (at < s.size() && (s[at] == 'E' || s[at] == 'e')) {
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
            numberEnd = expEnd;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(s.data() + intBegin, s.data() + numberEnd, value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view intDigits = s.substr(intBegin, intEnd - intBegin);
        const std::string_view fracDigits = s.substr(fracBegin, fracEnd - fracBegin);
        const long long lead = LeadingExponent(intDigits, fracDigits, exponent);
        if (lead <= 0) {
            return {0.0, taken(numberEnd)};  // too small for a double
        }
        if (!WithinLargestShown(lead, intDigits, fracDigits)) {
            throw FloatingPointError(FloatFault::Overflow);
        }
        value = DBL_MAX;
    }
    return {negative ? -value : value, taken(numberEnd)};
}

// How many bytes at the start of `text` are ASCII number characters read as
// they stand, or nothing where a blank, a non-ASCII character or the exponent
// letter D comes before the number ends (the long way then).
std::optional<std::size_t> PlainNumberLength(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80 || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 'D' || c == 'd') {
            return std::nullopt;
        }
        if (!IsNumberChar(static_cast<char>(c))) {
            return i;
        }
    }
    return text.size();
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text)
{
    // Most texts are plain ASCII figures: read where they stand.
    if (const auto plain = PlainNumberLength(text)) {
        return ReadChars(text.substr(0, *plain), [](std::size_t end) { return end; });
    }
    NumberChars chars = NumberCharacters(text);
    for (char& c : chars.chars) {
        c = c == 'D' || c == 'd' ? 'e' : c;  // the exponent letters D and d read as e
    }
    // The bytes of the text up to the end of the number's last character.
    return ReadChars(chars.chars,
                     [&](std::size_t end) { return end == 0 ? 0 : chars.ends[end - 1]; });
}

// Rounding is done here on the decimal digits rather than by printf's "%.2f":
// the figure must round half away from zero as its 15-digit form reads
// (1.005 -> 1.01), while "%.2f" rounds the binary value (1.005 -> 1.00).
std::string FormatTwoDecimals(double value)
{
    RequireFiniteValue(value);
    const Decimal15 d = ToDecimal15(value);
    // The value's digits laid out with the point after `whole` digits:
    // digit(i) is the i-th digit from the left of that layout, zeros outside the 15.
    const int lead = d.exponent < 0 ? -d.exponent - 1 : 0;  // zeros between "0." and digits
    const int whole = d.exponent < 0 ? 1 : d.exponent + 1;
    const auto digit = [&](int i) -> char {
        const int k = d.exponent < 0 ? i - 1 - lead : i;  // index into the 15 digits
        return k >= 0 && k < kSignificant ? d.digits[static_cast<std::size_t>(k)] : '0';
    };

    // whole digits and two decimals, rounded half away from zero on the third
    std::string cents(static_cast<std::size_t>(whole + 2), '0');
    for (int i = 0; i < whole + 2; ++i) {
        cents[static_cast<std::size_t>(i)] = digit(i);
    }
    if (digit(whole + 2) >= '5') {
        int i = whole + 1;
        for (; i >= 0 && cents[static_cast<std::size_t>(i)] == '9'; --i) {
            cents[static_cast<std::size_t>(i)] = '0';
        }
        if (i >= 0) {
            ++cents[static_cast<std::size_t>(i)];
        } else {
            cents.insert(cents.begin(), '1');
        }
    }

    const std::size_t firstNonZero = cents.find_first_not_of('0');
    const std::size_t intEnd = cents.size() - 2;
    const std::size_t intBegin = std::min(firstNonZero, intEnd - 1);
    std::string out;
    out.reserve(intEnd - intBegin + 4);
    if (d.negative && firstNonZero != std::string::npos) {
        out += '-';
    }
    out.append(cents, intBegin, intEnd - intBegin);
    out += '.';
    out.append(cents, intEnd, 2);
    return out;
}

// printf's "%.15G": plain for decimal exponents -4..14, trailing zeros
// dropped, otherwise "1.5E-07"; only the exponent letter and -0 differ.
std::string FormatGeneral(double value)
{
    RequireFiniteValue(value);
    if (value == 0) {
        return "0";
    }
    const Decimal15 d = ToDecimal15(value);
    std::size_t used = kSignificant;  // the digits up to the last that is not 0
    while (used > 1 && d.digits[used - 1] == '0') {
        --used;
    }
    const std::string_view digits(d.digits.data(), used);
    std::string out;
    out.reserve(24);
    if (d.negative) {
        out += '-';
    }
    if (d.exponent < -4 || d.exponent >= kSignificant) {
        out += digits.front();
        if (used > 1) {
            out += '.';
            out.append(digits.substr(1));
        }
        const int exponent = d.exponent < 0 ? -d.exponent : d.exponent;
        out += d.exponent < 0 ? "E-" : "E+";
        if (exponent < 10) {
            out += '0';
        }
        out += std::to_string(exponent);
    } else if (d.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(digits);
    } else {
        const auto whole = static_cast<std::size_t>(d.exponent + 1);
        if (used <= whole) {
            out.append(digits);
            out.append(whole - used, '0');
        } else {
            out.append(digits.substr(0, whole));
            out += '.';
            out.append(digits.substr(whole));
        }
    }
    return out;
}

std::string FormatWhole(std::int32_t value)
{
    return std::to_string(value);
}

FifteenDigits GeneralDigits(double value)
{
    RequireFiniteValue(value);
    FifteenDigits out;
    if (value == 0) {
        return out;
    }
    const Decimal15 d = ToDecimal15(value);
    out.negative = d.negative;
    out.exponent = d.exponent;
    for (char digit : d.digits) {
        out.digits = out.digits * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    return out;
}

double GeneralValue(double value)
{
    return GeneralValue(GeneralDigits(value));
}

double GeneralValue(const FifteenDigits& d)
{
    if (d.digits == 0) {
        return 0;
    }
    // digits x 10^power as the nearest double, as reading the text gives it:
    // one multiplication or division of two exact doubles (the digits below
    // 2^53, a power of ten up to 10^22) is correctly rounded.
    const int power = d.exponent - 14;
    if (power < -22 || power > 22) {
        // the text of the digits, read: "1.23456789012345E-30"
        std::string text = d.negative ? "-" : "";
        text += std::to_string(d.digits) + "E" + std::to_string(power);
        return ReadNumber(text);
    }
    double tens = 1;
    for (int i = 0; i < (power < 0 ? -power : power); ++i) {
        tens *= 10;
    }
    const auto digits = static_cast<double>(d.digits);
    const double magnitude = power < 0 ? digits / tens : digits * tens;
    return d.negative ? -magnitude : magnitude;
}

double TwoDecimalsValue(double value)
{
    return TwoDecimalsValue(GeneralDigits(value));
}

double TwoDecimalsValue(const FifteenDigits& d)
{
    // the cents: the digits rounded half away from zero at the third decimal
    const int dropped = 14 - d.exponent - 2;  // digits of `d.digits` past the cents
    if (dropped <= 0 || dropped > 17) {
        // large or tiny: the text's way, from the same 15 digits
        std::string text = d.negative ? "-" : "";
        text += std::to_string(d.digits) + "E" + std::to_string(d.exponent - 14);
        return ReadNumber(FormatTwoDecimals(ReadNumber(text)));
    }
    std::uint64_t tens = 1;
    for (int i = 0; i < dropped; ++i) {
        tens *= 10;
    }
    const std::uint64_t cents = (d.digits + tens / 2) / tens;
    if (cents == 0) {
        return 0;
    }
    const double magnitude = static_cast<double>(cents) / 100;
    return d.negative ? -magnitude : magnitude;
}

}  // namespace kelvora
