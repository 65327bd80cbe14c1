#pragma once
// Where the calculation sheet is offered: Ctrl+S, the context menu of a
// calculator page's bare area and of its result labels, each as
// "导出计算书（PDF）…". A save dialog proposes the file name in the user's
// documents folder; the PDF written is opened the way the web link is, so a
// failure to open it is the same "Kelvora" report.

#include <QString>

#include "calc/calculator.h"
#include "ui/control_lookup.h"

namespace kelvora::ui {

QString ExportSheetText();  // "导出计算书（PDF）…"

// Where the save dialog starts: the user's documents folder, or the home
// folder where there is none.
QString SheetFolder();

// Ctrl+S in `window`.
void SetUpSheetExport(QWidget& window);

// The offers on the calculator's page: the context menu of its bare area
// and of its results.
void OfferSheetOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find);

// Asks where to save the current page's sheet, writes it and opens it.
void ExportSheet(QWidget& window);

}  // namespace kelvora::ui
