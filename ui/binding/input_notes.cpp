#include "ui/binding/input_notes.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <memory>

#include "calc/input_check.h"
#include "ui/common/qt_text.h"
#include "ui/widgets/note_mark.h"

namespace kelvora::ui {
namespace {

// Rewrites the box as one edit, so Ctrl+Z brings the old text back.
QAction* AddCorrection(QMenu& menu, QLineEdit* box, QAction* before)
{
    const auto correction = SuggestCorrection(box->text().toStdString(), InputKind::Amount);
    if (!correction) {
        return nullptr;
    }
    auto* action = new QAction(ToQString(correction->offer), &menu);
    const QString text = ToQString(correction->text);
    QObject::connect(action, &QAction::triggered, box, [box, text] {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        box->insert(text);
    });
    menu.insertAction(before, action);
    return action;
}

// The offers of an amount box: on a click on its mark and atop its own menu.
void OfferCorrections(QLineEdit* box, QAction* mark)
{
    QObject::connect(mark, &QAction::triggered, box, [box, mark] {
        QMenu menu(box);
        menu.addAction(mark->text())->setEnabled(false);
        menu.addSeparator();
        if (AddCorrection(menu, box, nullptr) == nullptr) {
            return;  // nothing evident to offer: the tooltip says it all
        }
        menu.exec(box->mapToGlobal(QPoint(box->width() - 16, box->height())));
    });
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint& at) {
        std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        const QList<QAction*> actions = menu->actions();
        if (AddCorrection(*menu, box, actions.isEmpty() ? nullptr : actions.front()) != nullptr) {
            menu->insertSeparator(actions.isEmpty() ? nullptr : actions.front());
        }
        menu->exec(box->mapToGlobal(at));
    });
}

}  // namespace

void AttachInputNotes(const Calculator& calculator, const ControlLookup& find)
{
    for (const CalculatorStep& step : calculator.steps) {
        for (const CalculatorInput& input : step.inputs) {
            if (!IsNumberKind(input.kind) && input.kind != InputKind::Choice) {
                continue;
            }
            QWidget* widget = find(input.control);
            if (QLineEdit* box = EditOf(widget)) {
                QAction* mark = AddNoteMark(box);
                if (input.kind == InputKind::Amount) {
                    OfferCorrections(box, mark);
                }
            }
        }
    }
}

}  // namespace kelvora::ui
