// Hovering a result shows its working; results can be selected and copied
// without entering the Tab order.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include "ui/widgets/result_copy.h"
#include "ui/window_driver.h"

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
              "(6000−5000)×0.2%=2\n合计 22.55 万元\n"
              "小写：¥225,500.00\n大写：人民币贰拾贰万伍仟伍佰元整");

    ShowPage(1);
    Type(role::kFeeBasis, "500");
    Click(role::kBasePriceCalculate);
    Click(role::kComplexityHigh);
    Type(role::kDiscipline, "1");
    Type(role::kElevation, "1");
    Click(role::kBenchmarkCalculate);
    Type(role::kRange, "10");
    Click(role::kChargedFeeCalculate);
    // the money results end with the amount in yuan; the coefficient does not
    const struct {
        ControlName label;
        const char* end;
    } ends[] = {
        {role::kBasePrice, "收费基价 16.5 万元\n小写：¥165,000.00\n大写：人民币壹拾陆万伍仟元整"},
        {role::kBenchmark, "= 18.975\n小写：¥189,750.00\n大写：人民币壹拾捌万玖仟柒佰伍拾元整"},
        {role::kChargedFee, "= 20.8725\n小写：¥208,725.00\n大写：人民币贰拾万零捌仟柒佰贰拾伍元整"},
    };
    for (const auto& e : ends) {
        EXPECT_TRUE(Get(e.label)->toolTip().endsWith(QString::fromUtf8(e.end)))
            << e.label << ": " << Get(e.label)->toolTip().toStdString();
    }
    EXPECT_EQ(Get(role::kComplexityCoefficient)->toolTip(), "工程复杂程度：复杂\n调整系数 1.15");

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
    // the old working stays, below the line that says the input changed
    EXPECT_EQ(Get(role::kTenderFee)->toolTip(), "输入已更改，请点击“计算”重新计算\n" + working);
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

TEST_F(WindowTest, MoneyResultsCopyTheirAmountInYuan)
{
    CalculateEverything();
    const struct {
        ControlName label;
        const char* caption;
        const char* figures;
        const char* capitals;
    } cases[] = {
        {role::kTenderFee, "22.55", "¥225,500.00", "人民币贰拾贰万伍仟伍佰元整"},
        {role::kBasePrice, "629.5", "¥6,295,000.00", "人民币陆佰贰拾玖万伍仟元整"},
        {role::kBenchmark, "755.4", "¥7,554,000.00", "人民币柒佰伍拾伍万肆仟元整"},
        {role::kChargedFee, "679.86", "¥6,798,600.00", "人民币陆佰柒拾玖万捌仟陆佰元整"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ShowPage(c.label == role::kTenderFee ? 0 : 1);
        EXPECT_EQ(Caption(c.label), c.caption);
        auto* label = Get<QLabel>(c.label);
        for (const auto& [choice, text] : {std::pair{ResultCopy::CopyFiguresText(), c.figures},
                                           std::pair{ResultCopy::CopyCapitalsText(), c.capitals}}) {
            QGuiApplication::clipboard()->clear();
            ContextMenu(label, choice);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(text));
        }
    }
    // neither the coefficient nor the period is money
    for (ControlName name : {role::kComplexityCoefficient, role::kPeriod}) {
        for (const MenuItem& item : ContextMenu(Get(name))) {
            EXPECT_NE(item.text, ResultCopy::CopyFiguresText()) << name;
        }
    }
}

TEST_F(WindowTest, AmountTooLargeForCapitalsHasNoYuanLinesAndDisabledCopies)
{
    ShowPage(1);
    Type(role::kFeeBasis, "1e15");  // a base price of 1.039 x 10^13 万元, past 10^16 元
    Click(role::kBasePriceCalculate);
    auto* label = Get<QLabel>(role::kBasePrice);
    EXPECT_EQ(label->text(), "10390000000000");
    EXPECT_FALSE(label->toolTip().contains("小写")) << label->toolTip().toStdString();
    EXPECT_FALSE(label->toolTip().contains("大写"));
    int yuanItems = 0;
    for (const MenuItem& item : ContextMenu(label)) {
        if (item.text == ResultCopy::CopyFiguresText() ||
            item.text == ResultCopy::CopyCapitalsText()) {
            ++yuanItems;
            EXPECT_FALSE(item.enabled);
            EXPECT_TRUE(item.toolTip.contains("无法写成大写金额")) << item.toolTip.toStdString();
        }
    }
    EXPECT_EQ(yuanItems, 2);

    Type(role::kFeeBasis, "500");  // and back in range, both come back
    Click(role::kBasePriceCalculate);
    EXPECT_TRUE(label->toolTip().endsWith("大写：人民币壹拾陆万伍仟元整"));
    for (const MenuItem& item : ContextMenu(label)) {
        EXPECT_TRUE(item.enabled) << item.text.toStdString();
    }
}

}  // namespace
}  // namespace kelvora::ui
