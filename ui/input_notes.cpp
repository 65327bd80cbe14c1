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

void AttachInputNotes(const ControlMap& widgets)
{
    const struct {
        ControlName box;
        InputKind kind;
    } numbers[] = {
        {role::kTenderAmount, InputKind::Amount},    {role::kFeeBasis, InputKind::Amount},
        {role::kDiscipline, InputKind::Coefficient}, {role::kElevation, InputKind::Coefficient},
        {role::kRange, InputKind::Percent},
    };
    for (const auto& number : numbers) {
        if (auto* box = Lookup<QLineEdit>(widgets, number.box)) {
            const InputKind kind = number.kind;
            Attach(box, box, [kind](std::string_view text) { return InputNote(text, kind); });
        }
    }
    if (auto* combo = Lookup<QComboBox>(widgets, role::kTenderType); combo && combo->lineEdit()) {
        Attach(combo->lineEdit(), combo, &TenderTypeNote);
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
