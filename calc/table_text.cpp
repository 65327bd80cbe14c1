#include "calc/table_text.h"

#include <algorithm>

#include "calc/decimal_text.h"

namespace kelvora {

std::vector<Cells> ParseTable(std::string_view text, char separator)
{
    std::vector<Cells> rows;
    Cells row;
    std::string cell;
    bool quoted = false;
    bool cellStarted = false;
    const auto endCell = [&] {
        row.push_back(std::move(cell));
        cell.clear();
        cellStarted = false;
    };
    const auto endRow = [&] {
        endCell();
        const std::size_t width = row.size();
        if (!std::all_of(row.begin(), row.end(), [](const std::string& c) { return IsBlank(c); })) {
            rows.push_back(std::move(row));
        }
        row.clear();
        row.reserve(width);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
            continue;
        }
        if (c != '"' && c != separator && c != '\n' && c != '\r') {
            // a run of plain characters, taken at once
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != separator && text[end] != '\n' &&
                   text[end] != '\r' && text[end] != '"') {
                ++end;
            }
            cell.append(text.substr(i, end - i));
            cellStarted = true;
            i = end - 1;
            continue;
        }
        if (c == '"' && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            endRow();
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (!row.empty() || !cell.empty() || cellStarted) {
        endRow();
    }
    return rows;
}

void AppendTableCell(std::string& out, std::string_view cell)
{
    const bool plain = std::none_of(cell.begin(), cell.end(), [](char c) {
        return c == '\t' || c == '\n' || c == '\r' || c == '"';
    });
    if (plain) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

std::string FormatTable(const std::vector<Cells>& rows)
{
    std::string out;
    for (const Cells& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                out += '\t';
            }
            AppendTableCell(out, row[i]);
        }
        out += '\n';
    }
    return out;
}

}  // namespace kelvora
