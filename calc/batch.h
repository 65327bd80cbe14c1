#pragma once
// Many lots at once: rows as a spreadsheet copies them, each worked out by
// the calculator's own steps exactly as its page would, the supervision
// steps chained through the captions they show, and given back as a table
// that pastes into a spreadsheet cell by cell.
//
//   text --ParseTable--> cells --CalculateRow--> figures, marks, the fee in 分
//   rows --TotalOf--> 合计: the exact sum of the figures of the lots it covers
//   columns + rows --TableOf--> header, a row per lot, 合计 --FormatTable--> text
//
// A lot whose figure rests on a doubtful input (a text not read entirely, no
// number, an amount that looks like yuan, an empty or zero coefficient) shows
// its figure with its mark and is left out of the 合计 until corrected. The
// workings and the 小写 and 大写 of a lot are made only when they are shown
// or exported. Every reader of a batch goes through the column list
// (calc/batch_columns.h): none computes a column from its position.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/batch_columns.h"
#include "calc/decimal_text.h"
#include "calc/input_check.h"
#include "calc/table_text.h"

namespace kelvora {

// Whether a header row's first cell is a row (not a lot).
bool IsHeaderRow(const BatchColumns& columns, const Cells& row);

enum class RowState : std::uint8_t {
    Counted,   // its figure goes into the 合计
    Doubtful,  // its figure rests on a doubtful input: shown, left out of the 合计
    Failed,    // no figure (an unknown type, an overflow, a date that does not exist)
};

// What is said of one given cell: as its mark says it, and as 说明 does.
struct CellMark {
    std::size_t cell;  // the row's given cell
    Note note;
    std::string said;  // with the input's name before it where the row still has a figure
};

// The results a row can have (the supervision fee's three steps).
inline constexpr std::size_t kMaxRowResults = 3;

// What is said of a row: its marked cells and its notes as a whole.
struct RowNotes {
    std::vector<CellMark> marks;     // the cells with a note, in the columns' order
    std::vector<std::string> notes;  // what is said of the row as a whole
};

// A lot as the batch keeps it, in little room (a table may hold 100,000):
// its cells as given, the figure of each result column, the fee in 分.
struct BatchRow {
    PackedCells given;  // one per given column, as pasted or typed
    // The figure of each result column; `worked` of them are set (none when failed).
    std::array<double, kMaxRowResults> figures{};
    std::int64_t fen = 0;        // the fee in 分, where `hasMoney`
    std::int64_t cappedFen = 0;  // the part of it a cap per tender applies to, where `hasCapped`
    std::uint8_t worked = 0;
    RowState state = RowState::Counted;
    bool hasMoney = false;  // money, not too large
    bool hasCapped = false;
    std::shared_ptr<const RowNotes> said;  // nothing when nothing is said

