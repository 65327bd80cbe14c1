#pragma once
// Many lots at once: rows as a spreadsheet copies them, each worked out by
// the calculator's own clicks exactly as the window would, the supervision
// steps chained through the captions they show, and given back as a table
// that pastes into a spreadsheet cell by cell.
//
//   calculators' table --ColumnsOf--> named columns (header, source, value type, edited)
//   text --ParseTable--> cells --CalculateRow--> captions, 小写/大写, 说明
//   rows --TotalOf--> 合计: the exact decimal sum of the captions shown
//   columns + rows --TableOf--> header, a row per lot, 合计 --FormatTable--> text
//
// Every reader of a batch (the table text, the window's model, the .xlsx and
// CSV files, the batch sheet) goes through the column list: none computes a
// column from its position.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "calc/decimal_text.h"
#include "calc/table_text.h"
#include "calc/value_type.h"

namespace kelvora {

// Where a column's cells come from.
enum class ColumnSource {
    Lot,       // 标段, as given
    Input,     // an input of the calculator, as given
    Result,    // a step's caption
    Figures,   // 小写 of the last result, an amount of money
    Capitals,  // 大写 of the last result
    Notes,     // 说明: the marks the window would show, or why a row failed
};

struct BatchColumn {
    std::string header;  // "中标金额", "收费基价（万元）", "小写"
    ColumnSource source;
    ValueType type;
    bool edited;  // typed or pasted by the user
    // For Lot and Input: the row's given cell; for Result: the row's result.
    std::size_t index = 0;
    const CalculatorInput* input = nullptr;  // for Input
    const CalculatorStep* step = nullptr;    // for Result
};

struct BatchColumns {
    const Calculator* calculator = nullptr;
    std::vector<BatchColumn> list;               // in the order they are shown
    std::vector<const CalculatorInput*> inputs;  // the given cells after 标段, in order
    std::vector<const CalculatorStep*> results;  // the steps whose captions are columns
    bool money = false;                          // the last result is an amount in 万元
};

// 标段, the inputs a person types (a choice's value included), each result,
// 小写 and 大写 of the last for money, 说明.
BatchColumns ColumnsOf(const Calculator& calculator);

Cells HeaderOf(const BatchColumns& columns);

// Whether a row is a header row rather than a lot (it names the columns).
bool IsHeaderRow(const BatchColumns& columns, const Cells& row);

struct BatchRow {
    Cells given;                         // 标段 and the input cells, one per given column
    Cells results;                       // a caption per result column; empty when failed
    std::string figures, capitals;       // 小写 and 大写 of the last result's amount
    std::string yuan;                    // that amount in 元 to the 分, as 小写 shows it
    std::vector<std::string> notes;      // 说明
    std::vector<std::string> cellNotes;  // per input, empty where nothing is marked
    bool failed = false;
};

BatchRow CalculateRow(const BatchColumns& columns, const Cells& cells);

// The text of a row's cell in a column.
std::string CellText(const BatchColumn& column, const BatchRow& row);

// The mark of a row's given cell, or an empty text.
std::string_view CellNote(const BatchColumn& column, const BatchRow& row);

struct BatchTotal {
    Cells sums;  // per result column; empty for non-money columns
    // The exact sum of the rows' 小写, in figures and capitals.
    std::string figures, capitals;
    std::size_t failed = 0;  // rows left out
};

BatchTotal TotalOf(const BatchColumns& columns, const std::vector<BatchRow>& rows);

// The 合计 row's cell in a column.
std::string TotalText(const BatchColumn& column, const BatchTotal& total);

// The whole table as cells: the header, each row, and 合计 for money.
std::vector<Cells> TableOf(const BatchColumns& columns, const std::vector<BatchRow>& rows);

// Everything at once: `calculator` is "tender", "supervision" or "period".
// An unknown calculator gives an empty text.
std::string CalculateRows(std::string_view calculator, std::string_view rows);

}  // namespace kelvora
