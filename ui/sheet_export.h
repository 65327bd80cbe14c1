#pragma once
// Where the calculation sheet is offered: Ctrl+S, the context menu of a
// calculator page's bare area and of its result labels, each as
// "导出计算书（PDF）…". A save dialog proposes the file name in the user's
// documents folder; the PDF written is opened the way the web link is, so a
// failure to open it is the same "Kelvora" report.

#include <QString>

#include "ui/widget_controls.h"

namespace kelvora::ui {

class MainWindow;

QString ExportSheetText();  // "导出计算书（PDF）…"

// Where the save dialog starts: the user's documents folder, or the home
// folder where there is none.
QString SheetFolder();

void SetUpSheetExport(MainWindow& window, const ControlMap& widgets);

// Asks where to save the current page's sheet, writes it and opens it.
void ExportSheet(MainWindow& window);

}  // namespace kelvora::ui