    std::optional<Money> money() const;
    std::optional<Money> capped() const;
    const std::vector<CellMark>& marks() const;
    const std::vector<std::string>& notes() const;
};

// What a lot is worked out with, kept from lot to lot so that its room is reused.
struct RowScratch {
    InputValues inputs;
    std::vector<std::optional<StepOutcome>> results;
};

// Works a lot out through the calculator's steps. The cells are taken, not copied.
BatchRow CalculateRow(const BatchColumns& columns, Cells cells, RowScratch& scratch);
BatchRow CalculateRow(const BatchColumns& columns, Cells cells);

// Every lot of `cells` worked out: the one way a batch is worked out, for the
// window, the files and the benchmark; from the rows `reader` has left, too.
std::vector<BatchRow> CalculateRows(const BatchColumns& columns, std::vector<Cells> cells);
std::vector<BatchRow> CalculateRows(const BatchColumns& columns, TableReader& reader);

// The text of a row's cell in a column; a tick reads 是 or 否 on a sheet
// (`words`), and as given elsewhere.
std::string CellText(const BatchColumn& column, const BatchRow& row, bool words = false);

// The mark of a row's given cell, or nothing.
const Note* CellNote(const BatchColumn& column, const BatchRow& row);

// The evident correction of a row's cell (thousands separators, an amount in
// yuan), or nothing.
std::optional<Correction> CellCorrection(const BatchColumn& column, const BatchRow& row);

// A lot's amount as a paper states it: in 万元, with the 元 the clerk gave
// beside it ("8645.23 万元（86,452,300.00 元）"), for a column of amounts.
std::string AmountInWords(const BatchColumn& column, const BatchRow& row);

// A lot's choice (服务类型) as the entry it reads as, the page's where the
// sheet had none, for a column of a choice.
std::string ChoiceOf(const BatchColumn& column, const BatchRow& row);

struct BatchTotal {
    Cells sums;                         // per result column; empty for non-money columns
    std::optional<Money> money;         // the exact sum of the counted lots' 小写
    std::string figures, capitals;      // its 小写 and 大写
    std::vector<std::size_t> doubtful;  // the rows left out as doubtful, from 0
    std::size_t failed = 0;             // rows without a figure
    std::size_t counted = 0;
    std::vector<std::string> notes;  // on what the 合计 passes (a cap per tender)
};

BatchTotal TotalOf(const BatchColumns& columns, const std::vector<BatchRow>& rows);

// What the 合计 covers and leaves out: "2 行有疑问未计入合计：第 3、7 行；1
// 行计算失败，未计入合计".
std::string TotalNote(const BatchTotal& total);

// The 合计 row's cell in a column: the sums of the fee alone (a sum of base
// prices across lots means nothing).
std::string TotalText(const BatchColumn& column, const BatchTotal& total);

// The whole table as cells: the header, each row, and 合计 for money.
std::vector<Cells> TableOf(const BatchColumns& columns, const std::vector<BatchRow>& rows);
// The same as a spreadsheet's text (FormatTable of TableOf), written straight.
std::string TableText(const BatchColumns& columns, const std::vector<BatchRow>& rows);

// What a cell holds, as a spreadsheet file stores it.
struct CellValue {
    enum class Kind : std::uint8_t {
        Empty,
        Words,   // words the program wrote (大写, 说明, 合计)
        Given,   // words the user gave: kept as text, never a formula
        Number,  // a figure: `number`, shown as `text`
        Yuan,    // an amount of 元: `number`, shown as `text` ("¥1,234.50")
    };
    Kind kind = Kind::Empty;
    std::string text;
    double number = 0;
};

// A row's cell, and the 合计 row's cell, by what they hold: a figure the
// program worked out as the number its caption shows, the fee in 万元 and its
// 小写 from its 分 (so that 万元 and 元 agree and a SUM of the column is the
// 合计), nothing of money for a lot left out of the 合计, an amount the user
// gave as a number where its whole text is one.
CellValue ValueOf(const BatchColumn& column, const BatchRow& row);
// The text of the same, as a CSV file or a sheet holds it (a tick in words on a sheet).
std::string FileText(const BatchColumn& column, const BatchRow& row, bool words = false);
CellValue TotalValueOf(const BatchColumn& column, const BatchTotal& total);

// Whether a result column's figures all show two decimals (the fee's).
bool ShowsTwoDecimals(const BatchColumn& column);

// Whether a column holds money a lot is charged (a fee in 万元, its 小写 or
// 大写): a file leaves it empty for a lot without a lawful figure.
bool HoldsMoney(const BatchColumn& column);

// The lots of a spreadsheet's text and their columns, worked out: a header
// row first (one that names columns) lays the columns out; without one they
// are the calculator's own.
struct Lots {
    BatchColumns columns;
    std::vector<BatchRow> rows;
};
Lots LotsOf(const Calculator& calculator, std::string_view text, const FeeTerms& terms = {});

// Everything at once, text to text: `calculator` is "tender", "supervision"
// or "period". An unknown calculator gives an empty text.
std::string CalculateRows(std::string_view calculator, std::string_view rows);

}  // namespace kelvora
