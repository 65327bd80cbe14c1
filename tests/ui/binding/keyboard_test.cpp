// Working from the keyboard through the real window: the focus walk of each
// page, the page keys, Enter in each input, typed and pasted dates.

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QClipboard>
#include <QProcess>
#include <QTabBar>

#include "ui/layout/control_table.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

class KeyboardTest : public WindowTest {
protected:
    // The control of the table that a focused widget belongs to ("SSTab1"
    // for the tab bar).
    QString FocusedControl()
    {
        for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
            for (const ui::ControlRow& row : ui::ControlRows()) {
                if (window().control(row.name) == w) {
                    return Q(row.name.str());
                }
            }
        }
        return QStringLiteral("(none)");
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : &window(), key, modifiers);
        QApplication::processEvents();
    }
};

// Each page's controls in the order of the table, then the tab bar. The
// option buttons are one stop, as a group of options is on any desktop (the
// arrow keys move within it).
const struct PageWalk {
    int page;
    std::vector<const char*> stops;
} kWalks[] = {
    {0, {"Text1", "Combo1", "Check1", "Command1", "SSTab1"}},
    {1,
     {"Text2", "Command10", "Text4", "Option1", "Text3", "Command2", "Text5", "Command3",
      "SSTab1"}},
    {2, {"DTPicker1", "DTPicker2", "Command4", "SSTab1"}},
    {3, {"Label22", "SSTab1"}},
};

TEST_F(KeyboardTest, FocusStartsInTheFirstInputAndTabGoesRoundThePage)
{
    EXPECT_EQ(FocusedControl(), "Text2");
    for (const PageWalk& walk : kWalks) {
        SCOPED_TRACE(walk.page);
        ShowPage(walk.page);
        EXPECT_EQ(FocusedControl(), walk.stops.front());
        for (std::size_t i = 1; i <= walk.stops.size(); ++i) {
            Key(Qt::Key_Tab);
            EXPECT_EQ(FocusedControl(), walk.stops[i % walk.stops.size()]) << "after Tab " << i;
        }
        for (std::size_t i = walk.stops.size(); i-- > 0;) {
            Key(Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_EQ(FocusedControl(), walk.stops[i]) << "after Shift+Tab";
        }
    }
}

TEST_F(KeyboardTest, ArrowsMoveWithinTheOptionsAndChooseThem)
{
    ShowPage(1);
    Get(role::kComplexityGeneral)->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Right);
    EXPECT_EQ(FocusedControl(), "Option2");
    Key(Qt::Key_Space);
    EXPECT_TRUE(Get<QRadioButton>(role::kComplexityModerate)->isChecked());
    EXPECT_EQ(Caption(role::kComplexityCoefficient), "1.00");
    // Tab leaves the group from the chosen option
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusedControl(), "Text3");
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusedControl(), "Option2");
}

TEST_F(KeyboardTest, TheWindowReachesEveryFocusableControl)
{
    // The focus chain from the window is one ring through every control of
    // the focus order (no loop of inputs the window never reaches).
    std::set<QString> reached;
    QWidget* w = &window();
    do {
        for (const ui::ControlRow& row : ui::ControlRows()) {
            QWidget* control = window().control(row.name);
            if (control == w || (row.name == role::kTabs && w == Tabs()->tabBar())) {
                reached.insert(Q(row.name.str()));
            }
        }
        w = w->nextInFocusChain();
    } while (w != &window());
    for (ControlName name : ui::FocusOrder()) {
        EXPECT_TRUE(reached.count(Q(name.str()))) << name;
    }
}

TEST_F(KeyboardTest, PageKeysChangePageAndFocusItsFirstInput)
{
    const char* firsts[] = {"Text1", "Text2", "DTPicker1", "Label22"};
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int step;
    } keys[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 1},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1},
        {Qt::Key_PageUp, Qt::ControlModifier, -1},
    };
    for (const auto& k : keys) {
        for (int n = 0; n < 4; ++n) {
            const int expected = (Tabs()->currentIndex() + k.step + 4) % 4;
            Key(k.key, k.modifiers);
            EXPECT_EQ(Tabs()->currentIndex(), expected);
            EXPECT_EQ(FocusedControl(), firsts[expected]);
        }
    }
}

