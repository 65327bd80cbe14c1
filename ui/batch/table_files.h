#pragma once
// A batch table written as a file a spreadsheet opens: .xlsx (through
// libxlsxwriter) or CSV (UTF-8 with a byte-order mark, so spreadsheet
// programs read the Chinese). Each column is written as what it holds: a
// figure as a number (with two decimals where all of its figures show two),
// 小写 as a number in a ¥ format, an amount given as a number where its text is
// one, every other text as a string, never as a formula. A CSV cell that
// would start a formula (= + - @, or a tab or CR first) gets an apostrophe
// before it, as OWASP advises; figures the program wrote are never altered.
// A table the format cannot hold (a cell past Excel's 32,767 characters, a
// NUL byte, rows past its last) is refused with the first such cell named,
// nothing written. Both go through the one whole-file writer.
//
//   cells + formats --WriteXlsx | WriteCsv--> file, or the message and no file

#include <QString>
#include <functional>
#include <vector>

#include "calc/batch.h"

namespace kelvora::ui {

// How the cells of a column are written.
enum class CellFormat {
    Text,    // words the program wrote (大写, 说明)
    Given,   // words the user gave: a string, never a formula
    Amount,  // an amount the user gave: a number where the whole text is one
    Figure,  // a figure the program worked out
    Yuan,    // an amount in yuan as 小写 shows it ("¥1,234.50")
};

std::vector<CellFormat> FormatsOf(const BatchColumns& columns);

// Told of the rows written so far; returns false to stop (nothing is written then).
using Progress = std::function<bool(std::size_t done, std::size_t total)>;

// What a writer says when it was stopped: no message to show.
QString StoppedWriting();

// The first row is the header, the last one bold too when `totalRow`.
QString WriteXlsx(const QString& path, const std::vector<Cells>& table,
                  const std::vector<CellFormat>& formats, bool totalRow,
                  const Progress& progress = {});

QString WriteCsv(const QString& path, const std::vector<Cells>& table,
                 const std::vector<CellFormat>& formats, const Progress& progress = {});

}  // namespace kelvora::ui
