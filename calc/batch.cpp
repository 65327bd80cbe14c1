#include "calc/batch.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "calc/calculators.h"
#include "calc/float_error.h"
#include "calc/money.h"
#include "calc/number_text.h"
#include "calc/typed_date.h"

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

// What a lot is told about one of its inputs, and whether it can be worked out.
struct InputReading {
    std::optional<Note> note;
    bool fails = false;
    std::string said = {};  // said of the lot in 说明, not of the cell
};

// Sets one input of a lot from its cell; an amount given in 元 is set as its 万元.
InputReading SetInput(const BatchColumns& columns, const BatchColumn& column, std::string_view cell,
                      InputValues& values)
{
    const CalculatorInput& input = *column.input;
    const auto name = [&input] { return std::string(input.name); };
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
            return {Note{IsBlank(cell) ? "未填写" + name()
                         : typed.kind == TypedDateKind::Valid
                             ? name() + "“" + shown + "”超出可选的日期范围"
                             : name() + "“" + shown + "”不是有效的日期",
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
            return {Note{"请选择" + name() + "（" + listed + "）", true}, true};
        }
        case InputKind::Choice: {
            if (IsBlank(cell) && !column.fallback.empty()) {
                // a sheet without the column: the page's choice
                values.SetText(input.control, column.fallback);
                return {std::nullopt, false, name() + "按页面所选“" + column.fallback + "”计算"};
            }
            const auto entry = ReadEntry(input, cell);
            values.SetText(input.control, entry ? input.entries[*entry] : Trimmed(cell));
            if (!entry) {
                return {Note{"请选择" + name(), true}, true};  // the step would give nothing
            }
            return {};
        }
        default: {
            std::string_view text = Trimmed(cell);
            std::string converted;
            if (column.inYuan) {
                // the column's header says 元: the figure is the amount in 万元
                if (auto tenThousandth = YuanCellInWan(text)) {
                    converted = std::move(*tenThousandth);
                    text = converted;
                }
            }
            values.SetText(input.control, text);
            CheckedInput read = ReadInput(text, input.kind, true, input.note);
            if (read.number) {
                values.SetNumber(input.control, *read.number);  // read once, for the steps too
            }
            return {std::move(read.note)};
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

}  // namespace

bool IsHeaderRow(const BatchColumns& columns, const Cells& row)
{
    return ReadHeader(*columns.calculator, row).header;
}

std::optional<Money> BatchRow::money() const
{
    return hasMoney ? Money::FromFen(fen) : std::nullopt;
}

std::optional<Money> BatchRow::capped() const
{
    return hasCapped ? Money::FromFen(cappedFen) : std::nullopt;
}

const std::vector<CellMark>& BatchRow::marks() const
{
    static const std::vector<CellMark> kNone;
    return said ? said->marks : kNone;
}

const std::vector<std::string>& BatchRow::notes() const
{
    static const std::vector<std::string> kNone;
    return said ? said->notes : kNone;
}

namespace {

// Keeps what was said of a row with it, where anything was.
void Keep(BatchRow& row, RowNotes& said)
{
    if (!said.marks.empty() || !said.notes.empty()) {
        row.said = std::make_shared<const RowNotes>(std::move(said));
    }
}

}  // namespace

BatchRow CalculateRow(const BatchColumns& columns, Cells cells, RowScratch& scratch)
{
    BatchRow row;
    RowNotes said;
    for (std::size_t i = columns.pastedCells; i < cells.size(); ++i) {
        if (!IsBlank(cells[i])) {
            said.notes.push_back("第 " + std::to_string(columns.pastedCells + 1) +
                                 " 列起的内容未被读取");
            break;
        }
    }
    cells.resize(columns.givenCells);
    row.given = PackedCells(cells);
    const Calculator& calculator = *columns.calculator;
    scratch.inputs.Clear();
    scratch.results.assign(calculator.steps.size(), std::nullopt);
    bool failed = false;
    bool doubtful = false;
    for (std::size_t i = 0; i < columns.inputs.size(); ++i) {
        const BatchColumn& column = columns.list[columns.inputColumn[i]];
        const std::string& cell = cells[column.index];
        InputReading reading = SetInput(columns, column, cell, scratch.inputs);
        if (reading.note) {
            failed = failed || reading.fails;
            doubtful = doubtful || reading.note->doubtful;
            std::string words =
                reading.fails ? reading.note->Stated()
                              : std::string(column.input->name) + "：" + reading.note->Stated();
            said.marks.push_back({column.index, std::move(*reading.note), std::move(words)});
        } else if (!reading.said.empty()) {
            said.notes.push_back(std::move(reading.said));
        } else if (column.inYuan && !IsBlank(cell)) {
            said.notes.push_back(
                std::string(column.input->name) + " " + std::string(Trimmed(cell)) + " 元按 " +
                std::string(scratch.inputs.Text(column.input->control)) + " 万元计算");
        }
    }
    for (std::size_t i = 0; i < calculator.steps.size() && !failed; ++i) {
        const CalculatorStep& step = calculator.steps[i];
        if (!Applies(step, columns.terms)) {
            continue;
        }
        const StepArgs args{calculator, scratch.inputs, scratch.results, columns.terms, false};
        try {
            scratch.results[i] = step.work(args);
        } catch (const FloatingPointError& error) {
            failed = true;
            said.notes.push_back(std::string(step.name) + "：" + FloatFaultText(error.fault()));
            break;
        }
        if (!scratch.results[i]) {
            const CalculatorInput* unchosen = UnchosenInput(step, scratch.inputs);
            failed = true;
            said.notes.push_back(unchosen != nullptr ? "请选择" + std::string(unchosen->name)
                                                     : std::string(step.name) + "未能计算");
            break;
        }
        if (step.check != nullptr) {
            if (auto note = step.check(scratch.inputs)) {
                said.notes.push_back(std::move(*note));
            }
        }
    }
    row.state = failed ? RowState::Failed : doubtful ? RowState::Doubtful : RowState::Counted;
    if (failed) {
        Keep(row, said);
        return row;
    }
    for (const CalculatorStep* step : columns.results) {
        const auto& outcome = scratch.results[StepIndex(calculator, *step)];
        row.figures[row.worked++] = outcome->value;
        if (outcome->capped && !row.hasCapped) {
            row.hasCapped = true;
            row.cappedFen = outcome->capped->fen();
        }
    }
    if (columns.money) {
        const auto& money = scratch.results[StepIndex(calculator, *columns.results.back())]->money;
        row.hasMoney = money.has_value();
        row.fen = money ? money->fen() : 0;
        if (!money) {
            said.notes.push_back("金额过大，无法写成大写金额");
        }
    }
    Keep(row, said);
    return row;
}

BatchRow CalculateRow(const BatchColumns& columns, Cells cells)
{
    RowScratch scratch;
    return CalculateRow(columns, std::move(cells), scratch);
}

std::vector<BatchRow> CalculateRows(const BatchColumns& columns, std::vector<Cells> cells)
{
    std::vector<BatchRow> rows;
    rows.reserve(cells.size());
    RowScratch scratch;
    for (Cells& row : cells) {
        rows.push_back(CalculateRow(columns, std::move(row), scratch));
    }
    return rows;
}

std::vector<BatchRow> CalculateRows(const BatchColumns& columns, TableReader& reader)
{
    std::vector<BatchRow> rows;
    RowScratch scratch;
    Cells cells;
    while (reader.Next(cells)) {
        rows.push_back(CalculateRow(columns, cells, scratch));
    }
    return rows;
}

std::string CellText(const BatchColumn& column, const BatchRow& row, bool words)
{
    switch (column.source) {
        case ColumnSource::Lot:
        case ColumnSource::Input:
        case ColumnSource::Kept: {
            const std::string_view given = row.given[column.index];
            if (words && column.input != nullptr && column.input->kind == InputKind::Tick) {
                if (const auto ticked = ReadTick(given)) {
                    return *ticked ? "是" : "否";
                }
            }
            return std::string(given);
        }
        case ColumnSource::Result:
            return column.index < row.worked ? column.step->figure.text(row.figures[column.index])
                                             : std::string();
        case ColumnSource::Figures:
            return row.hasMoney ? row.money()->Figures() : std::string();
        case ColumnSource::Capitals:
            return row.hasMoney ? row.money()->Capitals() : std::string();
        case ColumnSource::Notes: {
            if (!row.said) {
                return {};
            }
            std::vector<std::string> lines;
            for (const CellMark& mark : row.marks()) {
                lines.push_back(mark.said);
            }
            lines.insert(lines.end(), row.notes().begin(), row.notes().end());
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
    for (const CellMark& mark : row.marks()) {
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

std::string AmountInWords(const BatchColumn& column, const BatchRow& row)
{
    const std::string given(Trimmed(row.given[column.index]));
    if (!column.inYuan) {
        return given + " 万元";
    }
    const auto wan = YuanCellInWan(given);
    if (!wan) {
        return given;
    }
    const bool saysUnit = given.find("元") != std::string::npos || given.rfind("¥", 0) == 0 ||
                          given.rfind("￥", 0) == 0;
    return *wan + " 万元（" + given + (saysUnit ? "" : " 元") + "）";
}

std::string ChoiceOf(const BatchColumn& column, const BatchRow& row)
{
    const std::string_view cell = row.given[column.index];
    if (IsBlank(cell) && !column.fallback.empty()) {
        return column.fallback;
    }
    const auto entry = ReadEntry(*column.input, cell);
    return entry ? std::string(column.input->entries[*entry]) : std::string(Trimmed(cell));
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
    for (std::size_t i = 0; i < columns.results.size(); ++i) {
        const CalculatorStep& step = *columns.results[i];
        if (step.totalNote == nullptr) {
            continue;
        }
        const auto choice =
            std::find_if(step.inputs.begin(), step.inputs.end(),
                         [](const auto& input) { return input.kind == InputKind::Choice; });
        std::vector<LotFigure> lots;
        for (const BatchRow& row : rows) {
            if (row.state != RowState::Counted || row.worked <= i) {
                continue;
            }
            std::string_view entry;
            for (std::size_t k = 0; choice != step.inputs.end() && k < columns.inputs.size(); ++k) {
                if (columns.inputs[k]->control == choice->control) {
                    const auto chosen =
                        ReadEntry(*choice, row.given[columns.list[columns.inputColumn[k]].index]);
                    entry = chosen ? choice->entries[*chosen] : std::string_view();
                }
            }
            lots.push_back({entry, StepOutcome{.value = row.figures[i],
                                               .money = row.money(),
                                               .capped = row.capped()}});
        }
        if (auto note = step.totalNote(columns.terms, lots)) {
            total.notes.push_back(std::move(*note));
        }
    }
    if (!columns.money) {
        return total;
    }
    // the 合计 of 小写 is the sum of the 小写 shown, to the 分; the 合计 in 万元
    // is that sum ÷ 10,000, so the two always agree
    std::optional<Money> sum = Money();
    for (const BatchRow& row : rows) {
        if (row.state == RowState::Counted && row.hasMoney && sum) {
            sum = Sum(*sum, *row.money());
        }
    }
    if (sum) {
        total.sums.back() = sum->WanText();
        total.money = sum;
        total.figures = sum->Figures();
        total.capitals = sum->Capitals();
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

std::string TableText(const BatchColumns& columns, const std::vector<BatchRow>& rows)
{
    std::string out;
    out.reserve(64 * (rows.size() + 2) * columns.list.size() / 4);
    const auto row = [&](const auto& cell) {
        for (std::size_t c = 0; c < columns.list.size(); ++c) {
            if (c > 0) {
                out += '\t';
            }
            AppendTableCell(out, cell(columns.list[c]));
        }
        out += '\n';
    };
    row([](const BatchColumn& column) { return column.header; });
    for (const BatchRow& lot : rows) {
        row([&lot](const BatchColumn& column) { return CellText(column, lot); });
    }
    if (columns.money) {
        const BatchTotal total = TotalOf(columns, rows);
        row([&total](const BatchColumn& column) { return TotalText(column, total); });
    }
    return out;
}

namespace {

// The number a text given by the user is, where the whole of it is one.
std::optional<double> GivenNumber(std::string_view cell)
{
    const std::string_view text = Trimmed(cell);
    if (text.empty()) {
        return std::nullopt;
    }
    try {
        const LeadingNumber number = ReadLeadingNumber(text);
        if (number.length != text.size() || !std::isfinite(number.value)) {
            return std::nullopt;
        }
        return number.value;
    } catch (const FloatingPointError&) {
        return std::nullopt;  // past the double range: kept as its text
    }
}

CellValue Words(std::string text)
{
    return {text.empty() ? CellValue::Kind::Empty : CellValue::Kind::Words, std::move(text)};
}

CellValue YuanValue(const std::optional<Money>& money)
{
    if (!money) {
        return {};
    }
    return {CellValue::Kind::Yuan, money->Figures(), static_cast<double>(money->fen()) / 100};
}

}  // namespace

bool ShowsTwoDecimals(const BatchColumn& column)
{
    return column.source == ColumnSource::Result &&
           column.step->figure.text == kTwoDecimalFigure.text;
}

bool HoldsMoney(const BatchColumn& column)
{
    return (column.source == ColumnSource::Result && IsMoney(*column.step)) ||
           column.source == ColumnSource::Figures || column.source == ColumnSource::Capitals;
}

namespace {

// The fee in 万元 to its 分, as its 小写 says it.
CellValue WanValue(const Money& money)
{
    std::string text = money.WanText();
    const double number = static_cast<double>(money.fen()) / 1e6;
    return {CellValue::Kind::Number, std::move(text), number};
}

}  // namespace

namespace {

// What a file holds of a lot's money column, where it differs from the window.
enum class FileMoney { AsShown, None, FromFen };

FileMoney FileMoneyOf(const BatchColumn& column, const BatchRow& row)
{
    if (row.state != RowState::Counted && HoldsMoney(column)) {
        return FileMoney::None;  // no lawful figure: none, its reason in 说明
    }
    const bool fee = column.source == ColumnSource::Result && column.index + 1 == row.worked;
    return fee && row.hasMoney && IsMoney(*column.step) ? FileMoney::FromFen : FileMoney::AsShown;
}

}  // namespace

std::string FileText(const BatchColumn& column, const BatchRow& row, bool words)
{
    switch (FileMoneyOf(column, row)) {
        case FileMoney::None:
            return {};
        case FileMoney::FromFen:
            return row.money()->WanText();
        case FileMoney::AsShown:
            break;
    }
    return CellText(column, row, words);
}

CellValue ValueOf(const BatchColumn& column, const BatchRow& row)
{
    switch (FileMoneyOf(column, row)) {
        case FileMoney::None:
            return {};
        case FileMoney::FromFen:
            return WanValue(*row.money());
        case FileMoney::AsShown:
            break;
    }
    switch (column.source) {
        case ColumnSource::Lot:
        case ColumnSource::Kept:
        case ColumnSource::Input: {
            std::string text = CellText(column, row);
            if (text.empty()) {
                return {};
            }
            if (column.source == ColumnSource::Input && IsNumeric(column.type)) {
                if (const auto number = GivenNumber(text)) {
                    return {CellValue::Kind::Number, std::move(text), *number};
                }
            }
            return {CellValue::Kind::Given, std::move(text)};
        }
        case ColumnSource::Result: {
            if (column.index >= row.worked) {
                return {};
            }
            // the figure as its caption shows it, so that a spreadsheet shows the same
            const double figure = row.figures[column.index];
            return {CellValue::Kind::Number, column.step->figure.text(figure),
                    column.step->figure.shown(figure)};
        }
        case ColumnSource::Figures:
            return YuanValue(row.money());
        case ColumnSource::Capitals:
        case ColumnSource::Notes:
            return Words(CellText(column, row));
    }
    return {};
}

CellValue TotalValueOf(const BatchColumn& column, const BatchTotal& total)
{
    switch (column.source) {
        case ColumnSource::Result: {
            if (column.index + 1 != total.sums.size() || !total.money) {
                return {};
            }
            return WanValue(*total.money);
        }
        case ColumnSource::Figures:
            return YuanValue(total.money);
        default:
            return Words(TotalText(column, total));
    }
}

Lots LotsOf(const Calculator& calculator, std::string_view text, const FeeTerms& terms)
{
    BatchColumns columns = ColumnsOf(calculator, terms);
    TableReader reader(text);
    Cells first;
    std::vector<BatchRow> rows;
    if (reader.Next(first)) {
        if (HeaderReading header = ReadHeader(calculator, first, terms); header.header) {
            if (header.columns) {
                columns = std::move(*header.columns);
            }
        } else {
            RowScratch scratch;
            rows.push_back(CalculateRow(columns, std::move(first), scratch));
        }
    }
    std::vector<BatchRow> more = CalculateRows(columns, reader);
    if (rows.empty()) {
        rows = std::move(more);
    } else {
        rows.insert(rows.end(), std::make_move_iterator(more.begin()),
                    std::make_move_iterator(more.end()));
    }
    return {std::move(columns), std::move(rows)};
}

std::string CalculateRows(std::string_view calculator, std::string_view rows)
{
    const Calculator* found = CalculatorById(calculator);
    if (found == nullptr) {
        return {};
    }
    const Lots lots = LotsOf(*found, rows);
    return TableText(lots.columns, lots.rows);
}

}  // namespace kelvora
