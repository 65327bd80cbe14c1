// What the window tells the user about a figure, through the real window:
// warning marks on inputs not read as typed, grey results whose inputs
// changed, and result boxes that hold their whole figure.

#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QToolTip>

#include "ui/layout/control_table.h"
#include "ui/widgets/note_mark.h"
#include "ui/widgets/result_view.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

using ui::InputNoteMark;
using ui::ResultView;

TEST_F(WindowTest, WarningMarkShowsWhenATextIsNotReadAsTyped)
{
    const struct {
        ControlName box;
        int page;
        const char* text;
        const char* note;  // "" for no mark
    } cases[] = {
        {role::kTenderAmount, 0, "12,345.67", "按 12 计算，“,345.67”未被读取"},
        {role::kTenderAmount, 0, "¥6000", "未读到数字，按 0 计算"},
        {role::kTenderAmount, 0, "6000万元", ""},
        {role::kTenderAmount, 0, "６０００", ""},
        {role::kTenderAmount, 0, "6 000", ""},
        {role::kTenderAmount, 0, "-50", "金额为负数"},
        {role::kTenderType, 0, "工程", "请选择服务类型"},
        {role::kTenderType, 0, "货物招标", ""},
        {role::kFeeBasis, 1, "35000万元", ""},
        {role::kFeeBasis, 1, "3.5万", "按 3.5 计算，“万”未被读取"},
        {role::kFeeBasis, 1, "-1", "金额为负数"},
        {role::kDiscipline, 1, "1.2", ""},
        {role::kDiscipline, 1, "一点二", "未读到数字，按 0 计算"},
        {role::kElevation, 1, "1,1", "按 1 计算，“,1”未被读取"},
        {role::kRange, 1, "5%", ""},
        {role::kRange, 1, "-20", ""},
        {role::kRange, 1, "5%%", "按 5 计算，“%%”未被读取"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        SCOPED_TRACE(c.text);
        ShowPage(c.page);
        Type(c.box, QString::fromUtf8(c.text));
        QAction* mark = InputNoteMark(Get(c.box));
        ASSERT_NE(mark, nullptr);
        EXPECT_EQ(mark->isVisible(), *c.note != '\0');
        EXPECT_EQ(mark->toolTip(), QString::fromUtf8(c.note));
        EXPECT_EQ(Get(c.box)->accessibleDescription(), QString::fromUtf8(c.note));
    }
    // it follows the typing: an emptied box has no mark
    ShowPage(0);
    Type(role::kTenderAmount, "abc");
    EXPECT_TRUE(InputNoteMark(Get(role::kTenderAmount))->isVisible());
    Type(role::kTenderAmount, "");
    EXPECT_FALSE(InputNoteMark(Get(role::kTenderAmount))->isVisible());
}

class StaleTest : public WindowTest {
protected:
    bool IsGrey(ControlName result)
    {
        auto* label = Get<QLabel>(result);
        const QColor colour = label->palette().color(QPalette::WindowText);
        const bool stale = ResultView::Of(label)->IsStale();
        EXPECT_EQ(colour, stale ? ResultView::StaleColour() : ResultView::CurrentColour());
        EXPECT_EQ(label->toolTip().startsWith("输入已更改"), stale);
        return stale;
    }
};

TEST_F(StaleTest, EachDependencyGreysItsResultUntilItIsWrittenAgain)
{
    const struct {
        const char* what;
        std::function<void(StaleTest&)> change;
        ControlName result;
        ControlName button;
        const char* buttonText;
    } cases[] = {
        {"Text1", [](StaleTest& t) { t.Type(role::kTenderAmount, "7000"); }, role::kTenderFee,
         role::kTenderCalculate, "计算"},
        {"Combo1", [](StaleTest& t) { t.Type(role::kTenderType, "货物招标"); }, role::kTenderFee,
         role::kTenderCalculate, "计算"},
        {"Check1", [](StaleTest& t) { t.Click(role::kDocumentService); }, role::kTenderFee,
         role::kTenderCalculate, "计算"},
        {"Text2", [](StaleTest& t) { t.Type(role::kFeeBasis, "36000"); }, role::kBasePrice,
         role::kBasePriceCalculate, "计算基价"},
        {"Text4", [](StaleTest& t) { t.Type(role::kDiscipline, "1.1"); }, role::kBenchmark,
         role::kBenchmarkCalculate, "工程监理服务收费基准价"},
        {"Text3", [](StaleTest& t) { t.Type(role::kElevation, "1.2"); }, role::kBenchmark,
         role::kBenchmarkCalculate, "工程监理服务收费基准价"},
        {"Label10", [](StaleTest& t) { t.Click(role::kComplexityHigh); }, role::kBenchmark,
         role::kBenchmarkCalculate, "工程监理服务收费基准价"},
        {"Label15",
         [](StaleTest& t) {
             t.Type(role::kFeeBasis, "36000");
             t.Click(role::kBasePriceCalculate);
         },
         role::kBenchmark, role::kBenchmarkCalculate, "工程监理服务收费基准价"},
        {"Text5", [](StaleTest& t) { t.Type(role::kRange, "5"); }, role::kChargedFee,
         role::kChargedFeeCalculate, "监理取费"},
        {"Label11",
         [](StaleTest& t) {
             t.Type(role::kDiscipline, "1.1");
             t.Click(role::kBenchmarkCalculate);
         },
         role::kChargedFee, role::kChargedFeeCalculate, "监理取费"},
        {"DTPicker1",
         [](StaleTest& t) { t.Get<QDateEdit>(role::kStartDate)->setDate(QDate(2009, 1, 1)); },
         role::kPeriod, role::kPeriodCalculate, "计算"},
        {"DTPicker2",
         [](StaleTest& t) { t.Get<QDateEdit>(role::kCompletionDate)->setDate(QDate(2010, 1, 1)); },
         role::kPeriod, role::kPeriodCalculate, "计算"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CalculateEverything();
        for (ControlName result : kResultLabels) {
            EXPECT_FALSE(IsGrey(result)) << result;
        }
        ShowPage(c.result == role::kTenderFee ? 0 : c.result == role::kPeriod ? 2 : 1);
        const QString caption = Caption(c.result);
        c.change(*this);
        EXPECT_TRUE(IsGrey(c.result));
        EXPECT_EQ(Caption(c.result), caption);  // the figure stays, greyed
        EXPECT_TRUE(
            Get(c.result)->toolTip().startsWith(QStringLiteral("输入已更改，请点击“%1”重新计算\n")
                                                    .arg(QString::fromUtf8(c.buttonText))))
            << Get(c.result)->toolTip().toStdString();
        Click(c.button);
        EXPECT_FALSE(IsGrey(c.result));
    }
}

TEST_F(StaleTest, ChangingAnInputBackMakesTheResultCurrentAgain)
{
    CalculateEverything();
    ShowPage(0);
    Type(role::kTenderAmount, "7000");
    EXPECT_TRUE(IsGrey(role::kTenderFee));
    Type(role::kTenderAmount, "6000");
    EXPECT_FALSE(IsGrey(role::kTenderFee));
    // the same caption written again greys nothing downstream
    ShowPage(1);
    Click(role::kBasePriceCalculate);
    EXPECT_FALSE(IsGrey(role::kBenchmark));
}

TEST_F(StaleTest, AGreyCaptionStillFlowsIntoTheNextStepWhichIsGreyToo)
{
    CalculateEverything();
    ShowPage(1);
    Type(role::kFeeBasis, "500");  // Label15 grey, still 629.5
    EXPECT_TRUE(IsGrey(role::kBasePrice));
    Type(role::kDiscipline, "1");
    Click(role::kBenchmarkCalculate);
    EXPECT_EQ(Caption(role::kBenchmark), "629.5");
    // it rests on a grey base price, so it is grey and names that button
    EXPECT_TRUE(IsGrey(role::kBenchmark));
    EXPECT_TRUE(
        Get(role::kBenchmark)->toolTip().startsWith("输入已更改，请点击“计算基价”重新计算\n"));
    EXPECT_TRUE(IsGrey(role::kChargedFee));
}

// A result is red exactly when its button would write it again now and the
// results it reads are red: edits from the state where every result is red.
TEST_F(StaleTest, RedExactlyWhenCurrentAlongTheWholeChain)
{
    using Edit = std::function<void(StaleTest&)>;
    const auto type = [](ControlName box, const char* text) {
        return Edit([box, text](StaleTest& t) {
            t.ShowPage(ui::PageOf(box));
            t.Type(box, QString::fromUtf8(text));
        });
    };
    const auto click = [](ControlName control) {
        return Edit([control](StaleTest& t) {
            t.ShowPage(ui::PageOf(control));
            t.Click(control);
        });
    };
    const auto setDate = [](ControlName picker, QDate date) {
        return Edit([picker, date](StaleTest& t) { t.Get<QDateEdit>(picker)->setDate(date); });
    };
    const struct {
        const char* what;
        std::vector<Edit> edits;
        const char* colours;  // Label5 Label15 Label10 Label11 Label14 Label16: R red, G grey
        const char* press;    // the button every grey result names first
    } cases[] = {
        {"fee basis", {type(role::kFeeBasis, "36000")}, "RGRGGR", "计算基价"},
        {"base price again",
         {type(role::kFeeBasis, "36000"), click(role::kBasePriceCalculate)},
         "RRRGGR",
         "工程监理服务收费基准价"},
        {"benchmark again",
         {type(role::kFeeBasis, "36000"), click(role::kBasePriceCalculate),
          click(role::kBenchmarkCalculate)},
         "RRRRGR",
         "监理取费"},
        {"the whole chain again",
         {type(role::kFeeBasis, "36000"), click(role::kBasePriceCalculate),
          click(role::kBenchmarkCalculate), click(role::kChargedFeeCalculate)},
         "RRRRRR",
         ""},
        {"same value read",
         {type(role::kFeeBasis, "35000.0"), type(role::kTenderAmount, "6 000")},
         "RRRRRR",
         ""},
        {"benchmark pressed on a grey base price",
         {type(role::kFeeBasis, "500"), click(role::kBenchmarkCalculate)},
         "RGRGGR",
         "计算基价"},
        {"discipline", {type(role::kDiscipline, "1.1")}, "RRRGGR", "工程监理服务收费基准价"},
        {"elevation emptied", {type(role::kElevation, "")}, "RRRGGR", "工程监理服务收费基准价"},
        {"another grade", {click(role::kComplexityHigh)}, "RRRGGR", "工程监理服务收费基准价"},
        {"range", {type(role::kRange, "5")}, "RRRRGR", "监理取费"},
        {"range typed back", {type(role::kRange, "5"), type(role::kRange, "-10")}, "RRRRRR", ""},
        {"tender type", {type(role::kTenderType, "服务招标")}, "GRRRRR", "计算"},
        {"document service", {click(role::kDocumentService)}, "GRRRRR", "计算"},
        {"document service twice",
         {click(role::kDocumentService), click(role::kDocumentService)},
         "RRRRRR",
         ""},
        {"start date", {setDate(role::kStartDate, QDate(2009, 1, 1))}, "RRRRRG", "计算"},
        {"completion date back",
         {setDate(role::kCompletionDate, QDate(2010, 1, 1)),
          setDate(role::kCompletionDate, QDate(2009, 2, 6))},
         "RRRRRR",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        CalculateEverything();
        for (const Edit& edit : c.edits) {
            edit(*this);
        }
        for (std::size_t i = 0; i < std::size(kResultLabels); ++i) {
            const bool grey = c.colours[i] == 'G';
            EXPECT_EQ(IsGrey(kResultLabels[i]), grey) << kResultLabels[i];
            if (grey) {
                EXPECT_TRUE(Get(kResultLabels[i])
                                ->toolTip()
                                .startsWith(QStringLiteral("输入已更改，请点击“%1”重新计算")
                                                .arg(QString::fromUtf8(c.press))))
                    << Get(kResultLabels[i])->toolTip().toStdString();
            }
        }
    }
}

TEST_F(StaleTest, TheMenuOfAStaleResultSaysSoAndCopiesTheWorkingAlone)
{
    CalculateEverything();
    ShowPage(0);
    const QString working = ResultView::Of(Get(role::kTenderFee))->Working();
    EXPECT_EQ(ContextMenu(Get(role::kTenderFee)).front().text, ui::ResultCopy::CopyCaptionText());
    Type(role::kTenderAmount, "7000");
    QGuiApplication::clipboard()->clear();
    const auto items = ContextMenu(Get(role::kTenderFee), ui::ResultCopy::CopyWorkingText());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), working);
    // the menu says first that the figure is out of date
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front().text, "输入已更改，请点击“计算”重新计算");
    EXPECT_FALSE(items.front().enabled);
}

