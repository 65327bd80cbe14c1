#pragma once
// The columns of a batch of lots. Without a header row they are the
// calculator's own, in its order: 标段, the inputs a person types, the
// results, 小写 and 大写 of the fee, 说明. A header row maps the pasted
// columns by their names, in any order: the inputs' names and their usual
// other names, a unit in brackets read as the column's unit ("中标金额（元）":
// amounts in 元), and columns the calculator does not know (序号, 中标人, 备注)
// kept as given text.
//
//   calculators' table --ColumnsOf--> the default layout
//   header row --ReadHeader--> the layout it names, or why it names none

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/calculator.h"
#include "calc/fee_terms.h"
#include "calc/table_text.h"
#include "calc/value_type.h"

namespace kelvora {

// Where a column's cells come from.
enum class ColumnSource {
    Lot,       // 标段, as given
    Input,     // an input of the calculator, as given
    Kept,      // a pasted column the calculator does not know, kept as given text
    Result,    // a step's caption
    Figures,   // 小写 of the fee
    Capitals,  // 大写 of the fee
    Notes,     // 说明: the marks the window would show, or why a row failed
};

struct BatchColumn {
    std::string header;  // "中标金额", "收费基价（万元）", "序号"
    ColumnSource source;
    ValueType type;
    bool edited;  // typed or pasted by the user
    // For Lot, Input and Kept: the row's given cell; for Result: the row's result.
    std::size_t index = 0;
    const CalculatorInput* input = nullptr;  // for Input
    const CalculatorStep* step = nullptr;    // for Result
    bool inYuan = false;                     // an amount given in 元 (its header said so)
    // For a choice the sheet has no column of: the page's entry, taken where a cell is empty.
    std::string fallback = {};
};

struct BatchColumns {
    const Calculator* calculator = nullptr;
    std::vector<BatchColumn> list;  // in the order they are shown
    std::vector<const CalculatorInput*>
        inputs;                            // every input a lot needs, in the calculator's order
    std::vector<std::size_t> inputColumn;  // per input: its column in `list`
    std::vector<const CalculatorStep*> results;  // the steps whose captions are columns
    std::size_t givenCells = 0;   // given cells of a row (标段, inputs, kept columns)
    std::size_t pastedCells = 0;  // of those, the ones a pasted row fills; more are not read
    bool money = false;           // the last result is an amount in 万元
    // The agency's terms, the same for every lot.
    FeeTerms terms;
};

// The columns of a lot, results for the steps that apply under `terms`.
BatchColumns ColumnsOf(const Calculator& calculator, const FeeTerms& terms = {});

// The same given columns under other terms, and the worked columns that follow from them.
BatchColumns WithTerms(BatchColumns columns, const FeeTerms& terms);

Cells HeaderOf(const BatchColumns& columns);

struct HeaderReading {
    bool header = false;                  // the row names columns rather than a lot
    std::optional<BatchColumns> columns;  // the layout it names
    std::string problem;                  // why it names none that can be used
};

// Whether `row` is a header row, and the layout of the columns it names; a
// choice it names no column of takes the page's entry in `page`, where given.
HeaderReading ReadHeader(const Calculator& calculator, const Cells& row, const FeeTerms& terms = {},
                         const InputValues* page = nullptr);

// The cells of a row pasted under `from`'s columns, placed in `to`'s given
// cells; nothing when `from` has a given column `to` lacks.
std::optional<Cells> Rearranged(const BatchColumns& from, const BatchColumns& to, Cells cells);

}  // namespace kelvora
