// The coefficient lists of Text4 and Text3 and the hint of Text5, through
// the real window.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QToolButton>

#include "calc/coefficient_tables.h"
#include "ui/layout/control_table.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

class CoefficientListTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ShowPage(1);
    }

    // What every control shows, but `except`.
    QStringList Everything(ControlName except)
    {
        QStringList shown;
        for (const ui::ControlRow& row : ui::ControlRows()) {
            QWidget* w = window().control(row.name);
            if (row.name == except) {
                continue;
            }
            QString value;
            if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                value = edit->text();
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                value = label->text() + label->toolTip();
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                value = combo->currentText();
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                value = button->isChecked() ? "on" : "off";
            } else if (auto* picker = qobject_cast<QDateEdit*>(w)) {
                value = picker->text();
            }
            shown << w->objectName() + "=" + value;
        }
        return shown;
    }

    // The list of `box` as the keyboard opens it; chooses the item at `index`.
    QStringList OpenAndChoose(ControlName box, std::optional<int> index, Qt::Key key = Qt::Key_Down,
                              Qt::KeyboardModifiers modifiers = Qt::AltModifier)
    {
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QList<QAction*> rows;
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    rows << action;
                    items << action->text();
                }
            }
            menu->close();
            if (index) {
                rows.at(*index)->trigger();
            }
        });
        auto* edit = Get<QLineEdit>(box);
        edit->setFocus();
        QTest::keyClick(edit, key, modifiers);
        QApplication::processEvents();
        return items;
    }
};

TEST_F(CoefficientListTest, EachDisciplineRowWritesItsValueAndNothingElse)
{
    Type(role::kFeeBasis, "35000");
    Click(role::kBasePriceCalculate);
    Type(role::kElevation, "1");
    const QStringList before = Everything(role::kDiscipline);
    for (std::size_t i = 0; i < kDisciplineCoefficients.size(); ++i) {
        const CoefficientRow& row = kDisciplineCoefficients[i];
        Type(role::kDiscipline, "0.5");
        const QStringList items = OpenAndChoose(role::kDiscipline, static_cast<int>(i));
        ASSERT_EQ(items.size(), static_cast<qsizetype>(kDisciplineCoefficients.size()));
        EXPECT_EQ(items[static_cast<qsizetype>(i)], Q(row.label) + "\t" + Q(row.value));
        EXPECT_EQ(Get<QLineEdit>(role::kDiscipline)->text(), Q(row.value)) << i;
        EXPECT_EQ(Everything(role::kDiscipline), before) << i;
    }
    // the value as printed is the coefficient: the last row, 林业工程 0.9
    Click(role::kComplexityModerate);
    Click(role::kBenchmarkCalculate);
    EXPECT_EQ(Caption(role::kBenchmark), "566.55");  // 629.5 x 0.9 x 1 x 1
}

TEST_F(CoefficientListTest, ElevationRowsAndTheRowLeftToAgreement)
{
    const char* values[] = {"1", "1.1", "1.2", "1.3"};
    const QStringList before = Everything(role::kElevation);
    for (int i = 0; i < 4; ++i) {
        Type(role::kElevation, "9");
        OpenAndChoose(role::kElevation, i, Qt::Key_F4, Qt::NoModifier);
        EXPECT_EQ(Get<QLineEdit>(role::kElevation)->text(), values[i]);
        EXPECT_EQ(Everything(role::kElevation), before);
    }
    // above 4000 m the parties agree the value: nothing is written, the box waits for it
    Type(role::kElevation, "1.4");
    Get<QLineEdit>(role::kDiscipline)->setFocus();
    const QStringList items = OpenAndChoose(role::kElevation, 4);
    EXPECT_TRUE(items.back().endsWith("协商确定")) << items.back().toStdString();
    EXPECT_EQ(Get<QLineEdit>(role::kElevation)->text(), "1.4");
    EXPECT_EQ(window().focusWidget(), Get(role::kElevation));
    EXPECT_EQ(Get<QLineEdit>(role::kElevation)->placeholderText(), "请输入协商确定的系数");
    EXPECT_EQ(Everything(role::kElevation), before);
}

TEST_F(CoefficientListTest, TypedValuesStillWorkAndTheButtonsAreNoTabStops)
{
    Type(role::kFeeBasis, "500");
    Click(role::kBasePriceCalculate);
    Click(role::kComplexityModerate);
    Type(role::kDiscipline, "1.15");
    Type(role::kElevation, "1.05");
    Click(role::kBenchmarkCalculate);
    EXPECT_EQ(Caption(role::kBenchmark), "19.92375");  // 16.5 x 1.15 x 1 x 1.05
}

TEST_F(CoefficientListTest, ListButtonsAreNamedAndOutOfTheTabChain)
{
    const struct {
        ControlName box;
        const char* name;
    } lists[] = {{role::kDiscipline, "专业调整系数表"}, {role::kElevation, "高程调整系数表"}};
    for (const auto& list : lists) {
        QList<QToolButton*> buttons;
        for (QToolButton* button : Get(list.box)->findChildren<QToolButton*>()) {
            if (button->defaultAction() && button->defaultAction()->text() == list.name) {
                buttons << button;
            }
        }
        ASSERT_EQ(buttons.size(), 1) << list.box;
        EXPECT_EQ(buttons[0]->accessibleName(), list.name);
        EXPECT_EQ(buttons[0]->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(buttons[0]->isVisible());
        // a click on it opens the list
        QTest::mouseClick(buttons[0], Qt::LeftButton);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->accessibleName(), list.name);
        menu->close();
    }
    EXPECT_TRUE(Get(role::kRange)->toolTip().contains("±20%"));
    EXPECT_TRUE(Get(role::kRange)->toolTip().contains("-20 或 15"));
}

}  // namespace
}  // namespace kelvora::testing
