#pragma once
// The calculation sheet (计算书) of the window's current calculator, on one
// A4 page, to file with a fee notice: the project's header, a summary of the
// results in 万元 with their 小写 and 大写, the inputs as given (with what a
// coefficient chosen from the standard's list stands for), the method citing
// the schedule followed, the working, and lines to sign. It is made from the
// calculators' table and the window's controls alone, and leaves the program
// through the one sheet pipeline (sheet/sheet_output.h).
//
//   current page --CalculationSheetDraft--> "请先点击“…”" | SheetDocument
//
// The sheet never contradicts the screen: it holds the results shown, each
// of which must be current (its button would write it again now, from
// current results); a grey result, or a missing one that a shown result
// reads, stops it.

#include <QDate>
#include <QString>

#include "ui/sheet/sheet_output.h"

class QPrinter;
class QWidget;

namespace kelvora::ui {

// Whether the current page of `window` has a calculation sheet (the about
// page has none).
bool HasCalculationSheet(QWidget& window);

// The current page's sheet, its results worked out once: why it cannot be
// made now, or how to make it under a header.
SheetDraft CalculationSheetDraft(QWidget& window);

// Whether the current page's fee is asked for by a fee notice (the tender fee).
bool HasFeeNotice(QWidget& window);

// The fee notice of the current page's fee (the fee to charge where the
// agency's terms differ from the standard), with the agency's saved details:
// why it cannot be made now (a grey result, no account), or how to make it
// under a header (its 招标人 or 中标人 the addressee, as the agency's payer says).
SheetDraft FeeNoticeDraft(QWidget& window);

// Why the current page's sheet cannot be made now, or an empty string.
QString SheetProblem(QWidget& window);

// The file name proposed for the current page's sheet made on `day`:
// "招标代理服务费计算书-2026-12-07.pdf".
QString ProposedSheetName(QWidget& window, QDate day);

// Writes the sheet of the current page to `pdfPath`. Returns an empty string
// on success, or the message to show the user; then nothing is written and
// an old file of that name is left as it was.
QString WriteCalculationSheet(QWidget& window, const QString& pdfPath,
                              const SheetHeader& header = {});

// Prints the sheet of the current page on `printer` (a preview's too).
// Returns an empty string, or the same message the PDF would give.
QString PrintCalculationSheet(QWidget& window, QPrinter& printer, const SheetHeader& header = {});

}  // namespace kelvora::ui

using kelvora::ui::WriteCalculationSheet;
