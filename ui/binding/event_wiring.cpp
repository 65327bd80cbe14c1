#include "ui/binding/event_wiring.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabWidget>
#include <algorithm>
#include <functional>
#include <iterator>

#include "calc/calculators.h"
#include "ui/common/error_report.h"
#include "ui/common/web_link.h"
#include "ui/layout/control_table.h"

namespace kelvora::ui {
namespace {

// The bindings that are not a calculator's: both open the guide.
constexpr EventBinding kGuideBindings[] = {
    {role::kWebLink, ControlEvent::Click, nullptr},
    {role::kTabs, ControlEvent::DoubleClick, nullptr},
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

std::vector<EventBinding> EventBindings()
{
    std::vector<EventBinding> bindings;
    for (const Calculator* calculator : Calculators()) {
        for (const CalculatorStep& step : calculator->steps) {
            for (ControlName button : step.buttons) {
                bindings.push_back({button, ControlEvent::Click, &step});
            }
        }
    }
    bindings.insert(bindings.end(), std::begin(kGuideBindings), std::end(kGuideBindings));
    return bindings;
}

void WireGuideLinks(int page, const ControlLookup& find, QWidget* window)
{
    for (const EventBinding& binding : kGuideBindings) {
        if (PageOf(binding.control) != page) {
            continue;
        }
        if (QWidget* widget = Lookup(find, binding.control)) {
            Connect(widget, binding.event, [window] { RunReported(window, [] { OpenGuide(); }); });
        }
    }
}

}  // namespace kelvora::ui
