// No figure the clerk did not ask for, through the real window: typed dates,
// marks on doubtful inputs that travel with the figures, corrections, grey
// figures that cannot be copied, the keyboard path to a result's menu, the
// unknown tender type, and sheets that are written whole or not at all.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "ui/documents/documents.h"
#include "ui/widgets/note_mark.h"
#include "ui/widgets/result_view.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

using ui::InputNoteMark;
using ui::ResultCopy;
using ui::ResultView;

QString MarkOf(QWidget* input)
{
    QAction* mark = InputNoteMark(input);
    return mark != nullptr && mark->isVisible() ? mark->toolTip() : QString();
}

TEST_F(WindowTest, AWholeDateTypedOverAnySelectionSetsExactlyThatDate)
{
    enum class Selected { All, Year, None };
    const QDate before(2022, 6, 15);
    const struct {
        const char* typed;
        bool inputMethod;  // committed by an input method, not typed key by key
        QDate expected;    // invalid: unchanged, with a mark
        const char* mark;
    } cases[] = {
        {"2023/5/6", false, QDate(2023, 5, 6), ""},
        {"2023-05-06", false, QDate(2023, 5, 6), ""},
        {"2023.5.6", false, QDate(2023, 5, 6), ""},
        {"20230506", false, QDate(2023, 5, 6), ""},
        {"2024年3月4日", true, QDate(2024, 3, 4), ""},
        {"２０２４／３／４", true, QDate(2024, 3, 4), ""},
        {"2023/2/29", false, {}, "“2023/2/29”不是有效的日期，日期未更改"},
        {"2025/4/31", false, {}, "“2025/4/31”不是有效的日期，日期未更改"},
        {"2024/13/1", false, {}, "“2024/13/1”不是有效的日期，日期未更改"},
        {"15930300", false, {}, "“15930300”不是有效的日期，日期未更改"},
        {"1581/6/11",
         false,
         {},
         "“1581/6/11”超出可选的日期范围（1601/1/1～9999/12/31），日期未更改"},
    };
    ShowPage(2);
    auto* picker = Get<QDateEdit>(role::kStartDate);
    auto* edit = picker->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    for (Selected selected : {Selected::All, Selected::Year, Selected::None}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(static_cast<int>(selected));
            SCOPED_TRACE(c.typed);
            picker->setDate(before);
            Get(role::kPeriodCalculate)->setFocus();
            picker->setFocus(Qt::TabFocusReason);  // the year selected
            if (selected == Selected::All) {
                picker->selectAll();
            } else if (selected == Selected::None) {
                edit->deselect();
                edit->setCursorPosition(static_cast<int>(edit->text().size()));
            }
            if (c.inputMethod) {
                QInputMethodEvent commit;
                commit.setCommitString(QString::fromUtf8(c.typed));
                QApplication::sendEvent(picker, &commit);
            } else {
                QTest::keyClicks(picker, QString::fromUtf8(c.typed));
            }
            QTest::keyClick(picker, Qt::Key_Tab);
            EXPECT_FALSE(picker->hasFocus());
            EXPECT_EQ(picker->date(), c.expected.isValid() ? c.expected : before);
            EXPECT_EQ(MarkOf(picker), QString::fromUtf8(c.mark));
            EXPECT_EQ(picker->accessibleDescription(), QString::fromUtf8(c.mark));
        }
    }
    // Enter counts the date typed before it presses the button
    Get(role::kCompletionDate)->setFocus(Qt::TabFocusReason);
    Get<QDateEdit>(role::kCompletionDate)->selectAll();
    QTest::keyClicks(Get(role::kCompletionDate), "2022/6/25");
    QTest::keyClick(Get(role::kCompletionDate), Qt::Key_Return);
    EXPECT_EQ(Caption(role::kPeriod), "10");
}

