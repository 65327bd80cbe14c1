#include "calc/batch.h"

#include <algorithm>
#include <chrono>

#include "calc/calculators.h"
#include "calc/control_values.h"
#include "calc/decimal_text.h"
#include "calc/float_error.h"
#include "calc/input_check.h"
#include "calc/typed_date.h"
#include "calc/yuan_amount.h"

namespace kelvora {
namespace {

std::string Joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) {
            out += separator;
        }
        out += part;
    }
    return out;
}

// A tick as a spreadsheet holds it: 是/否, 1/0, √; empty is 否.
std::optional<bool> ReadTick(std::string_view cell)
{
    const std::string text = std::string(Trimmed(cell));
    for (std::string_view yes : {"是", "1", "√", "✓", "Y", "y", "yes", "Yes", "TRUE", "true"}) {
        if (text == yes) {
            return true;
        }
    }
    for (std::string_view no : {"", "否", "0", "×", "N", "n", "no", "No", "FALSE", "false"}) {
        if (text == no) {
            return false;
        }
    }
    return std::nullopt;
}

DateTime DateOf(CivilDay day)
{
    const std::chrono::year_month_day ymd{std::chrono::year{day.year},
                                          std::chrono::month{static_cast<unsigned>(day.month)},
                                          std::chrono::day{static_cast<unsigned>(day.day)}};
    return DateTime{std::chrono::local_days{ymd}.time_since_epoch()};
}

}  // namespace

BatchColumns ColumnsOf(const Calculator& calculator)
{
    BatchColumns columns;
    columns.calculator = &calculator;
    for (const CalculatorStep& step : calculator.steps) {
        for (const CalculatorInput& input : step.inputs) {
            const CalculatorStep* source =
                input.kind == InputKind::Result ? StepWriting(calculator, input.control) : nullptr;
            if (input.kind != InputKind::Result || (source && source->kind == StepKind::Choice)) {
                columns.inputs.push_back(&input);
            }
        }
        if (step.kind == StepKind::Calculation) {
            columns.results.push_back(&step);
        }
    }
    columns.money = !columns.results.empty() && IsMoney(*columns.results.back());
    return columns;
}

Cells HeaderOf(const BatchColumns& columns)
{
    Cells header{"标段"};
    for (const CalculatorInput* input : columns.inputs) {
        header.emplace_back(input->name);
    }
    for (const CalculatorStep* step : columns.results) {
        header.emplace_back(step->column);
    }
    if (columns.money) {
        header.emplace_back("小写");
        header.emplace_back("大写");
    }
    header.emplace_back("说明");
    return header;
}

bool IsHeaderRow(const BatchColumns& columns, const Cells& row)
{
    for (const std::string& cell : row) {
        const std::string text = std::string(Trimmed(cell));
        if (text == "标段") {
            return true;
        }
        for (const CalculatorInput* input : columns.inputs) {
            if (text == input->name) {
                return true;
            }
        }
    }
    return false;
}

namespace {

// Sets one input of a row; returns why the row cannot be worked out, if so.
std::optional<std::string> SetInput(const BatchColumns& columns, const CalculatorInput& input,
                                    const std::string& cell, ControlValues& values,
                                    std::string& note)
{
    const std::string name(input.name);
    switch (input.kind) {
        case InputKind::Tick: {
            const auto ticked = ReadTick(cell);
            values.SetTicked(input.control, ticked.value_or(false));
            if (!ticked) {
                note = "“" + std::string(Trimmed(cell)) + "”按“否”计算";
            }
            return std::nullopt;
        }
        case InputKind::Date: {
            const TypedDate typed = ReadTypedDate(cell);
            if (typed.kind == TypedDateKind::Valid && typed.day >= kFirstPickableDay &&
                typed.day <= kLastPickableDay) {
                values.SetDate(input.control, DateOf(typed.day));
                return std::nullopt;
            }
            note = IsBlank(cell) ? "未填写" + name
                   : typed.kind == TypedDateKind::Valid
                       ? name + "“" + std::string(Trimmed(cell)) + "”超出可选的日期范围"
                       : name + "“" + std::string(Trimmed(cell)) + "”不是有效的日期";
            return note;
        }
        case InputKind::Result: {
            // the value of a choice: the caption of one of its options
            const CalculatorStep* choice = StepWriting(*columns.calculator, input.control);
            const std::string text = std::string(Trimmed(cell));
            for (std::size_t i = 0; i < input.entries.size() && choice != nullptr; ++i) {
                if (text == input.entries[i]) {
                    values.SetTicked(choice->buttons[i], true);
                    return std::nullopt;
                }
            }
            std::string listed;
            for (std::string_view entry : input.entries) {
                listed += (listed.empty() ? "" : "、") + std::string(entry);
            }
            note = "请选择" + name + "（" + listed + "）";
            return note;
        }
        default:
            values.SetText(input.control, cell);
            if (const auto marked = InputNote(input, cell, true)) {
                note = *marked;
                if (input.kind == InputKind::Choice) {
                    return note;  // "请选择服务类型": the click would write nothing
                }
            }
            return std::nullopt;
    }
}

}  // namespace

