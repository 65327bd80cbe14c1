#pragma once
// Where a calculator page offers its calculation sheet: Ctrl+S and Ctrl+P,
// the context menu of the page's bare area and of its result labels, as
// "导出计算书（PDF）…" and "打印计算书…". Each hands the page's sheet to the
// one sheet pipeline.
//
//   Ctrl+S | menu --CalculationSheetDraft--> ExportSheet | PrintSheet

#include "calc/calculator.h"
#include "ui/common/control_lookup.h"

namespace kelvora::ui {

// Ctrl+S and Ctrl+P in `window`.
void SetUpSheetExport(QWidget& window);

// The offers on the calculator's page: the context menu of its bare area
// and of its results.
void OfferSheetOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find);

}  // namespace kelvora::ui
