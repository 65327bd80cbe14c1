#include "calc/input_check.h"

#include "calc/float_error.h"
#include "calc/number_text.h"

namespace kelvora {
namespace {

// The text without the blanks ReadNumber drops at either end.
std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (bool trimmed = true; trimmed && !text.empty();) {
        trimmed = false;
        for (std::string_view blank :
             {std::string_view(" "), std::string_view("\t"), std::string_view("\n"),
              std::string_view("\r"), kIdeographicSpace}) {
            if (text.substr(0, blank.size()) == blank) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            if (text.size() >= blank.size() && text.substr(text.size() - blank.size()) == blank) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

bool IsExpectedUnit(std::string_view rest, InputKind kind)
{
    switch (kind) {
        case InputKind::Amount:
            return rest == "万元";
        case InputKind::Percent:
            return rest == "%" || rest == "％";
        default:
            break;
    }
    return false;
}

}  // namespace

std::optional<std::string> InputNote(std::string_view text, InputKind kind)
{
    if (Trimmed(text).empty()) {
        return std::nullopt;
    }
    LeadingNumber number{};
    try {
        number = ReadLeadingNumber(text);
    } catch (const FloatingPointError&) {
        return "数值超出范围，计算时将报告溢出";
    }
    if (number.length == 0) {
        return "未读到数字，按 0 计算";
    }
    const std::string_view rest = Trimmed(text.substr(number.length));
    if (!rest.empty() && !IsExpectedUnit(rest, kind)) {
        return "按 " + FormatGeneral(number.value) + " 计算，“" + std::string(rest) + "”未被读取";
    }
    if (kind == InputKind::Amount && number.value < 0) {
        return "金额为负数";
    }
    return std::nullopt;
}

std::optional<std::string> InputNote(const CalculatorInput& input, std::string_view text)
{
    if (IsNumberKind(input.kind)) {
        return InputNote(text, input.kind);
    }
    if (input.kind != InputKind::Choice || input.entries.empty()) {
        return std::nullopt;
    }
    for (std::string_view entry : input.entries) {
        if (entry == text) {
            return std::nullopt;
        }
    }
    return "请选择" + std::string(input.name);
}

}  // namespace kelvora
