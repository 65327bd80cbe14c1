// The link to the guide and the error report, through the real window. No
// browser is ever started: an URL handler counts the opens.

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTabBar>
#include <QUrl>

#include "ui/common/error_report.h"
#include "ui/common/web_link.h"
#include "ui/window_driver.h"

namespace kelvora::testing {

namespace {

class LinkTest : public WindowTest {
protected:
    int Opens() const { return static_cast<int>(Opened().size()); }

    // A point of the page that no control covers: its bottom-left corner.
    QPoint UncoveredPointOf(QWidget* page) { return QPoint(2, page->height() - 3); }
};

TEST_F(LinkTest, EachClickOnLabel22OpensThePageOnce)
{
    ShowPage(3);
    Click(role::kWebLink);
    ASSERT_EQ(Opens(), 1);
    // the guide installed with the program, as a file: address
    EXPECT_EQ(Opened().front().scheme(), "file");
    EXPECT_EQ(Opened().front().toLocalFile(), ui::GuidePath());
    EXPECT_TRUE(ui::GuidePath().endsWith("guide/index.html"));
    EXPECT_TRUE(QFileInfo::exists(ui::GuidePath()));
    Click(role::kWebLink);
    EXPECT_EQ(Opens(), 2);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(Tabs()->currentIndex(), 3);
}

TEST_F(LinkTest, DoubleClickOnTheTabStripOpensThePage)
{
    QTabBar* bar = Tabs()->tabBar();
    for (int tab = 0; tab < Tabs()->count(); ++tab) {
        QTest::mouseDClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    EXPECT_EQ(Opens(), Tabs()->count());
    // the strip beside the last tab belongs to the tab control too
    const QPoint beside(Tabs()->width() - 5, bar->height() / 2);
    QTest::mouseDClick(Tabs(), Qt::LeftButton, {}, beside);
    EXPECT_EQ(Opens(), Tabs()->count() + 1);
}

TEST_F(LinkTest, DoubleClickOnBarePageAreaOpensThePageOnEveryTab)
{
    for (int page = 0; page < Tabs()->count(); ++page) {
        ShowPage(page);
        QWidget* area = Tabs()->widget(page);
        QTest::mouseDClick(area, Qt::LeftButton, {}, UncoveredPointOf(area));
        EXPECT_EQ(Opens(), page + 1) << "page " << page;
    }
}

TEST_F(LinkTest, ClicksThatAreNotTheLinkOpenNothing)
{
    QTabBar* bar = Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(Tabs()->currentIndex(), 2);
    QTest::mouseClick(Tabs()->widget(2), Qt::LeftButton, {}, UncoveredPointOf(Tabs()->widget(2)));
    ShowPage(0);
    QTest::mouseDClick(Get(role::kTenderFrame), Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseDClick(Get(role::kCredit), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseDClick(Get(role::kTenderAmount), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Opens(), 0);
}

TEST_F(WindowTest, LinkThatCannotBeOpenedIsReportedAndTheWindowStays)
{
    RefuseToOpen();
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    ShowPage(3);
    const auto report = WithReport([&] { Click(role::kWebLink); });
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->title, "Kelvora");
    EXPECT_TRUE(report->text.contains("文件未找到")) << report->text.toStdString();
    EXPECT_TRUE(report->text.contains(QDir::toNativeSeparators(ui::GuidePath())))
        << report->text.toStdString();
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(Caption(role::kTenderFee), "22.55");
    EXPECT_EQ(Get<QLineEdit>(role::kTenderAmount)->text(), "6000");
}

TEST_F(WindowTest, OverflowIsReportedAndTheWindowKeepsWorking)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    Type(role::kTenderAmount, "1e400");
    const auto report = WithReport([&] { Click(role::kTenderCalculate); });
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->title, "Kelvora");
    EXPECT_TRUE(report->text.contains("溢出")) << report->text.toStdString();
    EXPECT_EQ(Caption(role::kTenderFee), "22.55");
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(Get<QLineEdit>(role::kTenderAmount)->text(), "1e400");

    Type(role::kTenderAmount, "500");
    const auto again = WithReport([&] { Click(role::kTenderCalculate); });
    EXPECT_FALSE(again.has_value());
    EXPECT_EQ(Caption(role::kTenderFee), "3.80");
}

TEST_F(WindowTest, InternalErrorsAreReportedWithoutTheirEnglishText)
{
    const std::function<void()> faults[] = {
        [] { throw std::logic_error("no control named Label99"); },
        [] { throw std::out_of_range("map::at"); },
        [] { throw 42; },
    };
    for (const auto& fault : faults) {
        const auto report = WithReport([&] { ui::RunReported(&window(), fault); });
        ASSERT_TRUE(report.has_value());
        EXPECT_EQ(report->title, "Kelvora");
        EXPECT_EQ(report->text, "程序内部错误");
    }
}

}  // namespace
}  // namespace kelvora::testing
