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
                return Note{"金额达 100 亿元以上，是否按元填写？", true,
                            "金额达 100 亿元以上，可能系按元填写"};
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
            // an empty range is the standard's plain 0: the benchmark price itself
            return {kind == InputKind::Percent ? Info("未填写，按 0 计算（不浮动）")
                                               : Doubt("未填写，按 0 计算"),
                    std::nullopt};
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

// An amount as spreadsheets and people write it: a sign of yuan before it or
// a unit after it, the whole part grouped in threes by commas or not.
struct WrittenAmount {
    std::string whole, fraction;
    bool yuanSign = false, tenThousands = false, yuan = false, grouped = false;
};

std::optional<WrittenAmount> ReadWrittenAmount(std::string_view text)
{
    WrittenAmount amount;
    std::string_view rest = Trimmed(text);
    rest = Trimmed(WithoutPrefix(rest, {"¥", "￥", "RMB", "人民币"}, amount.yuanSign));
    rest = Trimmed(WithoutSuffix(rest, "万元", amount.tenThousands));
    if (!amount.tenThousands) {
        rest = Trimmed(WithoutSuffix(rest, "元", amount.yuan));
    }
    if (amount.tenThousands && amount.yuanSign) {
        return std::nullopt;  // "¥6000万元": which is meant is not evident
    }
    const std::size_t point = rest.find('.');
    const std::string_view wholePart = rest.substr(0, point);
    amount.fraction =
        point == std::string_view::npos ? std::string() : std::string(rest.substr(point + 1));
    amount.grouped = wholePart.find(',') != std::string_view::npos;
    amount.whole = amount.grouped ? Ungrouped(wholePart) : std::string(wholePart);
    if (amount.whole.empty() || !std::all_of(amount.whole.begin(), amount.whole.end(), IsDigit) ||
        !std::all_of(amount.fraction.begin(), amount.fraction.end(), IsDigit) ||
        (point != std::string_view::npos && amount.fraction.empty())) {
        return std::nullopt;
    }
    return amount;
}

std::string Plain(const WrittenAmount& amount)
{
    return amount.fraction.empty() ? amount.whole : amount.whole + "." + amount.fraction;
}

}  // namespace

std::optional<Correction> SuggestCorrection(std::string_view text, InputKind kind)
{
    if (kind != InputKind::Amount) {
        return std::nullopt;
    }
    const auto written = ReadWrittenAmount(text);
    if (!written) {
        return std::nullopt;
    }
    // 100 亿元 and more, told by the digits (no double: a whole of 309 digits
    // and more is past its range, and still an amount typed in yuan)
    const std::string& whole = written->whole;
    const std::size_t significant =
        whole.size() - std::min(whole.find_first_not_of('0'), whole.size());
    const bool likelyYuan = !written->tenThousands && significant >= kLikelyYuanDigits;
    if (written->yuanSign || written->yuan || likelyYuan) {
        const std::string amount = TenThousandths(whole, written->fraction);
        return Correction{"按元换算为 " + amount + " 万元", amount};
    }
    if (written->grouped) {
        const std::string plain = Plain(*written);
        return Correction{"改为 " + plain, plain};
    }
    return std::nullopt;
}

std::optional<std::string> YuanCellInWan(std::string_view text)
{
    const auto written = ReadWrittenAmount(text);
    if (!written) {
        return std::nullopt;
    }
    return written->tenThousands ? Plain(*written)
                                 : TenThousandths(written->whole, written->fraction);
}

}  // namespace kelvora