TEST_F(WindowTest, DoubleClickSelectsTheWholeFigure)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    auto* label = Get<QLabel>(role::kTenderFee);
    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(3, label->height() / 2));
    EXPECT_EQ(label->selectedText(), "22.55");
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(label, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "22.55");
}

TEST_F(WindowTest, TheWholeBoxAnswersHoverRightClickAndDoubleClick)
{
    ShowPage(0);
    Type(role::kTenderAmount, "0");
    Click(role::kTenderCalculate);  // "0.00": a narrow figure in a wide box
    auto* label = Get<QLabel>(role::kTenderFee);
    auto* box = Get<QFrame>(role::kTenderFeeBox);
    const QPoint corner(box->width() - 4, box->height() - 4);  // inside the box, off the figure
    ASSERT_FALSE(label->geometry().contains(box->mapToParent(corner)));

    QHelpEvent hover(QEvent::ToolTip, corner, box->mapToGlobal(corner));
    QApplication::sendEvent(box, &hover);
    EXPECT_EQ(QToolTip::text(), label->toolTip());
    QToolTip::hideText();

    QGuiApplication::clipboard()->clear();
    const auto items = ContextMenu(box, ui::ResultCopy::CopyCaptionText(), corner);
    EXPECT_FALSE(items.empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0.00");

    QTest::mouseDClick(box, Qt::LeftButton, {}, corner);
    EXPECT_EQ(label->selectedText(), "0.00");
}

TEST_F(WindowTest, BoxesWidenToHoldLongFiguresAndNoFurtherThanTheirFrame)
{
    ShowPage(1);
    const struct {
        const char* basis;
    } amounts[] = {{"35000"}, {"20036.7137"}, {"1e300"}, {"500"}};
    for (const auto& a : amounts) {
        Type(role::kFeeBasis, a.basis);
        Click(role::kBasePriceCalculate);
        auto* label = Get<QLabel>(role::kBasePrice);
        auto* box = Get<QFrame>(role::kBasePriceBox);
        const QRect frame = box->parentWidget()->rect();
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(box->width(), 105);  // never narrower than the table's box
        EXPECT_LE(box->geometry().right(), frame.right());
        if (label->geometry().right() < frame.right() - 6) {
            EXPECT_LT(label->geometry().right(), box->geometry().right());  // enclosed
        }
    }
    // a short figure again: the box is back to its own width
    EXPECT_EQ(Get<QFrame>(role::kBasePriceBox)->width(), 105);
}

// Records what a result label looks like each time it is painted.
class PaintLog : public QObject {
public:
    explicit PaintLog(QLabel* label) : m_label(label) { label->installEventFilter(this); }
    QStringList frames;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            frames << QStringLiteral("%1 %2 %3")
                          .arg(m_label->text(),
                               m_label->palette().color(QPalette::WindowText).name())
                          .arg(m_label->width());
        }
        return false;
    }

