#include "calc/batch_columns.h"

#include <algorithm>

#include "calc/calculators.h"
#include "calc/decimal_text.h"

namespace kelvora {
namespace {

constexpr std::string_view kLotNames[] = {"标段", "标段名称", "包号", "标包"};

// A header's name and the unit in brackets after it: "中标金额（元）".
struct HeaderName {
    std::string_view name;
    std::string_view unit;
};

HeaderName SplitUnit(std::string_view cell)
{
    const std::string_view text = Trimmed(cell);
    for (const auto& [open, close] : {std::pair<std::string_view, std::string_view>{"（", "）"},
                                      std::pair<std::string_view, std::string_view>{"(", ")"}}) {
        const std::size_t at = text.rfind(open);
        if (at != std::string_view::npos && text.size() >= close.size() &&
            text.substr(text.size() - close.size()) == close && at > 0) {
            const std::size_t from = at + open.size();
            return {Trimmed(text.substr(0, at)),
                    Trimmed(text.substr(from, text.size() - close.size() - from))};
        }
    }
    return {text, {}};
}

bool NamesInput(const CalculatorInput& input, std::string_view name)
{
    return name == input.name ||
           std::find(input.aliases.begin(), input.aliases.end(), name) != input.aliases.end();
}

bool NamesLot(std::string_view name)
{
    return std::find(std::begin(kLotNames), std::end(kLotNames), name) != std::end(kLotNames);
}

bool HasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

BatchColumn LotColumn(std::size_t cell)
{
    return {.header = "标段",
            .source = ColumnSource::Lot,
            .type = ValueType::Text,
            .edited = true,
            .index = cell};
}

BatchColumn InputColumn(const CalculatorInput* input, std::size_t cell, bool inYuan)
{
    return {.header = std::string(input->name) + (inYuan ? "（元）" : ""),
            .source = ColumnSource::Input,
            .type = inYuan ? ValueType::AmountYuan : ValueTypeOf(input->kind),
            .edited = true,
            .index = cell,
            .input = input,
            .inYuan = inYuan};
}

// The inputs a lot needs, once each: those a person types, and the value of
// a choice; not those the same for every lot.
std::vector<const CalculatorInput*> LotInputs(const Calculator& calculator)
{
    std::vector<const CalculatorInput*> inputs;
    for (const CalculatorStep& step : calculator.steps) {
        for (const CalculatorInput& input : step.inputs) {
            const CalculatorStep* source =
                input.kind == InputKind::Result ? StepWriting(calculator, input.control) : nullptr;
            const bool typed = input.kind != InputKind::Result;
            const bool listed = std::any_of(inputs.begin(), inputs.end(), [&](const auto* known) {
                return known->control == input.control;
            });
            if (!listed && (typed || (source && source->kind == StepKind::Choice))) {
                inputs.push_back(&input);
            }
        }
    }
    return inputs;
}

// The columns after the given ones: each result of a step that applies, 小写
// and 大写 of the fee, 说明.
void AddWorkedColumns(BatchColumns& columns)
{
    for (const CalculatorStep& step : columns.calculator->steps) {
        if (step.kind == StepKind::Calculation && Applies(step, columns.terms)) {
            columns.results.push_back(&step);
        }
    }
    columns.money = !columns.results.empty() && IsMoney(*columns.results.back());
    for (std::size_t i = 0; i < columns.results.size(); ++i) {
        const CalculatorStep* step = columns.results[i];
        columns.list.push_back({.header = std::string(step->column),
                                .source = ColumnSource::Result,
                                .type = step->value,
                                .edited = false,
                                .index = i,
                                .step = step});
    }
    if (columns.money) {
        columns.list.push_back({.header = "小写",
                                .source = ColumnSource::Figures,
                                .type = ValueType::AmountYuan,
                                .edited = false});
        columns.list.push_back({.header = "大写",
                                .source = ColumnSource::Capitals,
                                .type = ValueType::Text,
                                .edited = false});
    }
    columns.list.push_back({.header = "说明",
                            .source = ColumnSource::Notes,
                            .type = ValueType::Text,
                            .edited = false});
    columns.inputColumn.assign(columns.inputs.size(), 0);
    for (std::size_t c = 0; c < columns.list.size(); ++c) {
        const BatchColumn& column = columns.list[c];
        for (std::size_t i = 0; i < columns.inputs.size(); ++i) {
            if (column.source == ColumnSource::Input && column.input == columns.inputs[i]) {
                columns.inputColumn[i] = c;
            }
        }
    }
}

// The names a header may use, for the message about one that uses none.
std::string KnownNames(const BatchColumns& columns)
{
    std::string names = "标段";
    for (const CalculatorInput* input : columns.inputs) {
        names += "、" + std::string(input->name);
    }
    return names;
}

}  // namespace

BatchColumns ColumnsOf(const Calculator& calculator, const FeeTerms& terms)
{
    BatchColumns columns;
    columns.calculator = &calculator;
    columns.terms = terms;
    columns.inputs = LotInputs(calculator);
    columns.list.push_back(LotColumn(0));
    for (std::size_t i = 0; i < columns.inputs.size(); ++i) {
        columns.list.push_back(InputColumn(columns.inputs[i], i + 1, false));
    }
    columns.givenCells = columns.pastedCells = columns.inputs.size() + 1;
    AddWorkedColumns(columns);
    return columns;
}

BatchColumns WithTerms(BatchColumns columns, const FeeTerms& terms)
{
    std::erase_if(columns.list, [](const BatchColumn& column) {
        return column.source != ColumnSource::Lot && column.source != ColumnSource::Input &&
               column.source != ColumnSource::Kept;
    });
    columns.results.clear();
    columns.money = false;
    columns.terms = terms;
    AddWorkedColumns(columns);
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

HeaderReading ReadHeader(const Calculator& calculator, const Cells& row, const FeeTerms& terms,
                         const InputValues* page)
{
    BatchColumns columns;
    columns.calculator = &calculator;
    columns.terms = terms;
    columns.inputs = LotInputs(calculator);
    std::vector<bool> taken(columns.inputs.size(), false);
    bool lot = false;
    std::size_t known = 0;
    std::size_t inputsNamed = 0;
    std::string problem;
    for (std::size_t cell = 0; cell < row.size(); ++cell) {
        const HeaderName name = SplitUnit(row[cell]);
        if (!lot && NamesLot(name.name)) {
            lot = true;
            ++known;
            columns.list.push_back(LotColumn(cell));
            continue;
        }
        bool matched = false;
        for (std::size_t i = 0; i < columns.inputs.size() && !matched; ++i) {
            const CalculatorInput* input = columns.inputs[i];
            if (taken[i] || !NamesInput(*input, name.name)) {
                continue;
            }
            const bool amount = input->kind == InputKind::Amount;
            const bool percent = input->kind == InputKind::Percent;
            const bool yuan = amount && name.unit == "元";
            const bool fits = name.unit.empty() || yuan || (amount && name.unit == "万元") ||
                              (percent && (name.unit == "%" || name.unit == "％")) ||
                              (!amount && !percent);
            if (!fits && problem.empty()) {
                problem = "“" + std::string(Trimmed(row[cell])) + "”列的单位“" +
                          std::string(name.unit) + "”不是" + (amount ? "元或万元" : "%");
            }
            taken[i] = matched = true;
            ++known;
            ++inputsNamed;
            columns.list.push_back(InputColumn(input, cell, yuan));
        }
        if (!matched) {
            columns.list.push_back({.header = std::string(Trimmed(row[cell])),
                                    .source = ColumnSource::Kept,
                                    .type = ValueType::Text,
                                    .edited = true,
                                    .index = cell});
        }
    }
    if (known == 0) {
        // A row of words alone that names nothing known: a header, not a lot.
        const bool words = std::none_of(row.begin(), row.end(),
                                        [](const std::string& cell) { return HasDigit(cell); });
        const bool any = std::any_of(row.begin(), row.end(),
                                     [](const std::string& cell) { return !IsBlank(cell); });
        if (!words || !any) {
            return {};
        }
        return {true, std::nullopt,
                "标题行中没有可识别的列；可识别的列有：" + KnownNames(columns) +
                    "（也可不带标题行，按此顺序粘贴）"};
    }
    if (inputsNamed == 0) {
        // 标段 alone: most likely a sheet meant for another page
        return {true, std::nullopt,
                "标题行中没有本页的输入列，可能是另一页的表格；本页可识别的列有：" +
                    KnownNames(columns)};
    }
    if (!problem.empty()) {
        return {true, std::nullopt, problem};
    }
    // Inputs the header does not name get empty columns of their own.
    columns.givenCells = columns.pastedCells = row.size();
    for (std::size_t i = 0; i < columns.inputs.size(); ++i) {
        if (!taken[i]) {
            const CalculatorInput& input = *columns.inputs[i];
            BatchColumn column = InputColumn(&input, columns.givenCells++, false);
            if (input.kind == InputKind::Choice && page != nullptr) {
                if (const auto entry = ReadEntry(input, page->Text(input.control))) {
                    column.fallback = std::string(input.entries[*entry]);
                }
            }
            columns.list.push_back(std::move(column));
        }
    }
    AddWorkedColumns(columns);
    return {true, std::move(columns), {}};
}

std::optional<Cells> Rearranged(const BatchColumns& from, const BatchColumns& to, Cells cells)
{
    Cells out(to.givenCells);
    for (const BatchColumn& column : from.list) {
        if (!column.edited) {
            continue;
        }
        const auto same = std::find_if(to.list.begin(), to.list.end(), [&](const BatchColumn& c) {
            return c.edited && c.source == column.source && c.input == column.input &&
                   c.inYuan == column.inYuan && c.fallback == column.fallback &&
                   (column.source != ColumnSource::Kept || c.header == column.header);
        });
        if (same == to.list.end()) {
            return std::nullopt;
        }
        if (column.index < cells.size()) {
            out[same->index] = std::move(cells[column.index]);
        }
    }
    return out;
}

}  // namespace kelvora
