#include "ui/binding/sheet_offers.h"

#include <QAction>
#include <QMenu>

#include "ui/common/error_report.h"
#include "ui/documents/documents.h"
#include "ui/widgets/result_view.h"

namespace kelvora::ui {
namespace {

void Make(QWidget& window, const DocumentOffer& offer, const CurrentPage& current)
{
    RunReported(&window, [&] {
        if (const auto source = current()) {  // the about page has none
            MakeDocument(window, offer, *source);
        }
    });
}

void AddOffers(QMenu& menu, QWidget& window, const CurrentPage& current)
{
    const auto source = current();
    if (!source) {
        return;
    }
    if (!menu.isEmpty()) {
        menu.addSeparator();
    }
    for (const DocumentOffer& offer : DocumentOffers()) {
        if (!Offered(offer, *source)) {
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(offer.text));
        action->setShortcut(QKeySequence(offer.keys));
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, &offer, current] { Make(window, offer, current); });
    }
}

}  // namespace

void SetUpDocumentKeys(QWidget& window, const CurrentPage& current)
{
    for (const DocumentOffer& offer : DocumentOffers()) {
        if (offer.place != DocumentPlace::Page) {
            continue;
        }
        auto* action = new QAction(QString::fromUtf8(offer.text), &window);
        action->setShortcut(QKeySequence(offer.keys));
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, &offer, current] { Make(window, offer, current); });
    }
}

void OfferDocumentsOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find,
                          const CurrentPage& current)
{
    // The bare area of the page: the page itself and its frame.
    QWidget* frame = find(calculator.frame);
    if (frame == nullptr) {
        return;
    }
    for (QWidget* area : {frame->parentWidget(), frame}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(area, &QWidget::customContextMenuRequested, area,
                         [&window, area, current](const QPoint& at) {
                             QMenu menu(area);
                             AddOffers(menu, window, current);
                             menu.exec(area->mapToGlobal(at));
                         });
    }
    for (const CalculatorStep& step : calculator.steps) {
        if (ResultView* view = ResultView::Of(find(step.result))) {
            view->SetMenuExtras(
                [&window, current](QMenu& menu) { AddOffers(menu, window, current); });
        }
    }
}

}  // namespace kelvora::ui
