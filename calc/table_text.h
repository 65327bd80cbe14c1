#pragma once
// A table as a spreadsheet puts it on the clipboard, and back: cells
// separated by tabs, one row a line, a cell holding a tab, a line break or a
// quote put in quotes (with its quotes doubled).
//
//   "一标段\t6000\r\n…" --ParseTable--> rows of cells --FormatTable--> text

#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

using Cells = std::vector<std::string>;

// The rows of a spreadsheet's text, cells separated by `separator` (a tab as
// a spreadsheet copies them, a comma in a CSV file); rows of blank cells only
// are skipped.
std::vector<Cells> ParseTable(std::string_view text, char separator = '\t');

// The rows as a spreadsheet takes them: tabs between cells, LF after each row.
std::string FormatTable(const std::vector<Cells>& rows);

// One cell as FormatTable writes it, appended to `out`.
void AppendTableCell(std::string& out, std::string_view cell);

}  // namespace kelvora
