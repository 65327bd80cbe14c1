#pragma once
// The calculation sheet (计算书) of the window's current calculator, as a PDF
// on A4: the inputs as the user gave them, the method, the working lines as
// the tooltips show them, and the results with their amounts in yuan. It
// works from the calculators' table and the window's controls alone.
//
//   current page --SheetProblem--> "" or "请先点击“…”"
//   current page --WriteCalculationSheet--> PDF (all or nothing)
//
// The sheet never contradicts the screen: it holds the results shown, each
// of which must be current (its button would write it again now, from
// current results); a grey result, or a missing one that a shown result
// reads, stops it.

#include <QDate>
#include <QString>

class QWidget;

namespace kelvora::ui {

// Whether the current page of `window` has a calculation sheet (the about
// page has none).
bool HasCalculationSheet(QWidget& window);

// Why the current page's sheet cannot be written now, or an empty string.
QString SheetProblem(QWidget& window);

// The file name proposed for the current page's sheet made on `day`:
// "招标代理服务费计算书-2026-12-07.pdf".
QString ProposedSheetName(QWidget& window, QDate day);

// Writes the sheet of the current page to `pdfPath`. Returns an empty string
// on success, or the message to show the user; then nothing is written.
QString WriteCalculationSheet(QWidget& window, const QString& pdfPath);

}  // namespace kelvora::ui

using kelvora::ui::WriteCalculationSheet;
