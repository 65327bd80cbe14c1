#include "ui/input_notes.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <memory>

#include "calc/input_check.h"
#include "ui/drawn_icon.h"
#include "ui/qt_text.h"

namespace kelvora::ui {
namespace {

constexpr const char* kMarkName = "inputNote";

// The line edit that shows an input's text.
QLineEdit* EditOf(const QWidget* input)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(input)) {
        return combo->lineEdit();
    }
    if (qobject_cast<const QLineEdit*>(input) == nullptr && input != nullptr) {
        return input->findChild<QLineEdit*>();  // the date box's own
    }
    return const_cast<QLineEdit*>(qobject_cast<const QLineEdit*>(input));
}

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

QAction* AddNoteMark(QLineEdit* box)
{
    QAction* mark = box->addAction(WarningMarkIcon(box), QLineEdit::TrailingPosition);
    mark->setObjectName(QLatin1String(kMarkName));
    mark->setVisible(false);
    return mark;
}

void ShowInputNote(QWidget* input, const QString& words)
{
    QAction* mark = InputNoteMark(input);
    if (mark == nullptr || (mark->isVisible() == !words.isEmpty() && mark->text() == words)) {
        return;
    }
    mark->setVisible(!words.isEmpty());
    mark->setToolTip(words);
    mark->setText(words);
    input->setAccessibleDescription(words);
}

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

QAction* InputNoteMark(const QWidget* input)
{
    const QLineEdit* box = EditOf(input);
    return box == nullptr ? nullptr : box->findChild<QAction*>(QLatin1String(kMarkName));
}

}  // namespace kelvora::ui