private:
    QLabel* m_label;
};

TEST_F(StaleTest, AClickChangesCaptionColourAndWidthInOneFrame)
{
    CalculateEverything();
    ShowPage(1);
    const struct {
        const char* basis;
        ControlName button;
        ControlName result;
        bool grey;
    } clicks[] = {
        {"500", role::kBenchmarkCalculate, role::kBenchmark, true},     // written, then grey
        {"500", role::kBasePriceCalculate, role::kBasePrice, false},    // narrower, red again
        {"1e300", role::kBasePriceCalculate, role::kBasePrice, false},  // wider
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.basis);
        SCOPED_TRACE(c.button);
        Type(role::kFeeBasis, c.basis);
        QTest::qWait(50);
        auto* label = Get<QLabel>(c.result);
        PaintLog log(label);
        Click(c.button);
        QTest::qWait(50);
        ASSERT_EQ(log.frames.size(), 1) << log.frames.join(" | ").toStdString();
        EXPECT_EQ(
            log.frames.front(),
            QStringLiteral("%1 %2 %3")
                .arg(label->text(),
                     (c.grey ? ResultView::StaleColour() : ResultView::CurrentColour()).name())
                .arg(label->width()));
        EXPECT_EQ(IsGrey(c.result), c.grey);
    }
}

}  // namespace
}  // namespace kelvora::testing
