#pragma once
// Pieces for writing the working behind a result in the notation of the
// fee standards' worked examples: "(500−100)×0.7%=2.8".

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora::working {

inline constexpr std::string_view kMinus = "−";  // U+2212, as printed in the standards
inline constexpr std::string_view kTimes = "×";
inline constexpr std::string_view kDivide = "÷";

// The pieces joined into one string, with one allocation.
std::string Cat(std::initializer_list<std::string_view> pieces);

// A number as FormatGeneral shows it.
std::string Num(double value);

// A rate held as a fraction, shown in percent: 0.007 -> "0.7%".
std::string Percent(double fraction);

// The lines, one per row, as a tooltip shows them.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace kelvora::working
