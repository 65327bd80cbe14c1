#pragma once
// A table as a spreadsheet puts it on the clipboard, and back: cells
// separated by tabs, one row a line, a cell holding a tab, a line break or a
// quote put in quotes (with its quotes doubled).
//
//   "一标段\t6000\r\n…" --ParseTable--> rows of cells --FormatTable--> text

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

using Cells = std::vector<std::string>;

// The rows of a spreadsheet's text, cells separated by `separator` (a tab as
// a spreadsheet copies them, a comma in a CSV file); rows of blank cells only
// are skipped.
std::vector<Cells> ParseTable(std::string_view text, char separator = '\t');

// The same row by row, each into the same room: a table of 100,000 rows is
// never held twice.
class TableReader {
public:
    TableReader(std::string_view text, char separator = '\t') : m_text(text), m_separator(separator)
    {
    }
    // The next row that is not blank, or false after the last.
    bool Next(Cells& row);

private:
    std::string_view m_text;
    char m_separator;
    std::size_t m_at = 0;
};

// A row's cells kept in one piece of memory: each cell's length, then its
// bytes. Read cell by cell; changed by packing anew.
class PackedCells {
public:
    PackedCells() = default;
    explicit PackedCells(const Cells& cells);
    PackedCells(const PackedCells& other);
    PackedCells& operator=(const PackedCells& other);
    PackedCells(PackedCells&&) noexcept = default;
    PackedCells& operator=(PackedCells&&) noexcept = default;

    std::size_t size() const;
    // The cell at `i`, "" past the last.
    std::string_view operator[](std::size_t i) const;
    Cells Unpacked() const;
    // The same cells with the one at `i` replaced (and blank ones added up to it).
    PackedCells With(std::size_t i, std::string_view cell) const;

private:
    std::size_t Bytes() const;
    std::unique_ptr<char[]> m_data;  // count, then length and bytes of each cell
};

// The rows as a spreadsheet takes them: tabs between cells, LF after each row.
std::string FormatTable(const std::vector<Cells>& rows);

// One cell as FormatTable writes it, appended to `out`.
void AppendTableCell(std::string& out, std::string_view cell);

}  // namespace kelvora
