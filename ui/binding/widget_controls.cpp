#include "ui/binding/widget_controls.h"

#include <QLabel>

#include "calc/yuan_amount.h"

#include "ui/binding/shown_value.h"
#include "ui/common/internal_error.h"
#include "ui/common/qt_text.h"
#include "ui/widgets/fitting_label.h"
#include "ui/widgets/result_view.h"

namespace kelvora::ui {
namespace {

template <typename T = QWidget>
T* Require(const ControlLookup& find, ControlName control)
{
    T* widget = Lookup<T>(find, control);
    if (widget == nullptr) {
        throw InternalError();
    }
    return widget;
}

}  // namespace

std::string WidgetControls::Text(ControlName control) const
{
    return ShownText(Require(m_find, control)).toStdString();
}

bool WidgetControls::Checked(ControlName control) const
{
    return IsTicked(Require(m_find, control));
}

DateTime WidgetControls::Date(ControlName control) const
{
    const QDateTime value = ShownDateTime(Require(m_find, control));
    // QDate::toStdSysDays() needs a newer standard library than g++ 12's;
    // Julian day 2440588 is 1970-01-01, the epoch of the chrono clocks.
    constexpr qint64 kJulianDayOfEpoch = 2440588;
    const std::chrono::days day{value.date().toJulianDay() - kJulianDayOfEpoch};
    return DateTime{day} + std::chrono::seconds{value.time().msecsSinceStartOfDay() / 1000};
}

Result WidgetControls::Shown(ControlName result) const
{
    auto* label = Require<QLabel>(m_find, result);
    Result shown;
    if (const ResultView* view = ResultView::Of(label)) {
        shown = view->Shown();
    }
    shown.caption = label->text().toStdString();
    return shown;
}

void WidgetControls::WriteResult(ControlName control, const Result& result)
{
    auto* label = Require<QLabel>(m_find, control);
    if (ResultView* view = ResultView::Of(label)) {
        view->Write(result);
    } else {
        label->setToolTip(ToQString(ShownWorking(result)));
        label->setText(ToQString(result.caption));
        FitToText(label);
    }
    if (m_written) {
        m_written(control);
    }
}

}  // namespace kelvora::ui
