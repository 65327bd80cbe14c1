#include "ui/binding/keyboard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <functional>

#include "calc/calculators.h"
#include "ui/layout/control_table.h"
#include "ui/widgets/date_picker.h"
#include "ui/widgets/result_view.h"

namespace kelvora::ui {
namespace {

// Hands the key presses that reach a widget to `handle`, which says whether
// it took the key.
class KeyHandler : public QObject {
public:
    KeyHandler(QObject* watched, std::function<bool(const QKeyEvent&)> handle)
        : QObject(watched), m_handle(std::move(handle))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::KeyPress && m_handle(*static_cast<QKeyEvent*>(event));
    }

private:
    std::function<bool(const QKeyEvent&)> m_handle;
};

// Enter (or keypad Enter) on `watched` clicks `button`; on the button itself,
// Space does too, as buttons do.
void EnterPresses(QObject* watched, QAbstractButton* button)
{
    new KeyHandler(watched, [watched, button](const QKeyEvent& key) {
        const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
        if ((key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) || mods != Qt::NoModifier ||
            !button->isEnabled()) {
            return false;
        }
        for (QObject* o = watched; o != nullptr; o = o->parent()) {
            if (auto* picker = dynamic_cast<DatePicker*>(o)) {
                picker->TakeTypedDate();  // a date typed whole counts before the press
                break;
            }
        }
        button->click();
        return true;
    });
}

// The Menu key or Shift+F10 on `watched` opens the menu of the step's result,
// so a figure can be copied without the mouse (the result takes no Tab stop).
void ResultMenuKey(QObject* watched, QWidget* result)
{
    new KeyHandler(watched, [result](const QKeyEvent& key) {
        const bool menuKey = key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier;
        const bool shiftF10 = key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
        if (!menuKey && !shiftF10) {
            return false;
        }
        if (ResultView* view = ResultView::Of(result)) {
            view->OpenMenu();
        }
        return true;
    });
}

// Enter in `input` presses `button`; a box with an inner line edit (the
// editable combo box, the date box) gets it there too.
void PressOnEnter(QWidget* input, QAbstractButton* button)
{
    EnterPresses(input, button);
    if (auto* combo = qobject_cast<QComboBox*>(input); combo && combo->lineEdit()) {
        EnterPresses(combo->lineEdit(), button);
    }
    if (auto* picker = qobject_cast<QDateTimeEdit*>(input)) {
        if (auto* edit = picker->findChild<QLineEdit*>()) {
            EnterPresses(edit, button);
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
                ResultMenuKey(find(input.control), result);
            }
        }
        PressOnEnter(button, button);
        ResultMenuKey(button, result);
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
