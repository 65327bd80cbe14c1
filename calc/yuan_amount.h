#pragma once
// A result in 万元 as the fee notice states it, in yuan: in figures
// ("¥225,500.00") and in Chinese capital numerals ("人民币贰拾贰万伍仟伍佰元整").
//
//   caption "22.55" --YuanFromCaption--> 225500.00 元 --YuanFigures--> "¥225,500.00"
//                                                    --YuanCapitals--> "人民币贰拾贰万…元整"
//
// Only the caption's decimal text is used, never a double: the decimal
// point moves four places and the yuan are rounded to 分 half away from
// zero on those digits, so the amount is the figure on screen exactly.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// An amount of yuan to the 分.
struct YuanAmount {
    bool negative = false;  // never set for zero
    std::string whole;      // the yuan, decimal digits without leading zeros ("0" for none)
    int jiao = 0;           // tenths of a yuan, 0..9
    int fen = 0;            // hundredths of a yuan, 0..9
};

// Amounts up to 16 whole digits of yuan (below 10^16 元) can be written in capitals.
inline constexpr std::size_t kMaxYuanDigits = 16;

enum class YuanError {
    NotANumber,  // the caption holds no figure (an empty label, say)
    TooLarge,    // 10^16 元 or more
};

struct YuanResult {
    std::optional<YuanAmount> amount;
    YuanError error = YuanError::NotANumber;  // why there is no amount
};

// A caption as the formatters write it ("22.55", "-2.54", "1.5E-07",
// "1E+15"), read as 万元 and turned into yuan.
YuanResult YuanFromCaption(std::string_view caption);

// An amount written in 元 ("151487.3", "-100"), rounded to the 分 as above.
YuanResult YuanFromYuan(std::string_view yuan);

// The amount as a plain decimal of 元: "225500.00", "-100.00".
std::string YuanDecimal(const YuanAmount& amount);

// The amount in whole 分, and back: every amount that can be written in
// capitals (below 10^16 元) fits.
std::int64_t FenOf(const YuanAmount& amount);
YuanAmount YuanFromFen(std::int64_t fen);

// "¥225,500.00", "-¥100.00"
std::string YuanFigures(const YuanAmount& amount);

// "人民币贰拾贰万伍仟伍佰元整", "人民币负壹佰元整", "人民币零元整"
std::string YuanCapitals(const YuanAmount& amount);

}  // namespace kelvora
