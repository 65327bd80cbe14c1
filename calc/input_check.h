#pragma once
// What a user should be told about an input's text before a figure is
// copied from it: the reading rules stay as they are (a comma ends a number,
// a text without a number counts as 0), but a text that is not read
// entirely, or an amount below zero, is pointed out.
//
//   "12,345.67" --InputNote--> "按 12 计算，“,345.67”未被读取"
//   "¥6000"     --InputNote--> "未读到数字，按 0 计算"

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

enum class InputKind {
    Amount,       // 万元, "万元" may follow; below zero is pointed out
    Coefficient,  // a plain number
    Percent,      // "%" may follow
};

// The note for a number box's text, or nothing when it reads as typed (an
// empty or blank box included).
std::optional<std::string> InputNote(std::string_view text, InputKind kind);

// The note for the tender type box: a text that is none of the three types.
std::optional<std::string> TenderTypeNote(std::string_view text);

}  // namespace kelvora
