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

using testing::kResultLabels;

TEST_F(WindowTest, EachResultCarriesItsWorkingAsTooltip)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    EXPECT_EQ(Caption(role::kTenderFee), "22.55");
    EXPECT_EQ(Get(role::kTenderFee)->toolTip(),
              "100×1%=1\n(500−100)×0.7%=2.8\n(1000−500)×0.55%=2.75\n(5000−1000)×0.35%=14\n"
              "(6000−5000)×0.2%=2\n合计 22.55 万元");

    ShowPage(1);
    Type(role::kFeeBasis, "500");
    Click(role::kBasePriceCalculate);
    Click(role::kComplexityHigh);
    Type(role::kDiscipline, "1");
    Type(role::kElevation, "1");
    Click(role::kBenchmarkCalculate);
    Type(role::kRange, "10");
    Click(role::kChargedFeeCalculate);
    EXPECT_TRUE(Get(role::kBasePrice)->toolTip().endsWith("收费基价 16.5 万元"));
    EXPECT_EQ(Get(role::kComplexityCoefficient)->toolTip(), "工程复杂程度：复杂\n调整系数 1.15");
    EXPECT_TRUE(Get(role::kBenchmark)->toolTip().endsWith("= 18.975"));
    EXPECT_TRUE(Get(role::kChargedFee)->toolTip().endsWith("= 20.8725"));

    ShowPage(2);
    Get<QDateEdit>(role::kCompletionDate)->setDate(QDate(2010, 2, 6));
    Click(role::kPeriodCalculate);
    EXPECT_TRUE(Get(role::kPeriod)->toolTip().contains("工期 365 天"));
}

TEST_F(WindowTest, FailedCalculationKeepsCaptionAndTooltip)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    const QString working = Get(role::kTenderFee)->toolTip();
    Type(role::kTenderAmount, "1e400");
    ASSERT_TRUE(WithReport([&] { Click(role::kTenderCalculate); }).has_value());
    EXPECT_EQ(Caption(role::kTenderFee), "22.55");
    EXPECT_EQ(Get(role::kTenderFee)->toolTip(), working);
}

TEST_F(WindowTest, ResultLabelsAreSelectableButNotInTheTabOrder)
{
    for (ControlName name : kResultLabels) {
        auto* label = Get<QLabel>(name);
        EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByMouse) << name;
        EXPECT_FALSE(label->focusPolicy() & Qt::TabFocus) << name;
    }
}

TEST_F(WindowTest, CtrlCCopiesTheFigure)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    auto* label = Get<QLabel>(role::kTenderFee);
    label->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(label, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "22.55");
}

TEST_F(WindowTest, ContextMenuCopiesTheFigureOrTheWorking)
{
    ShowPage(0);
    Type(role::kTenderAmount, "250");
    Click(role::kTenderCalculate);
    auto* label = Get<QLabel>(role::kTenderFee);
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