TEST_F(WindowTest, MarksComeAndGoWithTheDoubtsAFigureWouldRestOn)
{
    // the form as it opens shows no marks
    for (ControlName box : {role::kTenderAmount, role::kFeeBasis, role::kDiscipline,
                            role::kElevation, role::kRange}) {
        EXPECT_EQ(MarkOf(Get(box)), "") << box;
    }
    const struct {
        const char* what;
        std::function<void(WindowTest&)> edit;
        ControlName box;
        const char* mark;
    } cases[] = {
        {"zero coefficient", [](WindowTest& t) { t.Type(role::kDiscipline, "0"); },
         role::kDiscipline, "系数为 0，计算结果将为 0"},
        {"empty, nothing computed", [](WindowTest& t) { t.Type(role::kDiscipline, ""); },
         role::kDiscipline, ""},
        {"empty once computed",
         [](WindowTest& t) {
             t.Type(role::kDiscipline, "");
             t.Click(role::kBenchmarkCalculate);
         },
         role::kDiscipline, "未填写，按 0 计算"},
        {"filled again",
         [](WindowTest& t) {
             t.Type(role::kDiscipline, "");
             t.Click(role::kBenchmarkCalculate);
             t.Type(role::kDiscipline, "1.2");
         },
         role::kDiscipline, ""},
        {"range beyond 20", [](WindowTest& t) { t.Type(role::kRange, "30"); }, role::kRange,
         "超出 ±20% 的幅度，仍按 30% 计算"},
        {"range as a fraction", [](WindowTest& t) { t.Type(role::kRange, "-0.2"); }, role::kRange,
         "按 -0.2% 计算；如指 -20%，请输入 -20"},
        {"range within", [](WindowTest& t) { t.Type(role::kRange, "-15"); }, role::kRange, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        ShowPage(1);
        c.edit(*this);
        EXPECT_EQ(MarkOf(Get(c.box)), QString::fromUtf8(c.mark));
    }
}

// Blanks typed or pasted around a figure are no doubt: every kind reads as
// the figure alone, with no mark.
TEST_F(WindowTest, BlanksAroundAFigureAreNoDoubt)
{
    for (const char* blank : {" ", "\u3000", "\u00A0", " \u3000\u00A0"}) {
        SCOPED_TRACE(blank);
        const QString padded = QString::fromUtf8(blank) + "6000" + QString::fromUtf8(blank);
        ShowPage(0);
        Type(role::kTenderAmount, padded);
        Click(role::kTenderCalculate);
        EXPECT_EQ(Caption(role::kTenderFee), "22.55");
        EXPECT_EQ(MarkOf(Get(role::kTenderAmount)), "");
        ShowPage(1);
        Type(role::kFeeBasis, padded);
        Click(role::kBasePriceCalculate);
        EXPECT_EQ(Caption(role::kBasePrice), "140.866666666667");
        EXPECT_EQ(MarkOf(Get(role::kFeeBasis)), "");
    }
}

TEST_F(WindowTest, AMarkTravelsWithTheFigureItTouches)
{
    ShowPage(0);
    Type(role::kTenderAmount, "12,345.67");
    Click(role::kTenderCalculate);
    const QString note = "中标金额：按 12 计算，“,345.67”未被读取";
    EXPECT_EQ(Caption(role::kTenderFee), "0.12");
    EXPECT_TRUE(Get(role::kTenderFee)->toolTip().startsWith(note + "\n"));
    auto items = ContextMenu(Get(role::kTenderFee));
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front().text, note);
    EXPECT_FALSE(items.front().enabled);
    QLabel* mark = ResultView::Of(Get(role::kTenderFee))->MarkWidget();
    ASSERT_NE(mark, nullptr);
    EXPECT_TRUE(mark->isVisible());  // a mark in the figure's box, after the figure
    EXPECT_GT(mark->x(), Get(role::kTenderFee)->geometry().right());
    // on to the next steps: the base price's note goes with the benchmark price
    ShowPage(1);
    Type(role::kFeeBasis, "3.5万");
    Click(role::kBasePriceCalculate);
    Click(role::kComplexityModerate);
    Type(role::kDiscipline, "1");
    Type(role::kElevation, "1");
    Click(role::kBenchmarkCalculate);
    EXPECT_TRUE(ResultView::Of(Get(role::kBenchmark))
                    ->Marks()
                    .contains("计费额：按 3.5 计算，“万”未被读取"));
    // a completion before the start marks the period
    ShowPage(2);
    Get<QDateEdit>(role::kCompletionDate)->setDate(QDate(2009, 2, 5));
    Click(role::kPeriodCalculate);
    EXPECT_EQ(Caption(role::kPeriod), "-1");
    EXPECT_TRUE(Get(role::kPeriod)->toolTip().startsWith("竣工日期早于开工日期，工期为负数\n"));
    // written from sound inputs again, the figure carries no note
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    EXPECT_TRUE(ResultView::Of(Get(role::kTenderFee))->Marks().isEmpty());
    EXPECT_FALSE(mark->isVisible());
}

