#include "ui/widget_controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>

#include "ui/fitting_label.h"
#include "ui/internal_error.h"
#include "ui/qt_text.h"
#include "ui/result_view.h"

namespace kelvora::ui {
namespace {

template <typename T>
T* Require(const ControlMap& widgets, ControlName control)
{
    T* widget = Lookup<T>(widgets, control);
    if (widget == nullptr) {
        throw InternalError();
    }
    return widget;
}

}  // namespace

std::string WidgetControls::Text(ControlName control) const
{
    QWidget* widget = Require<QWidget>(m_widgets, control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text().toStdString();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText().toStdString();
    }
    return Require<QLabel>(m_widgets, control)->text().toStdString();
}

bool WidgetControls::Checked(ControlName control) const
{
    return Require<QCheckBox>(m_widgets, control)->checkState() == Qt::Checked;
}

DateTime WidgetControls::Date(ControlName control) const
{
    const QDateTime value = Require<QDateTimeEdit>(m_widgets, control)->dateTime();
    // QDate::toStdSysDays() needs a newer standard library than g++ 12's;
    // Julian day 2440588 is 1970-01-01, the epoch of the chrono clocks.
    constexpr qint64 kJulianDayOfEpoch = 2440588;
    const std::chrono::days day{value.date().toJulianDay() - kJulianDayOfEpoch};
    return DateTime{day} + std::chrono::seconds{value.time().msecsSinceStartOfDay() / 1000};
}

void WidgetControls::WriteResult(ControlName control, const Result& result)
{
    QLabel* label = Require<QLabel>(m_widgets, control);
    if (ResultView* view = ResultView::Of(label)) {
        view->Write(ToQString(result.caption), ToQString(result.working));
    } else {
        label->setToolTip(ToQString(result.working));
        label->setText(ToQString(result.caption));
    }
    FitToText(label);
    if (m_written) {
        m_written(control);
    }
}

}  // namespace kelvora::ui
