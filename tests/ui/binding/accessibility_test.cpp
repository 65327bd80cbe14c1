// What a screen reader hears, and Qt's own texts in Chinese, through the
// real window. CTest also runs the Qt texts test under LANG=C.

#include <gtest/gtest.h>

#include <QDir>

#include <QAccessible>
#include <QCalendarWidget>
#include <QDesktopServices>
#include <QPushButton>

#include "ui/common/web_link.h"
#include "ui/window_driver.h"

namespace kelvora::testing {

namespace {

QString Announced(QWidget* widget, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(what) : QStringLiteral("(none)");
}

TEST_F(WindowTest, EveryInputIsAnnouncedByItsPrompt)
{
    const struct {
        ControlName control;
        const char* name;
    } cases[] = {
        {role::kTenderAmount, "中标金额"},
        {role::kTenderType, "服务类型"},
        {role::kDocumentService, "单独提供编制招标文件服务"},
        {role::kTenderCalculate, "计算"},
        {role::kFeeBasis, "计费额"},
        {role::kBasePriceCalculate, "计算基价"},
        {role::kDiscipline, "专业调整系数"},
        {role::kComplexityGeneral, "一般"},
        {role::kComplexityModerate, "较复杂"},
        {role::kComplexityHigh, "复杂"},
        {role::kElevation, "高程调整系数"},
        {role::kBenchmarkCalculate, "工程监理服务收费基准价"},
        {role::kRange, "浮动幅度值"},
        {role::kStartDate, "选择开工日期"},
        {role::kCompletionDate, "选择竣工日期"},
        {role::kPeriodCalculate, "计算"},
        {role::kWebLink, "单击程序说明,在线留言"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Announced(Get(c.control), QAccessible::Name).trimmed(), QString::fromUtf8(c.name))
            << c.control;
    }
    // the tender type box is named, and its value is the type
    EXPECT_EQ(Announced(Get(role::kTenderType), QAccessible::Value), "工程招标");
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(Get(role::kWebLink));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->role(), QAccessible::Link);
}

TEST_F(WindowTest, ResultsAreAnnouncedByTheirPromptWithTheFigureAsValue)
{
    const struct {
        ControlName result;
        const char* name;
    } results[] = {
        {role::kTenderFee, "招标代理服务收费金额"},
        {role::kBasePrice, "收费基价"},
        {role::kComplexityCoefficient, "工程复杂程度调整系数"},
        {role::kBenchmark, "工程监理服务收费基准价"},
        {role::kChargedFee, "监理取费"},
        {role::kPeriod, "工期"},
    };
    for (const auto& r : results) {
        EXPECT_EQ(Announced(Get(r.result), QAccessible::Name), QString::fromUtf8(r.name));
        EXPECT_EQ(Announced(Get(r.result), QAccessible::Value), "");  // nothing yet
    }
    CalculateEverything();
    for (const auto& [result, value] :
         {std::pair{role::kTenderFee, "22.55"}, std::pair{role::kBasePrice, "629.5"},
          std::pair{role::kComplexityCoefficient, "1.00"}, std::pair{role::kPeriod, "0"}}) {
        EXPECT_EQ(Announced(Get(result), QAccessible::Value), value) << result;
        EXPECT_NE(Announced(Get(result), QAccessible::Name), value) << result;
    }
}

TEST_F(WindowTest, TheLinkOpensThePageFromTheKeyboard)
{
    ShowPage(3);
    EXPECT_EQ(QApplication::focusWidget(), Get(role::kWebLink));
    QTest::keyClick(Get(role::kWebLink), Qt::Key_Return);
    QTest::keyClick(Get(role::kWebLink), Qt::Key_Space);
    EXPECT_EQ(Opened().size(), 2);
}

TEST_F(WindowTest, LinkFailureShowsTheAddressToCopy)
{
    ShowPage(3);
    QMessageBox* seen = nullptr;
    QString text;
    Qt::TextInteractionFlags flags;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = box;
            text = box->text() + box->informativeText();
            flags = box->textInteractionFlags();
            box->accept();
        }
    });
    poll.start();
    RefuseToOpen();
    Click(role::kWebLink);
    poll.stop();
    ASSERT_NE(seen, nullptr);
    EXPECT_TRUE(text.contains("文件未找到"));
    // the guide's path, to open it from a file manager
    EXPECT_TRUE(text.contains("无法用默认的程序打开"));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(ui::GuidePath())));
    EXPECT_FALSE(text.contains("重新计算"));  // that advice is for the calculations
    EXPECT_TRUE(flags & Qt::TextSelectableByMouse);
}

// Run by CTest a second time under LANG=C: the texts stay Chinese.
TEST_F(WindowTest, QtTextsAreChinese)
{
    QMessageBox box(QMessageBox::Critical, "Kelvora", "溢出", QMessageBox::Ok, &window());
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "确定");

    auto* edit = Get<QLineEdit>(role::kTenderAmount);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    EXPECT_TRUE(texts.join(' ').contains("复制")) << texts.join(' ').toStdString();
    EXPECT_TRUE(texts.join(' ').contains("粘贴")) << texts.join(' ').toStdString();
    EXPECT_FALSE(texts.join(' ').contains("Copy"));

    ShowPage(2);
    auto* picker = Get<QDateEdit>(role::kStartDate);
    picker->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picker, Qt::Key_F4);
    QCalendarWidget* calendar = picker->calendarWidget();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->locale().language(), QLocale::Chinese);
    EXPECT_EQ(calendar->locale().toString(QDate(2009, 2, 6), "MMMM"), "二月");
    calendar->window()->close();
}

}  // namespace
}  // namespace kelvora::testing
