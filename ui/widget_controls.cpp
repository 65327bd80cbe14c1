#include "ui/widget_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <stdexcept>
#include <string>

#include "ui/control_factory.h"
#include "ui/qt_text.h"

namespace kelvora::ui {

QWidget* WidgetControls::Find(std::string_view control) const
{
    const auto it = m_widgets.find(control);
    if (it == m_widgets.end()) {
        throw std::logic_error("no control named " + std::string(control));
    }
    return it->second;
}

std::string WidgetControls::Text(std::string_view control) const
{
    QWidget* widget = Find(control);
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        text = edit->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        text = combo->currentText();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
    } else {
        throw std::logic_error("control has no text: " + std::string(control));
    }
    return text.toStdString();
}

int WidgetControls::Value(std::string_view control) const
{
    auto* box = qobject_cast<QCheckBox*>(Find(control));
    if (box == nullptr) {
        throw std::logic_error("control has no value: " + std::string(control));
    }
    switch (box->checkState()) {
        case Qt::Checked:
            return kChecked;
        case Qt::PartiallyChecked:
            return kGrayed;
        case Qt::Unchecked:
            break;
    }
    return kUnchecked;
}

DateTime WidgetControls::Date(std::string_view control) const
{
    auto* picker = qobject_cast<QDateTimeEdit*>(Find(control));
    if (picker == nullptr) {
        throw std::logic_error("control has no date: " + std::string(control));
    }
    namespace chrono = std::chrono;
    const QDateTime value = picker->dateTime();
    const QDate date = value.date();
    const chrono::year_month_day civil{chrono::year{date.year()},
                                       chrono::month{static_cast<unsigned>(date.month())},
                                       chrono::day{static_cast<unsigned>(date.day())}};
    return chrono::local_days{civil} + chrono::seconds{value.time().msecsSinceStartOfDay() / 1000};
}

QLabel* WidgetControls::FindLabel(std::string_view control) const
{
    auto* label = qobject_cast<QLabel*>(Find(control));
    if (label == nullptr) {
        throw std::logic_error("control has no caption: " + std::string(control));
    }
    return label;
}

void WidgetControls::SetCaption(std::string_view control, std::string_view caption)
{
    QLabel* label = FindLabel(control);
    label->setText(ToQString(caption));
    FitToText(label);
}

void WidgetControls::SetWorking(std::string_view control, std::string_view working)
{
    FindLabel(control)->setToolTip(ToQString(working));
}

}  // namespace kelvora::ui
