#include "ui/binding/sheet_offers.h"

#include <QAction>
#include <QMenu>

#include "ui/binding/calculation_sheet.h"
#include "ui/common/error_report.h"
#include "ui/sheet/sheet_output.h"
#include "ui/widgets/result_view.h"

namespace kelvora::ui {
namespace {

void Export(QWidget& window)
{
    RunReported(&window, [&] {
        if (HasCalculationSheet(window)) {  // the about page has none
            ExportSheet(window, CalculationSheetDraft(window));
        }
    });
}

void Print(QWidget& window)
{
    RunReported(&window, [&] {
        if (HasCalculationSheet(window)) {
            PrintSheet(window, CalculationSheetDraft(window));
        }
    });
}

void Notice(QWidget& window)
{
    RunReported(&window, [&] {
        if (HasFeeNotice(window)) {  // the tender page alone
            ExportSheet(window, FeeNoticeDraft(window));
        }
    });
}

QString NoticeText()
{
    return QStringLiteral("收费通知书（PDF）…");
}

// The offers, as menu entries or as the window's own shortcuts; the notice
// only where the page's fee has one.
struct Offer {
    QString (*text)();
    QKeySequence (*keys)();  // made when asked: a standard key needs the application
    void (*run)(QWidget&);
    bool (*offered)(QWidget&);
};
const Offer kOffers[] = {
    {&ExportSheetText, [] { return QKeySequence(QKeySequence::Save); }, &Export,
     &HasCalculationSheet},
    {&PrintSheetText, [] { return QKeySequence(QKeySequence::Print); }, &Print,
     &HasCalculationSheet},
    {&NoticeText, [] { return QKeySequence(Qt::CTRL | Qt::Key_N); }, &Notice, &HasFeeNotice},
};

void AddOffers(QMenu& menu, QWidget& window)
{
    if (!menu.isEmpty()) {
        menu.addSeparator();
    }
    for (const Offer& offer : kOffers) {
        if (!offer.offered(window)) {
            continue;
        }
        QAction* action = menu.addAction(offer.text());
        action->setShortcut(offer.keys());
        const auto run = offer.run;
        QObject::connect(action, &QAction::triggered, &window, [&window, run] { run(window); });
    }
}

}  // namespace

void SetUpSheetExport(QWidget& window)
{
    for (const Offer& offer : kOffers) {
        auto* action = new QAction(offer.text(), &window);
        action->setShortcut(offer.keys());
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
        const auto run = offer.run;
        QObject::connect(action, &QAction::triggered, &window, [&window, run] { run(window); });
    }
}

void OfferSheetOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find)
{
    // The bare area of the page: the page itself and its frame.
    QWidget* frame = find(calculator.frame);
    if (frame == nullptr) {
        return;
    }
    for (QWidget* area : {frame->parentWidget(), frame}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(area, &QWidget::customContextMenuRequested, area,
                         [&window, area](const QPoint& at) {
                             QMenu menu(area);
                             AddOffers(menu, window);
                             menu.exec(area->mapToGlobal(at));
                         });
    }
    for (const CalculatorStep& step : calculator.steps) {
        if (ResultView* view = ResultView::Of(find(step.result))) {
            view->SetMenuExtras([&window](QMenu& menu) { AddOffers(menu, window); });
        }
    }
}

}  // namespace kelvora::ui
