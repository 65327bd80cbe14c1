#pragma once
// Texts as exact decimals: the one rule for the blanks around (and inside) what
// a person types or pastes, and numbers read as their decimal digits, never
// as a double, so that yuan amounts and totals are exactly the figures shown.
//
//   " 22.55　" --Trimmed--> "22.55" --ReadDecimalText--> 2255 x 10^-2
//   {"22.55", "1.5E-07"} --DecimalSum--> "22.5500001500" (exact)
//
// Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// The blanks: space, tab, CR, LF, the ideographic space U+3000 and the
// no-break space U+00A0 (which spreadsheets put into figures they copy).
// The bytes the blank at `at` takes, or 0 when none stands there.
std::size_t BlankAt(std::string_view text, std::size_t at);

// The text without the blanks at either end.
std::string_view Trimmed(std::string_view text);

// Whether the text holds nothing but blanks.
bool IsBlank(std::string_view text);

// A number as the formatters write it, "[sign] digits [. digits] [E [sign] digits]"
// and nothing else: value = digits x 10^exponent.
struct DecimalText {
    bool negative = false;  // never set for zero
    std::string digits;     // without leading zeros; empty for zero
    long long exponent = 0;
    int decimals = 0;  // the places after the point in plain form ("1.50": 2, "1E-07": 7)
};

// Nothing when the text is not wholly such a number. Exponents beyond a
// million are read as a million.
std::optional<DecimalText> ReadDecimalText(std::string_view text);

// Exact arithmetic on such numbers (the decimals of the result as its
// digits need), their order, and the plain text of one ("-0.0015", "1200").
DecimalText Plus(const DecimalText& a, const DecimalText& b);
DecimalText Minus(const DecimalText& a, const DecimalText& b);
DecimalText Times(const DecimalText& a, const DecimalText& b);
int Compare(const DecimalText& a, const DecimalText& b);  // -1, 0 or 1
std::string PlainText(const DecimalText& d);

// The exact sum of such texts, written plainly; the decimals of the operands
// are kept when they all have the same number of them ("22.50" + "1.00" is
// "23.50"). Nothing when a text is no such number.
std::optional<std::string> DecimalSum(const std::vector<std::string>& numbers);

}  // namespace kelvora
