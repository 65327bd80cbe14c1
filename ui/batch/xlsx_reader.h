#pragma once
// Reading the lots of an .xlsx workbook as a spreadsheet shows them: its
// sheets by name, and a sheet's rows as cells of text — shared and inline
// strings, numbers as Excel shows them in General (15 significant digits),
// booleans as 是/否, dates of a date style as 2009/2/6, a formula as the value
// it was last saved with. The archive is read with zlib (zip_archive.h), the
// parts with QXmlStreamReader.
//
//   path --XlsxWorkbook::Open--> sheets --Read(sheet)--> SheetRows | why not
//
// Nothing is ever evaluated: a formula saved without its value, merged
// cells, a password, a damaged file or one too large are refused with a
// message naming the sheet and the cell. Left out: rich-text formatting,
// comments, hidden rows and columns (read like the others), pictures,
// charts, the 1900 calendar's 29 February (refused), pivot tables.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "calc/table_text.h"

namespace kelvora::ui {

struct SheetRows {
    std::vector<Cells> rows;                 // rows with a value, empty cells "" between
    std::vector<std::uint32_t> numbers;      // each row's number on the sheet, from 1
    std::vector<std::vector<bool>> figures;  // per row and cell: a number without a date style
};

// A cell's name on its sheet: column 2 (from 0) of row 7 is "C7".
QString CellName(std::size_t column, std::uint32_t row);

class XlsxWorkbook {
public:
    // The largest file read (a sheet of 1,000,000 lots is well below it).
    static constexpr qint64 kMaxFileBytes = 200LL * 1024 * 1024;

    // The workbook at `path`, or why it cannot be read, in words a user can act on.
    static std::optional<XlsxWorkbook> Open(const QString& path, QString& problem);

    // The sheets' names, in the workbook's order.
    const QStringList& sheets() const { return m_names; }

    // The rows of sheet `index`, or why not.
    std::optional<SheetRows> Read(int index, QString& problem) const;

    struct Parts;

private:
    explicit XlsxWorkbook(std::shared_ptr<const Parts> parts);
    std::shared_ptr<const Parts> m_parts;
    QStringList m_names;
};

}  // namespace kelvora::ui
