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

    auto& list = columns.list;
    list.push_back({.header = "标段",
                    .source = ColumnSource::Lot,
                    .type = ValueType::Text,
                    .edited = true,
                    .index = 0});
    for (std::size_t i = 0; i < columns.inputs.size(); ++i) {
        const CalculatorInput* input = columns.inputs[i];
        list.push_back({.header = std::string(input->name),
                        .source = ColumnSource::Input,
                        .type = ValueTypeOf(input->kind),
                        .edited = true,
                        .index = i + 1,
                        .input = input});
    }
    for (std::size_t i = 0; i < columns.results.size(); ++i) {
        const CalculatorStep* step = columns.results[i];
        list.push_back({.header = std::string(step->column),
                        .source = ColumnSource::Result,
                        .type = step->value,
                        .edited = false,
                        .index = i,
                        .step = step});
    }
    if (columns.money) {
        list.push_back({.header = "小写",
                        .source = ColumnSource::Figures,
                        .type = ValueType::AmountYuan,
                        .edited = false});
        list.push_back({.header = "大写",
                        .source = ColumnSource::Capitals,
                        .type = ValueType::Text,
                        .edited = false});
    }
    list.push_back({.header = "说明",
                    .source = ColumnSource::Notes,
                    .type = ValueType::Text,
                    .edited = false});
    return columns;
}

Cells HeaderOf(const BatchColumns& columns)
{
    Cells header;
    header.reserve(columns.list.size());
    for (const BatchColumn& column : columns.list) {
        header.push_back(column.header);
    }
    return header;
}

bool IsHeaderRow(const BatchColumns& columns, const Cells& row)
{
    for (const std::string& cell : row) {
        const std::string_view text = Trimmed(cell);
        for (const BatchColumn& column : columns.list) {
            if (column.edited && text == column.header) {
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
        default: {
            // a cell counts without the blanks around it, as a box's text reads
            std::string text(Trimmed(cell));
            const auto marked = InputNote(input, text, true);
            values.SetText(input.control, std::move(text));
            if (marked) {
                note = *marked;
                if (input.kind == InputKind::Choice) {
                    return note;  // "请选择服务类型": the click would write nothing
                }
            }
            return std::nullopt;
        }
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
        const YuanResult yuan = YuanFromCaption(values.Amount(columns.results.back()->result));
        if (yuan.amount) {
            row.figures = YuanFigures(*yuan.amount);
            row.capitals = YuanCapitals(*yuan.amount);
            row.yuan = YuanDecimal(*yuan.amount);
        } else {
            row.notes.push_back("金额过大，无法写成大写金额");
        }
    }
    return row;
}

std::string CellText(const BatchColumn& column, const BatchRow& row)
{
    switch (column.source) {
        case ColumnSource::Lot:
        case ColumnSource::Input:
            return column.index < row.given.size() ? row.given[column.index] : std::string();
        case ColumnSource::Result:
            return column.index < row.results.size() ? row.results[column.index] : std::string();
        case ColumnSource::Figures:
            return row.figures;
        case ColumnSource::Capitals:
            return row.capitals;
        case ColumnSource::Notes:
            return Joined(row.notes, "；");
    }
    return {};
}

std::string_view CellNote(const BatchColumn& column, const BatchRow& row)
{
    if (column.source != ColumnSource::Input || column.index == 0 ||
        column.index > row.cellNotes.size()) {
        return {};
    }
    return row.cellNotes[column.index - 1];
}

BatchTotal TotalOf(const BatchColumns& columns, const std::vector<BatchRow>& rows)
{
    BatchTotal total;
    total.sums.resize(columns.results.size());
    for (const BatchRow& row : rows) {
        total.failed += row.failed ? 1 : 0;
    }
    std::vector<std::string> captions;
    captions.reserve(rows.size());
    for (std::size_t j = 0; j < columns.results.size(); ++j) {
        if (!IsMoney(*columns.results[j])) {
            continue;
        }
        captions.clear();
        for (const BatchRow& row : rows) {
            if (!row.failed) {
                captions.push_back(row.results[j]);
            }
        }
        total.sums[j] = DecimalSum(captions).value_or("");
    }
    if (columns.money) {
        // the 合计 of 小写 is the sum of the 小写 shown, to the 分
        captions.clear();
        for (const BatchRow& row : rows) {
            if (!row.failed && !row.yuan.empty()) {
                captions.push_back(row.yuan);
            }
        }
        const YuanResult yuan = YuanFromYuan(DecimalSum(captions).value_or(""));
        if (yuan.amount) {
            total.figures = YuanFigures(*yuan.amount);
            total.capitals = YuanCapitals(*yuan.amount);
        }
    }
    return total;
}

std::string TotalText(const BatchColumn& column, const BatchTotal& total)
{
    switch (column.source) {
        case ColumnSource::Lot:
            return "合计";
        case ColumnSource::Result:
            return column.index < total.sums.size() ? total.sums[column.index] : std::string();
        case ColumnSource::Figures:
            return total.figures;
        case ColumnSource::Capitals:
            return total.capitals;
        case ColumnSource::Notes:
            return total.failed == 0 ? std::string()
                                     : std::to_string(total.failed) + " 行计算失败，未计入合计";
        case ColumnSource::Input:
            break;
    }
    return {};
}

std::vector<Cells> TableOf(const BatchColumns& columns, const std::vector<BatchRow>& rows)
{
    std::vector<Cells> table{HeaderOf(columns)};
    table.reserve(rows.size() + 2);
    for (const BatchRow& row : rows) {
        Cells cells;
        cells.reserve(columns.list.size());
        for (const BatchColumn& column : columns.list) {
            cells.push_back(CellText(column, row));
        }
        table.push_back(std::move(cells));
    }
    if (columns.money) {
        const BatchTotal total = TotalOf(columns, rows);
        Cells cells;
        cells.reserve(columns.list.size());
        for (const BatchColumn& column : columns.list) {
            cells.push_back(TotalText(column, total));
        }
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
