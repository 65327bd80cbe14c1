#include "ui/widgets/note_mark.h"

#include "ui/common/qt_text.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "ui/widgets/drawn_icon.h"

namespace kelvora::ui {
namespace {

constexpr const char* kMarkName = "inputNote";

}  // namespace

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
    mark->setToolTip(PlainTip(words));
    mark->setText(words);
    input->setAccessibleDescription(words);
}

QAction* InputNoteMark(const QWidget* input)
{
    const QLineEdit* box = EditOf(input);
    return box == nullptr ? nullptr : box->findChild<QAction*>(QLatin1String(kMarkName));
}

}  // namespace kelvora::ui
