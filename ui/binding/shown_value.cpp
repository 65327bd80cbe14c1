#include "ui/binding/shown_value.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>

namespace kelvora::ui {

QString ShownText(const QWidget* widget)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text().trimmed();
    }
    if (const auto* picker = qobject_cast<const QDateTimeEdit*>(widget)) {
        return picker->text();
    }
    return {};
}

bool IsTicked(const QWidget* widget)
{
    if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        return box->checkState() == Qt::Checked;
    }
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button != nullptr && button->isCheckable() && button->isChecked();
}

QDateTime ShownDateTime(const QWidget* widget)
{
    const auto* picker = qobject_cast<const QDateTimeEdit*>(widget);
    return picker != nullptr ? picker->dateTime() : QDateTime();
}

}  // namespace kelvora::ui
