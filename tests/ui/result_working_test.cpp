// Hovering a result shows its working; results can be selected and copied
// without entering the Tab order.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include "ui/result_copy.h"
#include "window_driver.h"

namespace kelvora::ui {
namespace {

using testing::WindowTest;

constexpr const char* kResultLabels[] = {"Label5",  "Label15", "Label10",
                                         "Label11", "Label14", "Label16"};

TEST_F(WindowTest, EachResultCarriesItsWorkingAsTooltip)
{
    ShowPage(0);
    Type("Text1", "6000");
    Click("Command1");
    EXPECT_EQ(Caption("Label5"), "22.55");
    EXPECT_EQ(Get("Label5")->toolTip(),
              "100×1%=1\n(500−100)×0.7%=2.8\n(1000−500)×0.55%=2.75\n(5000−1000)×0.35%=14\n"
              "(6000−5000)×0.2%=2\n合计 22.55 万元");

    ShowPage(1);
    Type("Text2", "500");
    Click("Command10");
    Click("Option3");
    Type("Text4", "1");
    Type("Text3", "1");
    Click("Command2");
    Type("Text5", "10");
    Click("Command3");
    EXPECT_TRUE(Get("Label15")->toolTip().endsWith("收费基价 16.5 万元"));
    EXPECT_EQ(Get("Label10")->toolTip(), "工程复杂程度：复杂\n调整系数 1.15");
    EXPECT_TRUE(Get("Label11")->toolTip().endsWith("= 18.975"));
    EXPECT_TRUE(Get("Label14")->toolTip().endsWith("= 20.8725"));

    ShowPage(2);
    Get<QDateEdit>("DTPicker2")->setDate(QDate(2010, 2, 6));
    Click("Command4");
    EXPECT_TRUE(Get("Label16")->toolTip().contains("工期 365 天"));
}

TEST_F(WindowTest, FailedCalculationKeepsCaptionAndTooltip)
{
    ShowPage(0);
    Type("Text1", "6000");
    Click("Command1");
    const QString working = Get("Label5")->toolTip();
    Type("Text1", "1e400");
    ASSERT_TRUE(WithReport([&] { Click("Command1"); }).has_value());
    EXPECT_EQ(Caption("Label5"), "22.55");
    EXPECT_EQ(Get("Label5")->toolTip(), working);
}

TEST_F(WindowTest, ResultLabelsAreSelectableButNotInTheTabOrder)
{
    for (const char* name : kResultLabels) {
        auto* label = Get<QLabel>(name);
        EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByMouse) << name;
        EXPECT_FALSE(label->focusPolicy() & Qt::TabFocus) << name;
    }
}

TEST_F(WindowTest, CtrlCCopiesTheFigure)
{
    ShowPage(0);
    Type("Text1", "6000");
    Click("Command1");
    auto* label = Get<QLabel>("Label5");
    label->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(label, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "22.55");
}

TEST_F(WindowTest, ContextMenuCopiesTheFigureOrTheWorking)
{
    ShowPage(0);
    Type("Text1", "250");
    Click("Command1");
    auto* label = Get<QLabel>("Label5");
    for (const QString& choice : {ResultCopy::CopyCaptionText(), ResultCopy::CopyWorkingText()}) {
        QGuiApplication::clipboard()->clear();
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == choice) {
                    action->trigger();
                }
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                label->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(label, &event);
        const QString expected =
            choice == ResultCopy::CopyCaptionText() ? label->text() : label->toolTip();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    }
}

}  // namespace
}  // namespace kelvora::ui
