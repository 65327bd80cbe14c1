#pragma once
// Every sheet leaves the program the same way: what stops it is said first
// ("请先点击“计算基价”"), then a small dialog asks for the project's header
// (offered again for the next sheet of the run), and the sheet goes to a PDF
// through the one save dialog, or to Qt's print preview, the same document
// either way.
//
//   SheetDraft --ExportSheet--> header --> save dialog --> PDF (whole or nothing)
//              --PrintSheet--> header --> print preview --> printer

#include <QString>
#include <functional>

#include "ui/sheet/sheet_document.h"
#include "ui/sheet/sheet_render.h"

class QWidget;

namespace kelvora::ui {

// A sheet ready to be made once its header is known, or why it cannot be.
struct SheetDraft {
    QString problem;   // why no sheet can be made now, or empty
    QString fileName;  // the PDF's proposed name: "招标代理服务费计算书-2026-12-07.pdf"
    std::function<SheetDocument(const SheetHeader&)> make;
    // What it makes, as the dialogs say it: "计算书", "收费通知书".
    QString what = QStringLiteral("计算书");
    // The proposed name once the header is known, where it depends on it
    // (a notice for one lot names its 标段); nothing for `fileName` as it is.
    std::function<QString(const SheetHeader&)> nameFor = {};
    // Told to whoever makes it, once it is made (the lots left out of notices).
    QString said = {};
};

// Where the save dialog starts: the user's documents folder, or the home
// folder where there is none.
QString SheetFolder();

// Writes the sheet as a PDF at `path`; an empty string, or the message
// (StoppedByUser() when `progress` stopped it: nothing is written then).
QString WriteSheet(const SheetDocument& sheet, const QString& path,
                   const SheetProgress& progress = {});

// Asks for the header, where to save it, writes it and opens it.
void ExportSheet(QWidget& parent, const SheetDraft& draft);

// Asks for the header and shows the sheet in a print preview, from which it is printed.
void PrintSheet(QWidget& parent, const SheetDraft& draft);

}  // namespace kelvora::ui
