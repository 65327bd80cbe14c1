#include "ui/keyboard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include "calc/calculators.h"
#include "ui/control_table.h"
#include "ui/date_picker.h"
#include "ui/result_view.h"

namespace kelvora::ui {
namespace {

// Enter (or keypad Enter) on a widget clicks a button; on the button itself,
// Space does too, as buttons do.
class EnterPresses : public QObject {
public:
    EnterPresses(QObject* watched, QAbstractButton* button) : QObject(watched), m_button(button)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            mods == Qt::NoModifier && m_button->isEnabled()) {
            for (QObject* o = parent(); o != nullptr; o = o->parent()) {
                if (auto* picker = dynamic_cast<DatePicker*>(o)) {
                    picker->TakeTypedDate();  // a date typed whole counts before the press
                    break;
                }
            }
            m_button->click();
            return true;
        }
        return false;
    }

private:
    QAbstractButton* m_button;
};

// The Menu key or Shift+F10 opens the menu of the step's result, so a figure
// can be copied without the mouse (the result itself takes no Tab stop).
class ResultMenuKey : public QObject {
public:
    ResultMenuKey(QObject* watched, QWidget* result) : QObject(watched), m_result(result)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (!menuKey && !shiftF10) {
            return false;
        }
        if (ResultView* view = ResultView::Of(m_result)) {
            view->OpenMenu();
        }
        return true;
    }

private:
    QWidget* m_result;
};

// Enter in `input` presses `button`; a box with an inner line edit (the
// editable combo box, the date box) gets it there too.
void PressOnEnter(QWidget* input, QAbstractButton* button)
{
    new EnterPresses(input, button);
    if (auto* combo = qobject_cast<QComboBox*>(input); combo && combo->lineEdit()) {
        new EnterPresses(combo->lineEdit(), button);
    }
    if (auto* picker = qobject_cast<QDateTimeEdit*>(input)) {
        if (auto* edit = picker->findChild<QLineEdit*>()) {
            new EnterPresses(edit, button);
        }
    }
}

}  // namespace

QWidget* FirstInputOf(const ControlLookup& find, int page)
{
    for (ControlName name : FocusOrder()) {
        if (PageOf(name) == page) {
            return find(name);
        }
    }
    return Lookup(find, role::kTabs);
}

void SetUpEnterKeys(const Calculator& calculator, const ControlLookup& find)
{
    // Enter in an input presses the button of the step that reads it; the
    // captions a step reads are not inputs one types into, and the options
    // of a choice are pressed themselves.
    for (const CalculatorStep& step : calculator.steps) {
        if (step.kind != StepKind::Calculation) {
            continue;
        }
        auto* button = Lookup<QAbstractButton>(find, step.buttons.front());
        if (button == nullptr) {
            continue;
        }
        QWidget* result = find(step.result);
        for (const CalculatorInput& input : step.inputs) {
            if (input.kind != InputKind::Result) {
                PressOnEnter(find(input.control), button);
                new ResultMenuKey(find(input.control), result);
            }
        }
        PressOnEnter(button, button);
        new ResultMenuKey(button, result);
    }
}

void SetUpKeyboard(QWidget* window, const ControlLookup& find)
{
    auto* tabs = Lookup<QTabWidget>(find, role::kTabs);
    if (tabs == nullptr) {
        return;
    }
    // A page chosen from the keyboard or the mouse starts at its first
    // input, unless the user is moving along the tab bar itself.
    QObject::connect(tabs, &QTabWidget::currentChanged, window, [tabs, find](int page) {
        if (!tabs->tabBar()->hasFocus()) {
            if (QWidget* first = FirstInputOf(find, page)) {
                first->setFocus(Qt::TabFocusReason);
            }
        }
    });
    const auto turn = [tabs](int step) {
        const int count = tabs->count();
        tabs->setCurrentIndex((tabs->currentIndex() + step + count) % count);
    };
    const struct {
        QKeySequence keys;
        int step;
    } pageKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& keys : pageKeys) {
        auto* shortcut = new QShortcut(keys.keys, window);
        const int step = keys.step;
        QObject::connect(shortcut, &QShortcut::activated, window, [turn, step, tabs] {
            tabs->tabBar()->clearFocus();
            turn(step);
        });
    }
}

}  // namespace kelvora::ui
