#pragma once
// The one place a sheet becomes pages: its HTML for Qt's text layout, laid
// out on A4 at the largest usual size that keeps a short sheet to one page,
// "第 1 页 共 1 页" at each foot, in a face whose PDF text reads back as typed.
//
//   SheetDocument --SheetHtml--> HTML --PaintSheet--> PDF writer | printer
//                 --SheetPdf--> the bytes of a PDF, made in memory

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QString>

#include "ui/sheet/sheet_document.h"

class QPagedPaintDevice;

namespace kelvora::ui {

// The sheets' face at `points`.
QFont SheetFont(qreal points);

// The page a sheet is laid out on: A4, portrait or landscape.
QPageLayout SheetPageLayout(const SheetDocument& sheet);

QString SheetHtml(const SheetDocument& sheet);

// Lays the sheet out for the device's page and paints it page by page.
void PaintSheet(const SheetDocument& sheet, QPagedPaintDevice& device);

// The sheet as a PDF, titled with its title, its fonts embedded.
QByteArray SheetPdf(const SheetDocument& sheet);

}  // namespace kelvora::ui
