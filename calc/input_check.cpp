#include "calc/input_check.h"

#include <algorithm>

#include "calc/decimal_text.h"
#include "calc/float_error.h"
#include "calc/number_text.h"

namespace kelvora {
namespace {

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

Note Doubt(std::string text)
{
    return {std::move(text), true};
}

Note Info(std::string text)
{
    return {std::move(text), false};
}

// What is pointed out about a number read entirely.
std::optional<Note> ValueNote(double value, InputKind kind)
{
    switch (kind) {
        case InputKind::Amount:
            if (value < 0) {
                return Info("金额为负数");
            }
            if (value >= kLikelyYuan) {
                return Doubt("金额达 100 亿元以上，是否按元填写？");
            }
            break;
        case InputKind::Coefficient:
            if (value == 0) {
                return Doubt("系数为 0，计算结果将为 0");
            }
            if (value < 0) {
                return Info("系数为负数");
            }
            break;
        case InputKind::Percent: {
            if (value > 20 || value < -20) {
                return Info("超出 ±20% 的幅度，仍按 " + FormatGeneral(value) + "% 计算");
            }
            if (value != 0 && value > -1 && value < 1) {
                const std::string percent = FormatGeneral(value * 100);
                return Info("按 " + FormatGeneral(value) + "% 计算；如指 " + percent +
                            "%，请输入 " + percent);
            }
            break;
        }
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

CheckedInput ReadInput(std::string_view text, InputKind kind, bool computed,
                       std::optional<std::string> (*note)(double))
{
    if (Trimmed(text).empty()) {
        if (computed) {
            return {Doubt("未填写，按 0 计算"), std::nullopt};
        }
        return {};
    }
    LeadingNumber number{};
    try {
        number = ReadLeadingNumber(text);
    } catch (const FloatingPointError&) {
        return {Doubt("数值超出范围，计算时将报告溢出"), std::nullopt};
    }
    if (number.length == 0) {
        return {Doubt("未读到数字，按 0 计算"), number.value};
    }
    const std::string_view rest = Trimmed(text.substr(number.length));
    if (!rest.empty() && !IsExpectedUnit(rest, kind)) {
        return {Doubt("按 " + FormatGeneral(number.value) + " 计算，“" + std::string(rest) +
                      "”未被读取"),
                number.value};
    }
    if (auto valueNote = ValueNote(number.value, kind)) {
        return {std::move(valueNote), number.value};
    }
    if (note != nullptr) {
        if (auto extra = note(number.value)) {
            return {Info(std::move(*extra)), number.value};
        }
    }
    return {std::nullopt, number.value};
}

std::optional<Note> CheckInput(std::string_view text, InputKind kind, bool computed,
                               std::optional<std::string> (*note)(double))
{
    return ReadInput(text, kind, computed, note).note;
}

std::optional<Note> CheckInput(const CalculatorInput& input, std::string_view text, bool computed)
{
    if (IsNumberKind(input.kind)) {
        return CheckInput(text, input.kind, computed, input.note);
    }
    if (input.kind != InputKind::Choice || input.entries.empty() || ChosenEntry(input, text)) {
        return std::nullopt;
    }
    return Doubt("请选择" + std::string(input.name));
}

std::optional<std::string> InputNote(std::string_view text, InputKind kind, bool computed,
                                     std::optional<std::string> (*note)(double))
{
    auto checked = CheckInput(text, kind, computed, note);
    return checked ? std::optional(std::move(checked->text)) : std::nullopt;
}

std::optional<std::string> InputNote(const CalculatorInput& input, std::string_view text,
                                     bool computed)
{
    auto checked = CheckInput(input, text, computed);
    return checked ? std::optional(std::move(checked->text)) : std::nullopt;
}

std::vector<std::string> StepNotes(const CalculatorStep& step, const InputValues& inputs)
{
    std::vector<std::string> notes;
    for (const CalculatorInput& input : step.inputs) {
        if (IsNumberKind(input.kind) || input.kind == InputKind::Choice) {
            if (const auto note = InputNote(input, inputs.Text(input.control), true)) {
                notes.push_back(std::string(input.name) + "：" + *note);
            }
        }
    }
    if (step.check != nullptr) {
        if (auto note = step.check(inputs)) {
            notes.push_back(std::move(*note));
        }
    }
    return notes;
}

namespace {

// The decimal digits of `whole`.`fraction` divided by 10^4, without
// needless zeros: "60000000", "" -> "6000"; "12345", "67" -> "1.234567".
std::string TenThousandths(std::string whole, const std::string& fraction)
{
    whole.insert(0, std::string(whole.size() < 5 ? 5 - whole.size() : 0, '0'));
    std::string integer = whole.substr(0, whole.size() - 4);
    std::string decimals = whole.substr(whole.size() - 4) + fraction;
    while (integer.size() > 1 && integer.front() == '0') {
        integer.erase(0, 1);
    }
    while (!decimals.empty() && decimals.back() == '0') {
        decimals.pop_back();
    }
    return decimals.empty() ? integer : integer + "." + decimals;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits grouped by commas in threes: "60,000,000" -> "60000000"; empty
// when the text is not grouped so.
std::string Ungrouped(std::string_view digits)
{
    std::string out;
    std::size_t group = 0;
    bool grouped = false;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const char c = digits[i];
        if (c == ',') {
            if ((grouped && group != 3) || (!grouped && (group == 0 || group > 3))) {
                return {};
            }
            grouped = true;
            group = 0;
        } else if (IsDigit(c)) {
            out += c;
            ++group;
        } else {
            return {};
        }
    }
    return grouped && group != 3 ? std::string() : out;
}

std::string_view WithoutPrefix(std::string_view text,
                               std::initializer_list<std::string_view> prefixes, bool& found)
{
    for (std::string_view prefix : prefixes) {
        if (text.substr(0, prefix.size()) == prefix) {
            found = true;
            return text.substr(prefix.size());
        }
    }
    return text;
}

std::string_view WithoutSuffix(std::string_view text, std::string_view suffix, bool& found)
{
    if (text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix) {
        found = true;
        return text.substr(0, text.size() - suffix.size());
    }
    return text;
}

}  // namespace

std::optional<Correction> SuggestCorrection(std::string_view text, InputKind kind)
{
    if (kind != InputKind::Amount) {
        return std::nullopt;
    }
    std::string_view rest = Trimmed(text);
    bool yuanSign = false;
    bool tenThousands = false;
    bool yuan = false;
    rest = Trimmed(WithoutPrefix(rest, {"¥", "￥", "RMB", "人民币"}, yuanSign));
    rest = Trimmed(WithoutSuffix(rest, "万元", tenThousands));
    if (!tenThousands) {
        rest = Trimmed(WithoutSuffix(rest, "元", yuan));
    }
    if (tenThousands && yuanSign) {
        return std::nullopt;  // "¥6000万元": which is meant is not evident
    }
    const std::size_t point = rest.find('.');
    const std::string_view wholePart = rest.substr(0, point);
    const std::string fraction =
        point == std::string_view::npos ? std::string() : std::string(rest.substr(point + 1));
    const bool hasCommas = wholePart.find(',') != std::string_view::npos;
    std::string whole = hasCommas ? Ungrouped(wholePart) : std::string(wholePart);
    if (whole.empty() || !std::all_of(whole.begin(), whole.end(), IsDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), IsDigit) ||
        (point != std::string_view::npos && fraction.empty())) {
        return std::nullopt;
    }
    if (yuanSign || yuan) {
        const std::string amount = TenThousandths(whole, fraction);
        return Correction{"按元换算为 " + amount + " 万元", amount};
    }
    if (hasCommas) {
        const std::string plain = fraction.empty() ? whole : whole + "." + fraction;
        return Correction{"改为 " + plain, plain};
    }
    // 100 亿元 and more, told by the digits (no double: a whole of 309 digits
    // and more is past its range, and still an amount typed in yuan)
    const std::size_t significant =
        whole.size() - std::min(whole.find_first_not_of('0'), whole.size());
    if (!tenThousands && significant >= kLikelyYuanDigits) {
        // 100 亿元 and more: most likely an amount in yuan typed as it stands
        const std::string amount = TenThousandths(whole, fraction);
        return Correction{"按元换算为 " + amount + " 万元", amount};
    }
    return std::nullopt;
}

}  // namespace kelvora
