#include "calc/table_text.h"

#include <algorithm>

#include "calc/decimal_text.h"

namespace kelvora {

bool TableReader::Next(Cells& row)
{
    const std::string_view text = m_text;
    const char separator = m_separator;
    std::size_t used = 0;  // cells of `row` filled; the rest keep their room
    bool quoted = false;
    bool cellStarted = false;
    const auto cell = [&]() -> std::string& {
        if (used == row.size()) {
            row.emplace_back();
        }
        return row[used];
    };
    bool any = false;  // the row holds a cell that is not blank
    const auto endCell = [&] {
        std::string& done = cell();
        any = any || !IsBlank(done);
        ++used;
        cellStarted = false;
    };
    const auto startRow = [&] {
        used = 0;
        any = false;
        cell().clear();
    };
    startRow();
    for (std::size_t i = m_at; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell() += c;
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
            cell().append(text.substr(i, end - i));
            cellStarted = true;
            i = end - 1;
            continue;
        }
        if (c == '"' && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == separator) {
            endCell();
            cell().clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            endCell();
            if (any) {
                row.resize(used);
                m_at = i + 1;
                return true;
            }
            startRow();  // a row of blanks alone
        } else {
            cell() += c;
            cellStarted = true;
        }
    }
    m_at = text.size();
    if (used > 0 || !cell().empty() || cellStarted) {
        endCell();
        if (any) {
            row.resize(used);
            return true;
        }
    }
    row.clear();
    return false;
}

std::vector<Cells> ParseTable(std::string_view text, char separator)
{
    std::vector<Cells> rows;
    TableReader reader(text, separator);
    Cells row;
    while (reader.Next(row)) {
        rows.push_back(row);
    }
    return rows;
}

namespace {

// A cell's length as 1 to 5 bytes of 7 bits each, lowest first.
std::size_t GetLength(const char*& at)
{
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*at++);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            return length;
        }
    }
}

}  // namespace

PackedCells::PackedCells(const Cells& cells)
{
    const auto lengthBytes = [](std::size_t length) {
        std::size_t bytes = 1;
        for (; length >= 0x80; length >>= 7) {
            ++bytes;
        }
        return bytes;
    };
    std::size_t bytes = lengthBytes(cells.size());
    for (const std::string& cell : cells) {
        bytes += lengthBytes(cell.size()) + cell.size();
    }
    m_data = std::make_unique_for_overwrite<char[]>(bytes);
    char* at = m_data.get();
    const auto put = [&at](std::size_t length) {
        for (; length >= 0x80; length >>= 7) {
            *at++ = static_cast<char>((length & 0x7F) | 0x80);
        }
        *at++ = static_cast<char>(length);
    };
    put(cells.size());
    for (const std::string& cell : cells) {
        put(cell.size());
        at = std::copy(cell.begin(), cell.end(), at);
    }
}

std::size_t PackedCells::Bytes() const
{
    if (!m_data) {
        return 0;
    }
    const char* at = m_data.get();
    std::size_t count = GetLength(at);
    while (count-- > 0) {
        at += GetLength(at);
    }
    return static_cast<std::size_t>(at - m_data.get());
}

PackedCells::PackedCells(const PackedCells& other)
{
    *this = other;
}

PackedCells& PackedCells::operator=(const PackedCells& other)
{
    if (this != &other) {
        const std::size_t bytes = other.Bytes();
        m_data = bytes > 0 ? std::make_unique<char[]>(bytes) : nullptr;
        std::copy(other.m_data.get(), other.m_data.get() + bytes, m_data.get());
    }
    return *this;
}

std::size_t PackedCells::size() const
{
    if (!m_data) {
        return 0;
    }
    const char* at = m_data.get();
    return GetLength(at);
}

std::string_view PackedCells::operator[](std::size_t i) const
{
    if (!m_data) {
        return {};
    }
    const char* at = m_data.get();
    const std::size_t count = GetLength(at);
    if (i >= count) {
        return {};
    }
    for (;; --i) {
        const std::size_t length = GetLength(at);
        if (i == 0) {
            return {at, length};
        }
        at += length;
    }
}

Cells PackedCells::Unpacked() const
{
    Cells cells(size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i] = std::string((*this)[i]);
    }
    return cells;
}

PackedCells PackedCells::With(std::size_t i, std::string_view cell) const
{
    Cells cells = Unpacked();
    if (cells.size() <= i) {
        cells.resize(i + 1);
    }
    cells[i] = std::string(cell);
    return PackedCells(cells);
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
