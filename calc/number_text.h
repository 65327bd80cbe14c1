#pragma once
// Number texts: every calculator reads its inputs as text and writes its
// result as text, and a later step reads an earlier caption back.
//
//   text box / caption --ReadNumber--> double --calculation--> double
//        --FormatTwoDecimals | FormatGeneral | FormatWhole--> caption
//
// ReadNumber reads every text the three formatters write as the number
// shown, so a value passed on through a caption is the value on screen.
// Texts are UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvora {

// The number at the start of the text, 0 when there is none. Blanks (those of
// calc/decimal_text.h: space, tab, LF, CR, U+3000, U+00A0) are dropped wherever they stand;
// full-width digits, "．", "＋", "－" and "。" read as their ASCII twins.
// Grammar: [sign] digits [. digits] [(E|e|D|d) [sign] digits]. The result is
// the double nearest the decimal number read. A number beyond the double
// range throws FloatingPointError(Overflow); one too small for it reads as 0.
double ReadNumber(std::string_view text);

// What ReadNumber reads, and how many bytes of the text the number takes
// (blanks inside it included; 0 when there is no number). Throws as
// ReadNumber does.
struct LeadingNumber {
    double value;
    std::size_t length;
};
LeadingNumber ReadLeadingNumber(std::string_view text);

// Two decimals ("0.00"): rounded half away from zero on the value's
// 15-significant-digit decimal form, no grouping, never "-0.00".
std::string FormatTwoDecimals(double value);

// At most 15 significant digits, no trailing zeros; plain form for decimal
// exponents -4..14, otherwise e.g. 1E+15, 1.5E-07.
std::string FormatGeneral(double value);

// The decimal digits of a whole number, "-" in front when negative.
std::string FormatWhole(std::int32_t value);

// A figure's 15 significant digits as FormatGeneral writes them: the value
// shown is ±digits x 10^(exponent - 14), digits from 10^14 to below 10^15
// (0 for zero). Throws as FormatGeneral does.
struct FifteenDigits {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};
FifteenDigits GeneralDigits(double value);

// The number a caption reads as, without the text: ReadNumber(FormatGeneral(x))
// and ReadNumber(FormatTwoDecimals(x)). Throw as the formatters do.
double GeneralValue(double value);
double TwoDecimalsValue(double value);
// The same from the digits GeneralDigits gave.
double GeneralValue(const FifteenDigits& digits);
double TwoDecimalsValue(const FifteenDigits& digits);

// How a caption shows a figure: its text, and the number that text reads as.
struct FigureStyle {
    std::string (*text)(double value);
    double (*shown)(double value);
};
inline constexpr FigureStyle kGeneralFigure{&FormatGeneral, &GeneralValue};
inline constexpr FigureStyle kTwoDecimalFigure{&FormatTwoDecimals, &TwoDecimalsValue};

}  // namespace kelvora
