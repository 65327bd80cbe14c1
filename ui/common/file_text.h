#pragma once
// The text of a table file someone opens: UTF-8 (with a byte-order mark or
// without), UTF-16 with one, and otherwise GB18030, which Chinese spreadsheet
// programs still write (through Windows' own code pages on Windows,
// where Qt has no GB18030); nothing for a file that is not text.
//
//   file bytes --FileText--> text | nothing

#include <QByteArray>
#include <QString>
#include <optional>

namespace kelvora::ui {

std::optional<QString> FileText(const QByteArray& bytes);

}  // namespace kelvora::ui