TEST_F(KeyboardTest, EnterInAnInputPressesItsStepsButton)
{
    const struct {
        ControlName input;
        int page;
        ControlName result;
        const char* shown;
    } cases[] = {
        {role::kTenderAmount, 0, role::kTenderFee, "22.55"},
        {role::kTenderType, 0, role::kTenderFee, "22.55"},
        {role::kDocumentService, 0, role::kTenderFee, "22.55"},
        {role::kFeeBasis, 1, role::kBasePrice, "629.5"},
        {role::kDiscipline, 1, role::kBenchmark, "629.5"},
        {role::kElevation, 1, role::kBenchmark, "629.5"},
        {role::kRange, 1, role::kChargedFee, "629.5"},
        {role::kStartDate, 2, role::kPeriod, "0"},
        {role::kCompletionDate, 2, role::kPeriod, "0"},
        // on a button, Enter or Space
        {role::kTenderCalculate, 0, role::kTenderFee, "22.55"},
        {role::kBasePriceCalculate, 1, role::kBasePrice, "629.5"},
        {role::kPeriodCalculate, 2, role::kPeriod, "0"},
    };
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.input);
            ShowPage(c.page);
            Type(role::kTenderAmount, "6000");
            Type(role::kFeeBasis, "35000");
            Type(role::kDiscipline, "1");
            Type(role::kElevation, "1");
            Type(role::kRange, "0");
            Click(role::kComplexityModerate);
            Get<QLabel>(c.result)->clear();
            if (c.result == role::kBenchmark || c.result == role::kChargedFee) {
                Click(role::kBasePriceCalculate);
                Get<QLabel>(role::kBenchmark)->clear();
                if (c.result == role::kChargedFee) {
                    Click(role::kBenchmarkCalculate);
                }
            }
            Get(c.input)->setFocus();
            const auto modifiers = enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            Key(enter, modifiers);
            EXPECT_EQ(Caption(c.result), c.shown);
        }
    }
    ShowPage(0);
    Get<QLabel>(role::kTenderFee)->clear();
    Get(role::kTenderCalculate)->setFocus();
    Key(Qt::Key_Space);
    EXPECT_EQ(Caption(role::kTenderFee), "22.55");
}

TEST_F(KeyboardTest, DatesTypedOrPastedInTheUsualForms)
{
    ShowPage(2);
    auto* picker = Get<QDateEdit>(role::kStartDate);
    // Tab into the box, which selects its year
    const auto tabInto = [&](QDateEdit* box) {
        Get(role::kPeriodCalculate)->setFocus();
        box->setFocus(Qt::TabFocusReason);
    };
    for (const char* typed : {"2024/12/31", "2024-12-31", "2024.12.31", "20241231"}) {
        picker->setDate(QDate(2009, 2, 6));
        tabInto(picker);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        EXPECT_EQ(picker->date(), QDate(2024, 12, 31)) << "typed " << typed;
        EXPECT_EQ(picker->text(), "2024/12/31");
    }
    for (const char* pasted : {"2024/12/31", "2024-12-31", "2024.12.31", "20241231", " 2024-12-31 ",
                               "2024年12月31日", "２０２４／１２／３１"}) {
        picker->setDate(QDate(2009, 2, 6));
        tabInto(picker);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted));
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
        EXPECT_EQ(picker->date(), QDate(2024, 12, 31)) << "pasted " << pasted;
    }
    // a paste that is no date changes nothing
    picker->setDate(QDate(2009, 2, 6));
    QGuiApplication::clipboard()->setText(QStringLiteral("2024/13/45"));
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
    EXPECT_EQ(picker->date(), QDate(2009, 2, 6));
    // the typed date is the one counted
    tabInto(picker);
    QTest::keyClicks(QApplication::focusWidget(), "2024/12/31");
    auto* completion = Get<QDateEdit>(role::kCompletionDate);
    tabInto(completion);
    QTest::keyClicks(QApplication::focusWidget(), "2025-1-1");
    Key(Qt::Key_Return);
    EXPECT_EQ(Caption(role::kPeriod), "1");
}

TEST_F(KeyboardTest, F4OrAltDownOpensTheCalendar)
{
    ShowPage(2);
    auto* picker = Get<QDateEdit>(role::kCompletionDate);
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_F4, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_Down, Qt::KeyboardModifiers(Qt::AltModifier)}}) {
        picker->setFocus(Qt::TabFocusReason);
        Key(key, modifiers);
        QCalendarWidget* calendar = picker->calendarWidget();
        ASSERT_NE(calendar, nullptr);
        EXPECT_TRUE(calendar->isVisible()) << key;
        calendar->window()->close();
        QApplication::processEvents();
    }
}

// The Menu key pressed on a real keyboard, through an X server (xdotool,
// which also drives the X server of the window tests): the step's result
// menu opens once, never the box's own edit menu.
class KeyboardSystemTest : public KeyboardTest {};

TEST_F(KeyboardSystemTest, TheMenuKeyFromAnXServerOpensTheResultsMenuOnce)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs a real X server (runs in window_tests_under_x11)";
    }
    CalculateEverything();
    for (const auto& [focused, page] :
         {std::pair{role::kTenderAmount, 0}, std::pair{role::kTenderType, 0},
          std::pair{role::kFeeBasis, 1}, std::pair{role::kBenchmarkCalculate, 1}}) {
        SCOPED_TRACE(focused);
        ShowPage(page);
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        Get(focused)->setFocus();
        QApplication::processEvents();
        QStringList opened;  // the first item of each menu that opened
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                QStringList items;
                for (QAction* action : menu->actions()) {
                    items << action->text();
                }
                opened << items.join('|');
                menu->close();
            }
        });
        poll.start();
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), {"key", "Menu"});
        ASSERT_TRUE(xdotool.waitForFinished(10000)) << "xdotool (Debian: xdotool) did not run";
        QTest::qWait(600);
        poll.stop();
        ASSERT_EQ(opened.size(), 1) << opened.join(" / ").toStdString();
        EXPECT_TRUE(opened.front().contains(ui::ResultCopy::CopyWorkingText()))
            << opened.front().toStdString();
    }
}

}  // namespace
}  // namespace kelvora::testing
