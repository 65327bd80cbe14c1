#pragma once
// Every document the program makes, in one table: where it is offered (a
// calculator's page, a batch window, the tender's timetable), the words and
// keys it is offered with, whether it is offered there now, and how it is
// drafted from its typed source. The page's menus and keys, the batch
// window's buttons and the timetable's buttons all offer from here: a new
// document is one file that drafts it and one row.
//
//   DocumentSource --offer.draft--> SheetDraft --MakeDocument--> PDF | print preview

#include <QKeyCombination>
#include <span>

#include "ui/documents/document_source.h"
#include "ui/sheet/sheet_output.h"

class QWidget;

namespace kelvora::ui {

enum class DocumentPlace { Page, Batch, Timetable };
enum class DocumentOutput { Pdf, Print };

struct DocumentOffer {
    DocumentPlace place;
    DocumentOutput output;
    const char* text;      // as a menu or a button offers it (UTF-8): "导出计算书（PDF）…"
    QKeyCombination keys;  // its key in the place's window: Ctrl+S
    // Whether the source has the document (the tender page alone has a fee
    // notice), or nullptr for every source of its place.
    bool (*offered)(const DocumentSource& source);
    SheetDraft (*draft)(const DocumentSource& source);
};

std::span<const DocumentOffer> DocumentOffers();

// The words of the page's own calculation sheet as menus offer it: "导出计算书（PDF）…".
QString ExportSheetText();

// Whether `offer` stands where `source` comes from, and is offered for it.
bool Offered(const DocumentOffer& offer, const DocumentSource& source);

// Makes the document of `offer` from `source`: said why not, or its header
// asked for and the sheet saved as a PDF or shown in a print preview.
void MakeDocument(QWidget& parent, const DocumentOffer& offer, const DocumentSource& source);

}  // namespace kelvora::ui
