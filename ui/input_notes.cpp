#include "ui/input_notes.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <functional>
#include <optional>
#include <string>

#include "calc/input_check.h"
#include "ui/drawn_icon.h"
#include "ui/qt_text.h"

namespace kelvora::ui {
namespace {

using Note = std::function<std::optional<std::string>(std::string_view)>;

constexpr const char* kMarkName = "inputNote";

// An orange disc with a white "!".
QIcon WarningIcon(const QWidget* box)
{
    return DrawnIcon(box, [](QPainter& painter) {
        painter.setBrush(QColor(0xE6, 0x7E, 0x00));
        painter.drawEllipse(QRectF(2, 2, 12, 12));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(7.2, 4.5, 1.6, 5));
        painter.drawEllipse(QRectF(7.1, 10.5, 1.8, 1.8));
    });
}

void Attach(QLineEdit* box, QWidget* described, Note note)
{
    QAction* mark = box->addAction(WarningIcon(box), QLineEdit::TrailingPosition);
    mark->setObjectName(QLatin1String(kMarkName));
    mark->setVisible(false);
    const auto update = [box, described, mark, note] {
        const auto text = note(box->text().toStdString());
        mark->setVisible(text.has_value());
        const QString words = text ? ToQString(*text) : QString();
        mark->setToolTip(words);
        mark->setText(words);
        described->setAccessibleDescription(words);
    };
    QObject::connect(box, &QLineEdit::textChanged, mark, update);
    update();
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
            auto* box = qobject_cast<QLineEdit*>(widget);
            if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                box = combo->lineEdit();
            }
            if (box != nullptr) {
                Attach(box, widget,
                       [&input](std::string_view text) { return InputNote(input, text); });
            }
        }
    }
}

QAction* InputNoteMark(const QWidget* input)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(input)) {
        input = combo->lineEdit();
    }
    return input == nullptr ? nullptr : input->findChild<QAction*>(QLatin1String(kMarkName));
}

}  // namespace kelvora::ui
