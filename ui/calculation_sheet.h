#pragma once
// The calculation sheet (计算书) of the window's current calculator, as a PDF
// on A4: the inputs as the user gave them, the method, the working lines as
// the tooltips show them, and the results with their amounts in yuan.
//
//   current page --SheetProblem--> "" or "请先点击“…”"
//   current page --WriteCalculationSheet--> PDF (all or nothing)
//
// The sheet never contradicts the screen: every result it holds is worked
// out again from the current inputs by its button's own calculation, and a
// result that would come out otherwise (or was never worked out) stops it.

#include <QDate>
#include <QString>

namespace kelvora::ui {

class MainWindow;

// Whether the current page has a calculation sheet (the about page has none).
bool HasCalculationSheet(const MainWindow& window);

// Why the current page's sheet cannot be written now, or an empty string.
QString SheetProblem(MainWindow& window);

// The file name proposed for the current page's sheet made on `day`:
// "招标代理服务费计算书-2026-12-07.pdf".
QString ProposedSheetName(const MainWindow& window, QDate day);

// Writes the sheet of the current page to `pdfPath`. Returns an empty string
// on success, or the message to show the user; then nothing is written.
QString WriteCalculationSheet(MainWindow& window, const QString& pdfPath);

}  // namespace kelvora::ui

using kelvora::ui::WriteCalculationSheet;