BatchRow CalculateRow(const BatchColumns& columns, const Cells& cells)
{
    BatchRow row;
    const std::size_t width = columns.inputs.size() + 1;
    row.given.assign(cells.begin(),
                     cells.begin() + static_cast<long>(std::min(width, cells.size())));
    row.given.resize(width);
    row.cellNotes.resize(columns.inputs.size());
    ControlValues values;
    for (std::size_t i = 0; i < columns.inputs.size(); ++i) {
        const CalculatorInput& input = *columns.inputs[i];
        if (auto failure = SetInput(columns, input, row.given[i + 1], values, row.cellNotes[i])) {
            row.failed = true;
            row.notes.push_back(std::move(*failure));
        } else if (!row.cellNotes[i].empty()) {
            row.notes.push_back(std::string(input.name) + "：" + row.cellNotes[i]);
        }
    }
    for (std::size_t i = width; i < cells.size(); ++i) {
        if (!IsBlank(cells[i])) {
            row.notes.push_back("第 " + std::to_string(width + 1) + " 列起的内容未被读取");
            break;
        }
    }
    for (const CalculatorStep& step : columns.calculator->steps) {
        if (row.failed) {
            break;
        }
        try {
            step.click(values);
        } catch (const FloatingPointError& error) {
            row.failed = true;
            row.notes.push_back(std::string(step.name) + "：" + FloatFaultText(error.fault()));
            break;
        }
        if (values.Text(step.result).empty()) {
            const CalculatorInput* unchosen = UnchosenInput(step, values);
            row.failed = true;
            row.notes.push_back(unchosen != nullptr ? "请选择" + std::string(unchosen->name)
                                                    : std::string(step.name) + "未能计算");
            break;
        }
        if (step.check != nullptr) {
            if (auto note = step.check(values)) {
                row.notes.push_back(std::move(*note));
            }
        }
    }
    if (row.failed) {
        return row;
    }
    for (const CalculatorStep* step : columns.results) {
        row.results.push_back(values.Text(step->result));
    }
    if (columns.money) {
        const YuanResult yuan = YuanFromCaption(row.results.back());
        if (yuan.amount) {
            row.figures = YuanFigures(*yuan.amount);
            row.capitals = YuanCapitals(*yuan.amount);
        } else {
            row.notes.push_back("金额过大，无法写成大写金额");
        }
    }
    return row;
}

BatchTotal TotalOf(const BatchColumns& columns, const std::vector<BatchRow>& rows)
{
    BatchTotal total;
    total.sums.resize(columns.results.size());
    for (const BatchRow& row : rows) {
        total.failed += row.failed ? 1 : 0;
    }
    for (std::size_t j = 0; j < columns.results.size(); ++j) {
        if (!IsMoney(*columns.results[j])) {
            continue;
        }
        std::vector<std::string> captions;
        for (const BatchRow& row : rows) {
            if (!row.failed) {
                captions.push_back(row.results[j]);
            }
        }
        total.sums[j] = DecimalSum(captions).value_or("");
    }
    if (columns.money) {
        const YuanResult yuan = YuanFromCaption(total.sums.back());
        if (yuan.amount) {
            total.figures = YuanFigures(*yuan.amount);
            total.capitals = YuanCapitals(*yuan.amount);
        }
    }
    return total;
}

std::vector<Cells> TableOf(const BatchColumns& columns, const std::vector<BatchRow>& rows)
{
    std::vector<Cells> table{HeaderOf(columns)};
    table.reserve(rows.size() + 2);
    for (const BatchRow& row : rows) {
        Cells cells = row.given;
        if (row.failed) {
            cells.resize(cells.size() + columns.results.size() + (columns.money ? 2 : 0));
        } else {
            cells.insert(cells.end(), row.results.begin(), row.results.end());
            if (columns.money) {
                cells.push_back(row.figures);
                cells.push_back(row.capitals);
            }
        }
        cells.push_back(Joined(row.notes, "；"));
        table.push_back(std::move(cells));
    }
    if (columns.money) {
        const BatchTotal total = TotalOf(columns, rows);
        Cells cells{"合计"};
        cells.resize(columns.inputs.size() + 1);
        cells.insert(cells.end(), total.sums.begin(), total.sums.end());
        cells.push_back(total.figures);
        cells.push_back(total.capitals);
        cells.push_back(total.failed == 0
                            ? std::string()
                            : std::to_string(total.failed) + " 行计算失败，未计入合计");
        table.push_back(std::move(cells));
    }
    return table;
}

std::string CalculateRows(std::string_view calculator, std::string_view rows)
{
    const Calculator* found = CalculatorById(calculator);
    if (found == nullptr) {
        return {};
    }
    const BatchColumns columns = ColumnsOf(*found);
    std::vector<Cells> cells = ParseTable(rows);
    if (!cells.empty() && IsHeaderRow(columns, cells.front())) {
        cells.erase(cells.begin());
    }
    std::vector<BatchRow> worked;
    worked.reserve(cells.size());
    for (const Cells& row : cells) {
        worked.push_back(CalculateRow(columns, row));
    }
    return FormatTable(TableOf(columns, worked));
}

}  // namespace kelvora
