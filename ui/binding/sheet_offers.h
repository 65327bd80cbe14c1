#pragma once
// Where a calculator page offers its documents: the window's keys (Ctrl+S,
// Ctrl+P, Ctrl+N), the context menu of the page's bare area and of its result
// labels, each entry as the documents' table words it ("导出计算书（PDF）…",
// "打印计算书…", "收费通知书（PDF）…"), offered where the page has the document.
//
//   key | menu --the current page's source--> MakeDocument

#include <functional>
#include <optional>

#include "calc/calculator.h"
#include "ui/common/control_lookup.h"
#include "ui/documents/document_source.h"

namespace kelvora::ui {

// The source of the window's current page, or nothing (the about page).
using CurrentPage = std::function<std::optional<DocumentSource>()>;

// The keys of the page documents in `window`.
void SetUpDocumentKeys(QWidget& window, const CurrentPage& current);

// The offers on the calculator's page: the context menu of its bare area
// and of its results.
void OfferDocumentsOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find,
                          const CurrentPage& current);

}  // namespace kelvora::ui
