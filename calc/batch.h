#pragma once
// Many lots at once: rows as a spreadsheet copies them (tab-separated cells,
// one row a line, an optional header row, cells possibly quoted), each
// worked out by the calculator's own clicks exactly as the window would,
// the supervision steps chained through the captions they show, and given
// back as a table that pastes into a spreadsheet cell by cell.
//
//   text --ParseTable--> cells --CalculateRow--> captions, 小写/大写, 说明
//   rows --TotalOf--> 合计: the exact decimal sum of the captions shown
//   header + rows + 合计 --FormatTable--> text
//
// The columns come from the calculators' table: 标段, the inputs a person
// types (a choice's value included), then each result, the 小写 and 大写 of
// the last for money, and 说明 (the marks the window would show, or why a
// row could not be worked out).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "calc/decimal_text.h"
#include "calc/table_text.h"

namespace kelvora {

struct BatchColumns {
    const Calculator* calculator = nullptr;
    std::vector<const CalculatorInput*> inputs;  // in the order of the columns after 标段
    std::vector<const CalculatorStep*> results;  // the steps whose captions are columns
    bool money = false;                          // the last result is an amount in 万元
};

BatchColumns ColumnsOf(const Calculator& calculator);

// 标段, the inputs, the results, 小写 and 大写 for money, 说明.
Cells HeaderOf(const BatchColumns& columns);

// Whether a row is a header row rather than a lot (it names the columns).
bool IsHeaderRow(const BatchColumns& columns, const Cells& row);

struct BatchRow {
    Cells given;                         // 标段 and the input cells, as many as there are columns
    Cells results;                       // a caption per result column; empty when failed
    std::string figures, capitals;       // 小写 and 大写 of the last result
    std::vector<std::string> notes;      // 说明
    std::vector<std::string> cellNotes;  // per input column, empty where nothing is marked
    bool failed = false;
};

BatchRow CalculateRow(const BatchColumns& columns, const Cells& cells);

struct BatchTotal {
    Cells sums;  // per result column; empty for non-money columns
    std::string figures, capitals;
    std::size_t failed = 0;  // rows left out
};

BatchTotal TotalOf(const BatchColumns& columns, const std::vector<BatchRow>& rows);

// The whole table as cells: the header, each row, and 合计 for money.
std::vector<Cells> TableOf(const BatchColumns& columns, const std::vector<BatchRow>& rows);

// Everything at once: `calculator` is "tender", "supervision" or "period".
// An unknown calculator gives an empty text.
std::string CalculateRows(std::string_view calculator, std::string_view rows);

}  // namespace kelvora
