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
#include <vector>

#include "calc/calculator.h"
#include "calc/input_kind.h"

namespace kelvora {

// What is said about an input's text: the words, and whether the figure may
// rest on a misread text (not read entirely, no number, an amount that looks
// like yuan, an empty or zero coefficient): such a lot is left out of a
// batch's 合计 until it is corrected. Anything else only informs.
struct Note {
    std::string text;
    bool doubtful;
    // The same as a paper states it, where the window asks ("金额达 100 亿元
    // 以上，是否按元填写？" is stated "…，可能系按元填写"); empty: as `text`.
    std::string stated = {};

    const std::string& Stated() const { return stated.empty() ? text : stated; }
};

// The note for a number box's text, and the number read from it (nothing
// for a blank text or one past the double range): the reading any step
// would make of it.
struct CheckedInput {
    std::optional<Note> note;
    std::optional<double> number;
};

// The note for a number box's text, or nothing when it reads as typed. An
// empty box is pointed out only once a figure has been computed from it
// (`computed`); so is a coefficient of 0 or below, a range beyond ±20 % and
// one between −1 and 1 that may have been meant as a percentage, and an
// amount of 100 亿元 or more, which is very likely one in yuan.
// `note` says what else is pointed out about the figure read, or is nullptr.
std::optional<Note> CheckInput(std::string_view text, InputKind kind, bool computed = false,
                               std::optional<std::string> (*note)(double) = nullptr);
CheckedInput ReadInput(std::string_view text, InputKind kind, bool computed = false,
                       std::optional<std::string> (*note)(double) = nullptr);
std::optional<std::string> InputNote(std::string_view text, InputKind kind, bool computed = false,
                                     std::optional<std::string> (*note)(double) = nullptr);

// An amount from 1,000,000 万元 (100 亿元) on is very likely one in yuan.
inline constexpr double kLikelyYuan = 1'000'000;
// The same told by the whole number's digits: 7 and more.
inline constexpr std::size_t kLikelyYuanDigits = 7;

// The note for a typed input of a calculator (a number box or a choice from
// a list) holding `text`: "请选择服务类型" for a choice none of whose
// entries it is; nothing for the other kinds.
std::optional<Note> CheckInput(const CalculatorInput& input, std::string_view text,
                               bool computed = false);
std::optional<std::string> InputNote(const CalculatorInput& input, std::string_view text,
                                     bool computed = false);

// The notes a step's figure rests on, as its inputs read now: each marked
// input by its name ("中标金额：按 12 计算，“,345.67”未被读取"), then the
// step's own check of its inputs as a whole (a completion before the start).
std::vector<std::string> StepNotes(const CalculatorStep& step, const InputValues& inputs);

// An evident correction of an amount typed with thousands separators or in
// yuan (with ¥ or 元, or 100 亿元 and more as plain digits): what the offer
// says ("改为 12345.67", "按元换算为 6000 万元") and the text that replaces the box's.
struct Correction {
    std::string offer;
    std::string text;
};
std::optional<Correction> SuggestCorrection(std::string_view text, InputKind kind);

// A cell of a column of amounts in 元 as its 万元: "86,452,300.00", "¥86452300",
// "86452300元" -> "8645.23"; one written in 万元 ("8645.23万元") as it stands;
// nothing for a text that is no such amount.
std::optional<std::string> YuanCellInWan(std::string_view text);

}  // namespace kelvora
