#pragma once
// Where the calculation sheet is offered: Ctrl+S and Ctrl+P, the context
// menu of a calculator page's bare area and of its result labels, as
// "导出计算书（PDF）…" and "打印计算书…". First a small dialog asks for the
// project's header (offered again for the next sheet of the same run). To
// export, a save dialog proposes the file name in the user's documents
// folder, and the PDF written is opened in the default viewer; the window
// says where it went. To print, Qt's print preview shows the same document,
// with the same refusals.

#include <QString>

#include "calc/calculator.h"
#include "ui/common/control_lookup.h"

namespace kelvora::ui {

QString ExportSheetText();  // "导出计算书（PDF）…"
QString PrintSheetText();   // "打印计算书…"

// Where the save dialog starts: the user's documents folder, or the home
// folder where there is none.
QString SheetFolder();

// Ctrl+S and Ctrl+P in `window`.
void SetUpSheetExport(QWidget& window);

// The offers on the calculator's page: the context menu of its bare area
// and of its results.
void OfferSheetOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find);

// Asks where to save the current page's sheet, writes it and opens it.
void ExportSheet(QWidget& window);

// Shows the current page's sheet in a print preview, from which it is printed.
void PrintSheet(QWidget& window);

// Asks for a sheet's header over `parent`, offering what was typed last in
// this run; false when cancelled.
bool AskSheetHeader(QWidget& parent, struct SheetHeader& header);

}  // namespace kelvora::ui
