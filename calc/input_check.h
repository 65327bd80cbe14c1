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

#include "calc/calculator.h"
#include "calc/input_kind.h"

namespace kelvora {


// The note for a number box's text, or nothing when it reads as typed (an
// empty or blank box included).
std::optional<std::string> InputNote(std::string_view text, InputKind kind);

// The note for a typed input of a calculator (a number box or a choice from a
// list) holding `text`: "请选择服务类型" for a choice none of whose entries
// it is; nothing for the other kinds.
std::optional<std::string> InputNote(const CalculatorInput& input, std::string_view text);

}  // namespace kelvora
