#pragma once
// A batch table written as a file a spreadsheet opens: .xlsx (through
// libxlsxwriter: figures as numbers, 大写 and everything typed as text, the
// header row bold, the columns wide enough) or CSV (UTF-8 with a byte-order
// mark, so spreadsheet programs read the Chinese). Either is written beside
// the target and put in its place only when complete.
//
//   cells --WriteXlsx | WriteCsv--> file, or the message and no file

#include <QString>
#include <vector>

#include "calc/batch.h"

namespace kelvora::ui {

// Which columns of a batch a spreadsheet gets as numbers: the figures the
// batch worked out; what was typed stays as typed.
std::vector<bool> NumberColumns(const BatchColumns& columns);

// `numbers` says which columns hold figures; the first row is the header,
// the last one bold too when `totalRow`.
QString WriteXlsx(const QString& path, const std::vector<Cells>& table,
                  const std::vector<bool>& numbers, bool totalRow);

QString WriteCsv(const QString& path, const std::vector<Cells>& table);

}  // namespace kelvora::ui
