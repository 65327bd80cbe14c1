// The tender's timetable through the real window: reached by its link and
// Ctrl+D, worked out again as the form changes, planned days that break a
// rule marked in red, copied cell by cell, a calendar file imported and kept
// for the next window (or refused with the line and why), and the
// 招标时间安排表 read back with pdftotext.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include "calc/tender_timetable.h"
#include "ui/pdf_text.h"
#include "ui/sheet/sheet_output.h"
#include "ui/timetable/timetable_window.h"
#include "ui/widgets/note_mark.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

class TimetableTest : public WindowTest {
public:
    ui::TimetableWindow* Timetable()
    {
        // a window of ours without a meta-object: found by its name
        return static_cast<ui::TimetableWindow*>(
            window().findChild<QWidget*>("timetableWindow", Qt::FindDirectChildrenOnly));
    }

    // The table's cell in the row of `work`, column `column`.
    QTableWidgetItem* Cell(ui::TimetableWindow& timetable, const QString& work, int column)
    {
        auto* table = timetable.findChild<QTableWidget*>("timetableTable");
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, 1)->text() == work) {
                return table->item(r, column);
            }
        }
        ADD_FAILURE() << work.toStdString();
        return nullptr;
    }

    static void Plan(ui::TimetableWindow& timetable, int which, const QDate& day)
    {
        timetable.planned(which)->setChecked(true);
        timetable.plannedDay(which)->setDate(day);
    }
};

TEST_F(TimetableTest, TheLinkAndCtrlDOpenOneWindow)
{
    EXPECT_EQ(Timetable(), nullptr);
    QTest::keyClick(&window(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_NE(Timetable(), nullptr);
    EXPECT_TRUE(Timetable()->isVisible());
    Timetable()->close();
    ShowPage(2);
    QTest::mouseClick(Get<QPushButton>(role::kTimetableEntry), Qt::LeftButton);
    EXPECT_TRUE(Timetable()->isVisible());
    EXPECT_EQ(window().findChildren<QWidget*>("timetableWindow").size(), 1);
    // the window still opens on the supervision page, its pages unchanged
    EXPECT_EQ(Get<QPushButton>(role::kTimetableEntry)->text(), "招标时间安排（Ctrl+D）…");
}

TEST_F(TimetableTest, TheTableFollowsTheFormAndMarksWhatBreaksARule)
{
    ui::TimetableWindow& timetable = *ui::OpenTimetable(window());
    timetable.start()->setDate(QDate(2024, 9, 11));
    const QString earliest = "投标截止、开标（最早）";
    EXPECT_EQ(Cell(timetable, earliest, 2)->text(), "2024-10-08");
    EXPECT_EQ(Cell(timetable, earliest, 3)->text(), "星期二");
    const struct {
        QDate deadline;
        const char* mark;  // in 说明, "" none
        bool red;
    } cases[] = {
        {QDate(2024, 9, 30), "不符合“不少于 20 日”：最早为 2024-10-08", true},
        {QDate(2024, 10, 13), "投标截止、开标日为休息日（法律未禁止，请确认）", false},
        {QDate(2024, 10, 15), "", false},
    };
    for (const auto& c : cases) {
        Plan(timetable, ui::kDeadline, c.deadline);
        QTableWidgetItem* note = Cell(timetable, "投标截止、开标（拟定）", 6);
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->text(), c.mark);
        EXPECT_EQ(note->foreground().color() == QColor(0xC0, 0, 0), c.red) << c.mark;
        // counted back from the planned deadline
        EXPECT_EQ(Cell(timetable, "招标文件澄清或修改（最迟）", 2)->text(),
                  c.deadline.addDays(-16).toString("yyyy-MM-dd"));
    }
    // government procurement: no 资格预审, the 工作日 of its own rules
    auto* prequalification = timetable.findChild<QCheckBox*>("timetablePrequalification");
    prequalification->setChecked(true);
    EXPECT_NE(Cell(timetable, "资格预审申请文件提交截止（最早）", 2), nullptr);
    timetable.procedure()->setCurrentIndex(1);
    EXPECT_FALSE(prequalification->isEnabled());
    EXPECT_EQ(Cell(timetable, "招标文件提供期满（最早）", 2)->text(), "2024-09-19");
}

// The validity typed or chosen gives its row a day; what is no whole number
// of days is said at the box and gives none.
TEST_F(TimetableTest, TheValidityOfTheBidsIsAWholeNumberOfDays)
{
    ui::TimetableWindow& timetable = *ui::OpenTimetable(window());
    timetable.start()->setDate(QDate(2024, 9, 11));  // the earliest deadline 10-08
    const struct {
        const char* typed;
        const char* day;  // "" none
        bool noted;
    } cases[] = {
        {"90", "2025-01-06", false},  // 10-08 + 90
        {"60日", "2024-12-09", false},  // 12-07 is a Saturday
        {"9.5", "", true},
        {"", "", false},
    };
    for (const auto& c : cases) {
        timetable.validity()->setEditText(QString::fromUtf8(c.typed));
        const QTableWidgetItem* day = Cell(timetable, "投标有效期届满", 2);
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->text(), QString::fromUtf8(c.day)) << c.typed;
        EXPECT_EQ(ui::InputNoteMark(timetable.validity())->isVisible(), c.noted) << c.typed;
    }
}