TEST_F(WindowTest, AnEvidentCorrectionIsOneClickAway)
{
    const struct {
        const char* typed;
        const char* offer;
        const char* corrected;
    } cases[] = {
        {"12,345.67", "改为 12345.67", "12345.67"},
        {"¥60,000,000", "按元换算为 6000 万元", "6000"},
        {"60,000,000元", "按元换算为 6000 万元", "6000"},
    };
    ShowPage(0);
    auto* box = Get<QLineEdit>(role::kTenderAmount);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Type(role::kTenderAmount, QString::fromUtf8(c.typed));
        EXPECT_NE(MarkOf(box), "");
        // the box's own menu, with the offer first
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QAction* first = menu->actions().front();
            EXPECT_EQ(first->text(), QString::fromUtf8(c.offer));
            menu->close();
            first->trigger();
        });
        emit box->customContextMenuRequested(QPoint(5, 5));
        EXPECT_EQ(box->text(), QString::fromUtf8(c.corrected));
        EXPECT_EQ(MarkOf(box), "");
    }
    // and a click on the mark offers it too
    Type(role::kTenderAmount, "1,000");
    std::vector<MenuItem> offered;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions()) {
            offered.push_back({a->text(), a->isEnabled(), {}});
        }
        menu->close();
    });
    InputNoteMark(box)->trigger();
    ASSERT_EQ(offered.size(), 3u);  // the note, a separator, the offer
    EXPECT_EQ(offered.back().text, "改为 1000");
}

TEST_F(WindowTest, GreyFiguresCannotBeCopiedButTheirWorkingCan)
{
    CalculateEverything();
    ShowPage(0);
    Type(role::kTenderAmount, "7000");
    QGuiApplication::clipboard()->setText("before");
    QTest::keySequence(Get(role::kTenderFee), QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    const QString why = "输入已更改，请点击“计算”重新计算";
    for (const MenuItem& item : ContextMenu(Get(role::kTenderFee))) {
        if (item.text == ResultCopy::CopyCaptionText() ||
            item.text == ResultCopy::CopyFiguresText() ||
            item.text == ResultCopy::CopyCapitalsText()) {
            EXPECT_FALSE(item.enabled) << item.text.toStdString();
            EXPECT_EQ(item.toolTip, why);
        }
        if (item.text == ResultCopy::CopyWorkingText()) {
            EXPECT_TRUE(item.enabled);
        }
    }
}

TEST_F(WindowTest, MenuKeyOrShiftF10OnAStepOpensItsResultsMenu)
{
    CalculateEverything();
    const struct {
        ControlName focused;
        int page;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {
        {role::kTenderAmount, 0, Qt::Key_Menu, Qt::NoModifier},
        {role::kTenderCalculate, 0, Qt::Key_F10, Qt::ShiftModifier},
        {role::kRange, 1, Qt::Key_Menu, Qt::NoModifier},
        {role::kCompletionDate, 2, Qt::Key_F10, Qt::ShiftModifier},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focused);
        ShowPage(c.page);
        Get(c.focused)->setFocus();
        QString copied;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* a : menu->actions()) {
                if (a->text() == ResultCopy::CopyCaptionText()) {
                    menu->close();
                    a->trigger();
                    break;
                }
            }
        });
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(Get(c.focused), c.key, c.modifiers);
        copied = QGuiApplication::clipboard()->text();
        EXPECT_FALSE(copied.isEmpty());
    }
    EXPECT_EQ(Get(role::kTenderFee)->focusPolicy() & Qt::TabFocus, 0);
}

TEST_F(WindowTest, AnUnknownTenderTypeOpensTheListInsteadOfDoingNothing)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Type(role::kTenderType, "货物");
    QTemporaryDir folder;
    EXPECT_EQ(WriteCalculationSheet(window(), folder.filePath("t.pdf")), "请先选择服务类型");
    Click(role::kTenderCalculate);
    auto* combo = Get<QComboBox>(role::kTenderType);
    EXPECT_TRUE(combo->view()->isVisible());
    combo->hidePopup();
    EXPECT_EQ(Caption(role::kTenderFee), "");
}

// Written under a limit on file sizes.
TEST_F(WindowSystemTest, ASheetSavedOntoAFullDiskLeavesTheOldFileAsItWas)
{
    KELVORA_POSIX_ONLY("a nearly full disk is a per-process file size limit");
    QTemporaryDir folder;
    const QString path = folder.filePath("sheet.pdf");
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    ASSERT_EQ(WriteCalculationSheet(window(), path), "");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();

    // little room left: no file of this process may grow past 2 kB
    Type(role::kTenderAmount, "7000");
    Click(role::kTenderCalculate);
    const QString message =
        OnANearlyFullDisk(2048, [&] { return WriteCalculationSheet(window(), path); });

    EXPECT_TRUE(message.startsWith("无法写入文件")) << message.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"sheet.pdf"});
}

TEST_F(WindowTest, AfterAGoodSaveTheWindowSaysWhereTheSheetWentEvenWithoutAViewer)
{
    QTemporaryDir folder;
    const QString target = folder.filePath("chosen.pdf");
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    RefuseToOpen();
    const QString told = SaveThroughDialogs(Get(role::kTenderAmount), target).told;
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_TRUE(told.startsWith("已保存：" + QDir::toNativeSeparators(target)))
        << told.toStdString();
}

}  // namespace
}  // namespace kelvora::testing
