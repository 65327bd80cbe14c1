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
#include <functional>
#include <optional>

#include "ui/sheet/sheet_document.h"

class QPagedPaintDevice;

namespace kelvora::ui {

// The sheets' face at `points`.
QFont SheetFont(qreal points);

// The page a sheet is laid out on: A4, portrait or landscape.
QPageLayout SheetPageLayout(const SheetDocument& sheet);

QString SheetHtml(const SheetDocument& sheet);

// Told how far a long sheet has come (of `total`); returns false to stop.
using SheetProgress = std::function<bool(int done, int total)>;

// Lays the sheet out for the device's page and paints it page by page; a
// table of many rows page by page as it goes. False when it was stopped.
bool PaintSheet(const SheetDocument& sheet, QPagedPaintDevice& device,
                const SheetProgress& progress = {});

// The sheet as a PDF, titled with its title, its fonts embedded; nothing
// when it was stopped.
std::optional<QByteArray> SheetPdf(const SheetDocument& sheet, const SheetProgress& progress = {});

}  // namespace kelvora::ui