TEST_F(TimetableTest, CopiedAsCellsASpreadsheetTakesOneByOne)
{
    ui::TimetableWindow& timetable = *ui::OpenTimetable(window());
    timetable.start()->setDate(QDate(2025, 9, 24));
    // the offscreen platform leaves the main window active
    QApplication::setActiveWindow(&timetable);
    auto* table = timetable.findChild<QTableWidget*>("timetableTable");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(timetable.timetable().rows.size() + 1));
    EXPECT_EQ(lines[0], "阶段\t工作内容\t日期\t星期\t期限与计算\t依据\t说明");
    EXPECT_TRUE(lines[1].startsWith("招标\t招标公告发布、招标文件开始发售\t2025-09-24\t星期三\t"));
}

// A calendar file: read line by line, kept for the next window, refused whole
// with the line and why, or with the days where it contradicts a known year.
TEST_F(TimetableTest, ACalendarFileIsImportedKeptOrRefusedWithItsReason)
{
    QTemporaryDir folder;
    const auto file = [&](const char* name, const char* text) {
        QFile out(folder.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
        return folder.filePath(name);
    };
    ui::TimetableWindow& timetable = *ui::OpenTimetable(window());
    const struct {
        const char* name;
        const char* text;
        const char* said;  // the start of the message
        bool knows2027;
    } cases[] = {
        {"bad.txt", "# 来源：某通知\n2027-10-01 休\n2027-10-32 休\n",
         "第 3 行：“2027-10-32”不是 YYYY-MM-DD 形式的有效日期，未导入", false},
        {"contradiction.txt", "2024-10-01 休\n", "2024 年的安排与", false},
        {"against the law.txt", "2027-10-01 休\n", "2027 年的安排中 2027-01-01（元旦）不是放假日",
         false},
        {"good.txt",
         "# 来源：国务院办公厅关于2027年部分节假日安排的通知\n2027-01-01 休\n2027-02-05 休\n"
         "2027-02-06 休\n2027-02-07 休\n2027-02-08 休\n2027-04-05 休\n2027-05-01 休\n"
         "2027-05-02 休\n2027-06-09 休\n2027-09-15 休\n2027-10-01 休\n"
         "2027-10-02 休\n2027-10-03 休\n2027-10-04 休\n",
         "已导入2027 年的节假日安排（国务院办公厅关于2027年部分节假日安排的通知）", true},
    };
    for (const auto& c : cases) {
        const QString said = timetable.ImportCalendar(file(c.name, c.text));
        EXPECT_TRUE(said.startsWith(QString::fromUtf8(c.said))) << said.toStdString();
        EXPECT_EQ(timetable.calendar().Knows(2027), c.knows2027) << c.name;
    }
    timetable.start()->setDate(QDate(2027, 9, 10));
    EXPECT_EQ(Cell(timetable, "投标截止、开标（最早）", 2)->text(), "2027-10-05");
    // kept: a new window knows the year too
    ui::TimetableWindow next(nullptr);
    EXPECT_TRUE(next.calendar().Knows(2027));
    EXPECT_NE(next.calendar().years().at(2027).source.find("2027年"), std::string::npos);
}

using TimetableSystemTest = TimetableTest;

TEST_F(TimetableSystemTest, TheSheetHoldsEveryMilestoneTheCalendarAndSignLines)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    ui::TimetableWindow& timetable = *ui::OpenTimetable(window());
    timetable.start()->setDate(QDate(2024, 9, 11));
    Plan(timetable, ui::kDeadline, QDate(2024, 9, 30));
    QTemporaryDir folder;
    const QString path = folder.filePath("时间安排.pdf");
    ui::SheetHeader header;
    header.project = "城南污水处理厂";
    ASSERT_EQ(ui::WriteSheet(timetable.Sheet(header), path), "");
    const QString text = PdfText(path);
    if (qEnvironmentVariableIsSet("KELVORA_KEEP_PDF")) {
        QFile::copy(path, qEnvironmentVariable("KELVORA_KEEP_PDF"));
    }
    for (const char* piece : {"招标时间安排表", "项目名称：城南污水处理厂", "工程依法招标",
                              "2024-10-08", "星期二", "2024-09-30", "最早为2024-10-08",
                              "国务院办公厅关于2024年部分节假日安排的通知", "编制人"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(piece))) << piece;
    }
}

}  // namespace
}  // namespace kelvora::testing
