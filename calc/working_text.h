#pragma once
// Pieces for writing the working behind a result in the notation of the
// fee standards' worked examples: "(500−100)×0.7%=2.8". Every line follows
// from what it shows: its figures carry the digits the next line computes
// with (up to 15 significant ones), and a result that is rounded from the
// exact value of the figures shown is written after "≈", not "=".

#include <initializer_list>
#include <string>
#include <string_view>

#include "calc/decimal_text.h"

namespace kelvora::working {

inline constexpr std::string_view kMinus = "−";  // U+2212, as printed in the standards
inline constexpr std::string_view kTimes = "×";

// Spaced operators, as the longer formulas are written: "a × b".
inline constexpr std::string_view kSpacedMinus = " − ";
inline constexpr std::string_view kSpacedTimes = " × ";
inline constexpr std::string_view kSpacedDivide = " ÷ ";

// The pieces joined into one string, with one allocation.
std::string Cat(std::initializer_list<std::string_view> pieces);

// Appends the pieces to `out`; a working is built as one text, its lines
// separated by "\n", as a tooltip shows it.
void Append(std::string& out, std::initializer_list<std::string_view> pieces);

// A number as FormatGeneral shows it.
std::string Num(double value);

// A rate held as a fraction, shown in percent: 0.007 -> "0.7%".
std::string Percent(double fraction);

// The exact value of a number as Num or Percent writes it (a percent sign
// dividing by 100); zero for a text that is no number.
DecimalText Exact(std::string_view shown);

// "=" when the number `shown` is exactly `exact`, "≈" when it is rounded.
std::string_view Equals(const DecimalText& exact, std::string_view shown);

// The same for a quotient: whether `shown` x `divisor` is exactly `dividend`.
std::string_view EqualsQuotient(const DecimalText& dividend, const DecimalText& divisor,
                                std::string_view shown);

}  // namespace kelvora::working
