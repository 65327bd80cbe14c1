#include "calc/batch.h"

#include <algorithm>
#include <chrono>

#include "calc/calculators.h"
#include "calc/float_error.h"
#include "calc/number_text.h"
#include "calc/typed_date.h"
#include "calc/yuan_amount.h"

namespace kelvora {
namespace {

// A tick as a spreadsheet holds it: 是/否, 1/0, √; empty is 否.
std::optional<bool> ReadTick(std::string_view cell)
{
    const std::string_view text = Trimmed(cell);
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

// An amount typed in 元, in 万元: the same digits, the point four places on.
std::optional<std::string> TenThousandth(std::string_view cell)
{
    auto amount = ReadDecimalText(Trimmed(cell));
    if (!amount) {
        return std::nullopt;
    }
    amount->exponent -= 4;
    return PlainText(*amount);
}

// What a lot is told about one of its inputs, and whether it can be worked out.
struct InputReading {
    std::optional<Note> note;
    bool fails = false;
};

// Sets one input of a lot from its cell.
InputReading SetInput(const BatchColumns& columns, const BatchColumn& column, std::string_view cell,
                      std::string& converted, ControlValues& values)
{
    const CalculatorInput& input = *column.input;
    const std::string name(input.name);
    switch (input.kind) {
        case InputKind::Tick: {
            const auto ticked = ReadTick(cell);
            values.SetTicked(input.control, ticked.value_or(false));
            if (!ticked) {
                return {Note{"“" + std::string(Trimmed(cell)) + "”按“否”计算", true}};
            }
            return {};
        }
        case InputKind::Date: {
            const TypedDate typed = ReadTypedDate(cell);
            if (typed.kind == TypedDateKind::Valid && typed.day >= kFirstPickableDay &&
                typed.day <= kLastPickableDay) {
                values.SetDate(input.control, DateOf(typed.day));
                return {};
            }
            const std::string shown(Trimmed(cell));
            return {Note{IsBlank(cell) ? "未填写" + name
                         : typed.kind == TypedDateKind::Valid
                             ? name + "“" + shown + "”超出可选的日期范围"
                             : name + "“" + shown + "”不是有效的日期",
                         true},
                    true};
        }
        case InputKind::Result: {
            // the value of a choice: one of its options, as spreadsheets write it
            const CalculatorStep* choice = StepWriting(*columns.calculator, input.control);
            if (const auto entry = ReadEntry(input, cell); entry && choice != nullptr) {
                values.SetTicked(choice->buttons[*entry], true);
                return {};
            }
            std::string listed;
            for (std::string_view entry : input.entries) {
                listed += (listed.empty() ? "" : "、") + std::string(entry);
            }
            return {Note{"请选择" + name + "（" + listed + "）", true}, true};
        }
        case InputKind::Choice: {
            const auto entry = ReadEntry(input, cell);
            values.SetText(input.control, entry ? input.entries[*entry] : Trimmed(cell));
            if (!entry) {
                return {Note{"请选择" + name, true}, true};  // the click would write nothing
            }
            return {};
        }
        default: {
            std::string_view text = Trimmed(cell);
            if (column.inYuan) {
                // the column's header says 元: the figure is the amount in 万元
                if (const auto tenThousandth = TenThousandth(text)) {
                    converted = *tenThousandth;
                    text = converted;
                }
            }
            values.SetText(input.control, text);
            return {CheckInput(input, text, true)};
        }
    }
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string out;
    for (const std::string& part : parts) {
        out += (out.empty() ? "" : std::string(separator)) + part;
    }
    return out;
}

// The yuan of a lot's fee, or nothing.
std::optional<YuanAmount> YuanOf(const BatchRow& row)
{
    return row.yuan ? std::optional(YuanFromFen(row.fen)) : std::nullopt;
}

}  // namespace

bool IsHeaderRow(const BatchColumns& columns, const Cells& row)
{
    return ReadHeader(*columns.calculator, row).header;
}

BatchRow CalculateRow(const BatchColumns& columns, Cells cells, ControlValues& scratch)
{
    BatchRow row;
    row.given = std::move(cells);
    for (std::size_t i = columns.pastedCells; i < row.given.size(); ++i) {
        if (!IsBlank(row.given[i])) {
            row.notes.push_back("第 " + std::to_string(columns.pastedCells + 1) +
                                " 列起的内容未被读取");
            break;
        }
    }
    row.given.resize(columns.givenCells);
    scratch.Clear();
    std::string converted[8];  // amounts in 元 turned into 万元, alive while the clicks read them
    std::size_t conversions = 0;
    bool failed = false;
    bool doubtful = false;
    for (std::size_t i = 0; i < columns.inputs.size(); ++i) {
        const BatchColumn& column = columns.list[columns.inputColumn[i]];
        std::string& room = converted[std::min(conversions, std::size(converted) - 1)];
        InputReading reading = SetInput(columns, column, row.given[column.index], room, scratch);
        conversions += column.inYuan ? 1 : 0;
        if (reading.note) {
            failed = failed || reading.fails;
            doubtful = doubtful || reading.note->doubtful;
            std::string said = reading.fails
                                   ? reading.note->text
                                   : std::string(column.input->name) + "：" + reading.note->text;
            row.marks.push_back({column.index, std::move(*reading.note), std::move(said)});
        } else if (column.inYuan && !IsBlank(row.given[column.index])) {
            row.notes.push_back(std::string(column.input->name) + " " +
                                std::string(Trimmed(row.given[column.index])) + " 元按 " + room +
                                " 万元计算");
        }
    }
    for (const auto& [control, value] : columns.fixed) {
        scratch.SetText(control, value);
    }
    for (const CalculatorStep& step : columns.calculator->steps) {
        if (failed) {
            break;
        }
        if (!Applies(step, scratch)) {
            continue;
        }
        try {
            step.click(scratch);
        } catch (const FloatingPointError& error) {
            failed = true;
            row.notes.push_back(std::string(step.name) + "：" + FloatFaultText(error.fault()));
            break;
        }
        if (scratch.Written(step.result).caption.empty()) {
            const CalculatorInput* unchosen = UnchosenInput(step, scratch);
            failed = true;
            row.notes.push_back(unchosen != nullptr ? "请选择" + std::string(unchosen->name)
                                                    : std::string(step.name) + "未能计算");
            break;
        }
        if (step.check != nullptr) {
            if (auto note = step.check(scratch)) {
                row.notes.push_back(std::move(*note));
            }
        }
    }
    row.state = failed ? RowState::Failed : doubtful ? RowState::Doubtful : RowState::Counted;
    if (failed) {
        return row;
    }
    row.results.reserve(columns.results.size());
    for (const CalculatorStep* step : columns.results) {
        row.results.push_back(scratch.Written(step->result).caption);
    }
    if (columns.money) {
        const YuanResult yuan =
            YuanFromCaption(scratch.Written(columns.results.back()->result).amount);
        row.yuan = yuan.amount.has_value();
        row.fen = row.yuan ? FenOf(*yuan.amount) : 0;
        if (!row.yuan) {
            row.notes.push_back("金额过大，无法写成大写金额");
        }
    }
    return row;
}

BatchRow CalculateRow(const BatchColumns& columns, Cells cells)
{
    ControlValues scratch;
    return CalculateRow(columns, std::move(cells), scratch);
}

std::string CellText(const BatchColumn& column, const BatchRow& row, bool words)
{
    switch (column.source) {
        case ColumnSource::Lot:
        case ColumnSource::Input:
        case ColumnSource::Kept: {
            const std::string& given =
                column.index < row.given.size() ? row.given[column.index] : std::string();
            if (words && column.input != nullptr && column.input->kind == InputKind::Tick) {
                if (const auto ticked = ReadTick(given)) {
                    return *ticked ? "是" : "否";
                }
            }
            return given;
        }
        case ColumnSource::Result:
            return column.index < row.results.size() ? row.results[column.index] : std::string();
        case ColumnSource::Figures: {
            const auto yuan = YuanOf(row);
            return yuan ? YuanFigures(*yuan) : std::string();
        }
        case ColumnSource::Capitals: {
            const auto yuan = YuanOf(row);
            return yuan ? YuanCapitals(*yuan) : std::string();
        }
        case ColumnSource::Notes: {
            std::vector<std::string> lines;
            for (const CellMark& mark : row.marks) {
                lines.push_back(mark.said);
            }
            lines.insert(lines.end(), row.notes.begin(), row.notes.end());
            return Joined(lines, "；");
        }
    }
    return {};
}

const Note* CellNote(const BatchColumn& column, const BatchRow& row)
{
    if (column.source != ColumnSource::Input) {
        return nullptr;
    }
    for (const CellMark& mark : row.marks) {
        if (mark.cell == column.index) {
            return &mark.note;
        }
    }
    return nullptr;
}

std::optional<Correction> CellCorrection(const BatchColumn& column, const BatchRow& row)
{
    if (column.source != ColumnSource::Input || column.input->kind != InputKind::Amount ||
        column.inYuan || column.index >= row.given.size()) {
        return std::nullopt;
    }
    return SuggestCorrection(row.given[column.index], InputKind::Amount);
}

BatchTotal TotalOf(const BatchColumns& columns, const std::vector<BatchRow>& rows)
{
    BatchTotal total;
    total.sums.resize(columns.results.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        switch (rows[r].state) {
            case RowState::Counted:
                ++total.counted;
                break;
            case RowState::Doubtful:
                total.doubtful.push_back(r);
                break;
            case RowState::Failed:
                ++total.failed;
                break;
        }
    }
    // the notes of the steps on their figures over the lots counted
    ControlValues fixed;
    for (const auto& [control, value] : columns.fixed) {
        fixed.SetText(control, value);
    }
    for (std::size_t i = 0; i < columns.results.size(); ++i) {
        const CalculatorStep& step = *columns.results[i];
        const auto choice =
            std::find_if(step.inputs.begin(), step.inputs.end(),
                         [](const auto& input) { return input.kind == InputKind::Choice; });
        if (step.totalNote == nullptr) {
            continue;
        }
        std::vector<std::string> entries;
        std::vector<LotFigure> lots;
        entries.reserve(rows.size());
        for (const BatchRow& row : rows) {
            if (row.state != RowState::Counted || row.results.size() <= i) {
                continue;
            }
            std::string entry;
            for (std::size_t k = 0; choice != step.inputs.end() && k < columns.inputs.size(); ++k) {
                if (columns.inputs[k]->control == choice->control) {
                    const auto chosen =
                        ReadEntry(*choice, row.given[columns.list[columns.inputColumn[k]].index]);
                    entry = chosen ? std::string(choice->entries[*chosen]) : std::string();
                }
            }
            entries.push_back(std::move(entry));
            lots.push_back({entries.back(), ReadNumber(row.results[i])});
        }
        if (auto note = step.totalNote(fixed, lots)) {
            total.notes.push_back(std::move(*note));
        }
    }
    if (!columns.money) {
        return total;
    }
    std::vector<std::string> figures;
    figures.reserve(total.counted);
    for (const BatchRow& row : rows) {
        if (row.state == RowState::Counted) {
            figures.push_back(row.results.back());
        }
    }
    total.sums.back() = DecimalSum(figures).value_or("");
    // the 合计 of 小写 is the sum of the 小写 shown, to the 分, in whole 分
    // while it fits, as decimals past that
    std::int64_t fen = 0;
    bool fits = true;
    for (const BatchRow& row : rows) {
        if (row.state == RowState::Counted && row.yuan) {
            fits = fits && !__builtin_add_overflow(fen, row.fen, &fen);
        }
    }
    figures.clear();
    for (std::size_t r = 0; !fits && r < rows.size(); ++r) {
        if (rows[r].state == RowState::Counted && rows[r].yuan) {
            figures.push_back(YuanDecimal(YuanFromFen(rows[r].fen)));
        }
    }
    const YuanResult yuan = fits ? YuanResult{YuanFromFen(fen), YuanError::NotANumber}
                                 : YuanFromYuan(DecimalSum(figures).value_or(""));
    if (yuan.amount && yuan.amount->whole.size() <= kMaxYuanDigits) {
        total.figures = YuanFigures(*yuan.amount);
        total.capitals = YuanCapitals(*yuan.amount);
    }
    return total;
}

std::string TotalNote(const BatchTotal& total)
{
    std::vector<std::string> parts;
    if (!total.doubtful.empty()) {
        constexpr std::size_t kListed = 20;
        std::string rows;
        for (std::size_t i = 0; i < std::min(total.doubtful.size(), kListed); ++i) {
            rows += (i == 0 ? "" : "、") + std::to_string(total.doubtful[i] + 1);
        }
        parts.push_back(std::to_string(total.doubtful.size()) + " 行有疑问未计入合计：第 " + rows +
                        " 行" + (total.doubtful.size() > kListed ? "等" : ""));
    }
    if (total.failed > 0) {
        parts.push_back(std::to_string(total.failed) + " 行计算失败，未计入合计");
    }
    parts.insert(parts.end(), total.notes.begin(), total.notes.end());
    return Joined(parts, "；");
}

std::string TotalText(const BatchColumn& column, const BatchTotal& total)
{
    switch (column.source) {
        case ColumnSource::Lot:
            return "合计";
        case ColumnSource::Result:
            return column.index + 1 == total.sums.size() ? total.sums.back() : std::string();
        case ColumnSource::Figures:
            return total.figures;
        case ColumnSource::Capitals:
            return total.capitals;
        case ColumnSource::Notes:
            return TotalNote(total);
        case ColumnSource::Input:
        case ColumnSource::Kept:
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
    std::vector<Cells> cells = ParseTable(rows);
    BatchColumns columns = ColumnsOf(*found);
    if (!cells.empty()) {
        if (HeaderReading header = ReadHeader(*found, cells.front()); header.header) {
            if (header.columns) {
                columns = std::move(*header.columns);
            }
            cells.erase(cells.begin());
        }
    }
    std::vector<BatchRow> worked;
    worked.reserve(cells.size());
    ControlValues scratch;
    for (Cells& row : cells) {
        worked.push_back(CalculateRow(columns, std::move(row), scratch));
    }
    return FormatTable(TableOf(columns, worked));
}

}  // namespace kelvora
