#pragma once
// The lots of a batch written as a file a spreadsheet opens: .xlsx (through
// libxlsxwriter, in the module of exports and printing) or CSV (UTF-8 with a byte-order mark, so
// spreadsheet programs read the Chinese). Each cell is written as what it holds (calc/batch.h's
// CellValue): a figure as a number (with two decimals where its column shows two), 小写 as a number
// of 元 in a ¥ format, an amount given as a number where its text is one, every other text as a
// string, never as a formula. A CSV cell the user gave that would start a formula (= + - @, or a
// tab or CR first) gets an apostrophe before it, as OWASP advises; figures the program wrote are
// never altered. A table the format cannot hold (a cell past Excel's 32,767 characters, a NUL byte,
// rows past its last) is refused with the first such cell named, nothing written. Both go through
// the one whole-file writer.
//
//   columns + rows --ValueOf--> cells --WriteXlsx | WriteCsv--> file, or the message and no file

#include <QString>
#include <functional>
#include <vector>

#include "calc/batch.h"

namespace kelvora::ui {

// Told of the rows written so far; returns false to stop (nothing is written then).
using Progress = std::function<bool(std::size_t done, std::size_t total)>;

// What a writer says when it was stopped: no message to show.
QString StoppedWriting();

// The header, a row per lot, and the 合计 (bold, like the header) where the lots have a fee.
QString WriteXlsx(const QString& path, const BatchColumns& columns,
                  const std::vector<BatchRow>& rows, const Progress& progress = {});

QString WriteCsv(const QString& path, const BatchColumns& columns,
                 const std::vector<BatchRow>& rows, const Progress& progress = {});

}  // namespace kelvora::ui
