#include "ui/binding/keyboard.h"

#include "ui/common/qt_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <functional>
#include <utility>

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
// An X server turns the Menu key into a context-menu request first, which a
// box would answer with its own edit menu, and then passes the key on: the
// request opens the result's menu, and the key that follows it is taken.
class ResultMenuKey : public QObject {
public:
    ResultMenuKey(QObject* watched, std::vector<QWidget*> results, QStringList titles)
        : QObject(watched), m_results(std::move(results)), m_titles(std::move(titles))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ContextMenu &&
            static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            m_requested = true;
            Open();
            return true;
        }
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (!menuKey && !shiftF10) {
            return false;
        }
        if (!std::exchange(m_requested, false)) {
            Open();
        }
        return true;
    }

private:
    void Open()
    {
        std::vector<ResultView*> views;
        for (QWidget* result : m_results) {
            views.push_back(ResultView::Of(result));
        }
        if (!views.empty()) {
            ResultView::OpenMenus(views, m_titles);
        }
    }

    std::vector<QWidget*> m_results;  // the results its button shows, in order
    QStringList m_titles;
    bool m_requested = false;  // the menu was opened for the key pressed now
};

// The line edit inside a box that has one (the editable combo box, the date
// box), where the keys typed into it arrive.
QLineEdit* InnerEdit(QWidget* input)
{
    if (auto* combo = qobject_cast<QComboBox*>(input)) {
        return combo->lineEdit();
    }
    if (qobject_cast<QDateTimeEdit*>(input) != nullptr) {
        return input->findChild<QLineEdit*>();
    }
    return nullptr;
}

// Enter in `input` presses `button`; a box with an inner line edit (the
// editable combo box, the date box) gets it there too.
void PressOnEnter(QWidget* input, QAbstractButton* button)
{
    EnterPresses(input, button);
    if (QLineEdit* edit = InnerEdit(input)) {
        EnterPresses(edit, button);
    }
}

// The Menu key in `input`, or in the line edit inside it, opens the menu of
// `results` (those its step's button shows).
void MenuKeyOpens(QWidget* input, const std::vector<QWidget*>& results, const QStringList& titles)
{
    new ResultMenuKey(input, results, titles);
    if (QLineEdit* edit = InnerEdit(input)) {
        new ResultMenuKey(edit, results, titles);
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
    // A control read by two steps (a button that starts both) answers for the first.
    std::vector<QWidget*> done;
    const auto once = [&done](QWidget* widget) {
        if (widget == nullptr || std::find(done.begin(), done.end(), widget) != done.end()) {
            return false;
        }
        done.push_back(widget);
        return true;
    };
    for (const CalculatorStep& step : calculator.steps) {
        if (step.kind != StepKind::Calculation) {
            continue;
        }
        auto* button = Lookup<QAbstractButton>(find, step.buttons.front());
        if (button == nullptr) {
            continue;
        }
        // the results its button shows: this step's, and those pressed with it
        // (the fee charged beside the standard fee)
        std::vector<QWidget*> results;
        QStringList titles;
        for (const CalculatorStep& other : calculator.steps) {
            QWidget* shown = find(other.result);
            if (other.kind == StepKind::Calculation &&
                other.buttons.front() == step.buttons.front() &&
                std::find(results.begin(), results.end(), shown) == results.end()) {
                results.push_back(shown);
                titles << ToQString(other.name);
            }
        }
        for (const CalculatorInput& input : step.inputs) {
            if (QWidget* widget = find(input.control);
                input.kind != InputKind::Result && once(widget)) {
                PressOnEnter(widget, button);
                MenuKeyOpens(widget, results, titles);
            }
        }
        if (once(button)) {
            PressOnEnter(button, button);
            MenuKeyOpens(button, results, titles);
        }
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
