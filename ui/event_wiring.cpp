#include "ui/event_wiring.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabWidget>
#include <array>
#include <functional>

#include "calc/calendar_days.h"
#include "calc/supervision_fee.h"
#include "calc/tender_fee.h"
#include "ui/error_report.h"
#include "ui/web_link.h"

namespace kelvora::ui {
namespace {

// Captureless lambdas stand where a handler needs an argument of its own.
constexpr std::array kBindings{
    EventBinding{role::kTenderCalculate, ControlEvent::Click, &Command1Click},
    EventBinding{role::kBasePriceCalculate, ControlEvent::Click, &Command10Click},
    EventBinding{role::kBenchmarkCalculate, ControlEvent::Click, &Command2Click},
    EventBinding{role::kChargedFeeCalculate, ControlEvent::Click, &Command3Click},
    EventBinding{role::kComplexityGeneral, ControlEvent::Click,
                 [](Controls& c) { ComplexityCoefficient(c, 0); }},
    EventBinding{role::kComplexityModerate, ControlEvent::Click,
                 [](Controls& c) { ComplexityCoefficient(c, 1); }},
    EventBinding{role::kComplexityHigh, ControlEvent::Click,
                 [](Controls& c) { ComplexityCoefficient(c, 2); }},
    EventBinding{role::kPeriodCalculate, ControlEvent::Click, &Command4Click},
    EventBinding{role::kWebLink, ControlEvent::Click, [](Controls&) { OpenWebPage(); }},
    EventBinding{role::kTabs, ControlEvent::DoubleClick, [](Controls&) { OpenWebPage(); }},
};

// Turns left-button clicks (press and release on the widget) or double-clicks
// that reach a widget into calls of one action.
class MouseAction : public QObject {
public:
    MouseAction(QWidget* widget, ControlEvent event, std::function<void()> action)
        : QObject(widget), m_event(event), m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A clickable control that has the focus (the link) is pressed with
        // Enter or Space as well.
        if (m_event == ControlEvent::Click && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                m_action();
                return true;
            }
            return false;
        }
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonRelease &&
            event->type() != QEvent::MouseButtonDblClick) {
            return false;
        }
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) {
            return false;
        }
        if (m_event == ControlEvent::DoubleClick) {
            if (event->type() == QEvent::MouseButtonDblClick) {
                m_action();
                return true;
            }
            return false;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = true;
        } else if (event->type() == QEvent::MouseButtonRelease && m_pressed) {
            m_pressed = false;
            const auto* widget = static_cast<QWidget*>(watched);
            if (widget->rect().contains(mouse->position().toPoint())) {
                m_action();
            }
        }
        return false;
    }

private:
    ControlEvent m_event;
    std::function<void()> m_action;
    bool m_pressed = false;
};

void Connect(QWidget* widget, ControlEvent event, const std::function<void()>& action)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button && event == ControlEvent::Click) {
        QObject::connect(button, &QAbstractButton::clicked, button, [action] { action(); });
        return;
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget);
        tabs && event == ControlEvent::DoubleClick) {
        // The tab strip keeps its double-clicks; the pages pass theirs up.
        QObject::connect(tabs, &QTabWidget::tabBarDoubleClicked, tabs, [action] { action(); });
    }
    new MouseAction(widget, event, action);
}

}  // namespace

std::span<const EventBinding> EventBindings()
{
    return kBindings;
}

void WireEvents(const ControlMap& widgets, Controls& controls, QWidget* window)
{
    for (const EventBinding& binding : kBindings) {
        QWidget* widget = Lookup(widgets, binding.control);
        if (widget == nullptr) {
            continue;
        }
        const Handler handler = binding.handler;
        Connect(widget, binding.event,
                [window, &controls, handler] { RunReported(window, [&] { handler(controls); }); });
    }
}

}  // namespace kelvora::ui
