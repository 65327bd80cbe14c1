// The calculation sheets written from the real window, read back with
// pdftotext (poppler-utils).

#include "ui/documents/documents.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/pdf_text.h"
#include "ui/sheet/sheet_header_dialog.h"
#include "ui/sheet/sheet_output.h"
#include "ui/widgets/result_view.h"
#include "ui/window_driver.h"

namespace kelvora::testing {

namespace {

class SheetTest : public WindowTest {
public:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_folder.isValid());
    }

    QString PathOf(const QString& name) const { return m_folder.filePath(name); }

    // The sheet of the current page written to `name`; its text, spaces and
    // line breaks taken out (pdftotext lays a table out with both).
    QString WriteAndRead(const QString& name)
    {
        const QString path = PathOf(name);
        const QString message = WriteCalculationSheet(window(), path);
        EXPECT_EQ(message, "");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
        return PdfText(path);
    }

    static void ExpectHolds(const QString& text, const QStringList& pieces)
    {
        for (QString piece : pieces) {
            piece.remove(QRegularExpression(QStringLiteral("\\s")));
            EXPECT_TRUE(text.contains(piece)) << "missing: " << piece.toStdString();
        }
    }

    // The working of a result, line by line, as its tooltip shows it.
    QStringList WorkingLines(ControlName result)
    {
        return ui::ResultView::Of(Get(result))->Working().split('\n');
    }

    void Supervision(int steps)
    {
        ShowPage(1);
        Type(role::kFeeBasis, "35000");
        Click(role::kBasePriceCalculate);
        if (steps >= 2) {
            Click(role::kComplexityHigh);
            Type(role::kDiscipline, "1.2");
            Type(role::kElevation, "1");
            Click(role::kBenchmarkCalculate);
        }
        if (steps >= 3) {
            Type(role::kRange, "-10");
            Click(role::kChargedFeeCalculate);
        }
    }

private:
    QTemporaryDir m_folder;
};

// Sheets read back with pdftotext and pdfinfo (poppler-utils), laid out in
// the CJK faces the set-up installs, or written where only root may not.
class SheetSystemTest : public SheetTest {};

TEST_F(SheetSystemTest, TenderFeeSheetHoldsInputsWorkingAndResult)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Type(role::kTenderType, "服务招标");
    Click(role::kDocumentService);
    Click(role::kTenderCalculate);
    const QString text = WriteAndRead("tender.pdf");
    ExpectHolds(text, {"招标代理服务费计算书", QDate::currentDate().toString("yyyy年M月d日"),
                       "中标金额", "6000 万元", "服务类型", "服务招标", "单独提供编制招标文件服务",
                       "是", "差额定率累进", "招标代理服务收费金额"});
    ExpectHolds(text, WorkingLines(role::kTenderFee));
    EXPECT_EQ(Caption(role::kTenderFee), "23.34");  // 17.95 x 1.3 = 23.335
    // the yuan are those of the fee itself, to the 分
    ExpectHolds(text, {"招标代理服务收费金额：23.335 万元（页面按两位小数显示为 23.34）",
                       "小写：¥233,350.00", "大写：人民币贰拾叁万叁仟叁佰伍拾元整"});
}

TEST_F(SheetSystemTest, SupervisionSheetCoversTheStepsShownInOrder)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    Supervision(1);
    QString text = WriteAndRead("base.pdf");
    ExpectHolds(text, {"工程监理服务收费计算书", "计费额", "35000 万元", "直线插入法",
                       "收费基价：629.5 万元", "小写：¥6,295,000.00"});
    ExpectHolds(text, WorkingLines(role::kBasePrice));
    // neither the later steps' results nor their inputs
    for (const char* absent :
         {"工程监理服务收费基准价：", "监理取费：", "高程调整系数（", "（空"}) {
        EXPECT_FALSE(text.contains(absent)) << absent;
    }

    Supervision(2);
    text = WriteAndRead("benchmark.pdf");
    ExpectHolds(text,
                {"专业调整系数", "1.2", "工程复杂程度", "复杂，调整系数 1.15", "高程调整系数",
                 "工程监理服务收费基准价：868.71 万元", "大写：人民币捌佰陆拾捌万柒仟壹佰元整"});
    ExpectHolds(text, WorkingLines(role::kBenchmark));
    EXPECT_FALSE(text.contains("监理取费："));
    EXPECT_FALSE(text.contains("浮动幅度值（")) << "no range row";

    Supervision(3);
    text = WriteAndRead("charged.pdf");
    ExpectHolds(text, {"浮动幅度值", "-10 %", "监理取费：781.839 万元", "小写：¥7,818,390.00",
                       "大写：人民币柒佰捌拾壹万捌仟叁佰玖拾元整"});
    for (ControlName result : {role::kBasePrice, role::kBenchmark, role::kChargedFee}) {
        ExpectHolds(text, WorkingLines(result));
    }
    // in the order of the steps
    EXPECT_LT(text.indexOf("收费基价："), text.indexOf("工程监理服务收费基准价："));
    EXPECT_LT(text.indexOf("工程监理服务收费基准价："), text.indexOf("监理取费："));
}

TEST_F(SheetSystemTest, PeriodSheetHoldsBothDates)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    ShowPage(2);
    Get<QDateEdit>(role::kCompletionDate)->setDate(QDate(2010, 2, 6));
    Click(role::kPeriodCalculate);
    const QString text = WriteAndRead("period.pdf");
    ExpectHolds(text, {"工期计算书", "开工日期", "2009/2/6", "竣工日期", "2010/2/6", "开工当日不计",
                       "工期：365 天"});
    ExpectHolds(text, WorkingLines(role::kPeriod));
    EXPECT_FALSE(text.contains("小写"));
}

TEST_F(SheetTest, StaleOrMissingResultsWriteNothingAndSayWhichButton)
{
    const struct {
        const char* what;
        int page;
        std::function<void(SheetTest&)> setUp;
        const char* message;
    } cases[] = {
        {"tender never calculated", 0, [](SheetTest&) {}, "请先点击“计算”"},
        {"tender amount changed", 0,
         [](SheetTest& t) {
             t.Type(role::kTenderAmount, "6000");
             t.Click(role::kTenderCalculate);
             t.Type(role::kTenderAmount, "7000");
         },
         "请先点击“计算”"},
        {"tender type changed", 0,
         [](SheetTest& t) {
             t.Type(role::kTenderAmount, "6000");
             t.Click(role::kTenderCalculate);
             t.Type(role::kTenderType, "货物招标");
         },
         "请先点击“计算”"},
        {"no base price", 1, [](SheetTest&) {}, "请先点击“计算基价”"},
        {"fee basis changed", 1,
         [](SheetTest& t) {
             t.Supervision(3);
             t.Type(role::kFeeBasis, "1000");
         },
         "请先点击“计算基价”"},
        {"discipline changed", 1,
         [](SheetTest& t) {
             t.Supervision(3);
             t.Type(role::kDiscipline, "1.1");
         },
         "请先点击“工程监理服务收费基准价”"},
        {"grade changed", 1,
         [](SheetTest& t) {
             t.Supervision(2);
             t.Click(role::kComplexityGeneral);
         },
         "请先点击“工程监理服务收费基准价”"},
        {"range changed", 1,
         [](SheetTest& t) {
             t.Supervision(3);
             t.Type(role::kRange, "5");
         },
         "请先点击“监理取费”"},
        {"charged fee without a benchmark price", 1,
         [](SheetTest& t) {
             t.Supervision(1);
             t.Click(role::kChargedFeeCalculate);
         },
         "请先点击“工程监理服务收费基准价”"},
        {"period never calculated", 2, [](SheetTest&) {}, "请先点击“计算”"},
        {"date changed", 2,
         [](SheetTest& t) {
             t.Click(role::kPeriodCalculate);
             t.Get<QDateEdit>(role::kStartDate)->setDate(QDate(2008, 1, 1));
         },
         "请先点击“计算”"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        ShowPage(c.page);
        c.setUp(*this);
        ShowPage(c.page);
        const QString path = PathOf(QStringLiteral("stale.pdf"));
        EXPECT_EQ(WriteCalculationSheet(window(), path), QString::fromUtf8(c.message));
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST_F(SheetSystemTest, PathsThatCannotBeWrittenGiveAMessageAndNoFile)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    QStringList paths = {PathOf("no/such/folder/sheet.pdf")};
    // a folder without write permission stops anyone but root; procfs stops root too
    QDir(PathOf("")).mkdir("locked");
    QFile::setPermissions(PathOf("locked"), QFile::ReadOwner | QFile::ExeOwner);
#ifndef _WIN32
    if (geteuid() != 0) {
        paths << PathOf("locked/sheet.pdf");
    }
    paths << QStringLiteral("/proc/kelvora-sheet.pdf");
#endif
    for (const QString& path : paths) {
        const QString message = WriteCalculationSheet(window(), path);
        EXPECT_TRUE(message.startsWith("无法写入文件")) << message.toStdString();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
        EXPECT_FALSE(QFile::exists(path)) << path.toStdString();
    }
    QFile::setPermissions(PathOf("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // and the window goes on
    Type(role::kTenderAmount, "500");
    Click(role::kTenderCalculate);
    EXPECT_EQ(Caption(role::kTenderFee), "3.80");
}

// Why a sheet could not be written, in Chinese throughout (the path aside):
// a missing folder, a folder in the way, a folder no one may write, a nearly
// full disk; "原有的文件未作改动" only where there was an old file.
TEST_F(SheetSystemTest, AFileThatCannotBeWrittenIsSaidInChinese)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    QDir(PathOf("")).mkdir("taken.pdf");
    QFile old(PathOf("old.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the sheet from before");
    old.close();
    const struct {
        QString path;
        const char* reason;
        bool nearlyFull;
        bool posix;  // the way it fails needs a POSIX system
    } cases[] = {
        {PathOf("no/such/folder/sheet.pdf"), "不存在", false, false},
        {PathOf("taken.pdf"), "该位置已有一个同名的文件夹", false, false},
        {QStringLiteral("/proc/kelvora-sheet.pdf"), "没有在该文件夹中写入文件的权限", false, true},
        {PathOf("old.pdf"), "写入不完整，可能是磁盘空间不足。原有的文件未作改动。", true, true},
    };
    for (const auto& c : cases) {
        if (c.posix && !kPosix) {
            continue;
        }
        SCOPED_TRACE(c.path.toStdString());
        const QString message =
            c.nearlyFull
                ? OnANearlyFullDisk(2048, [&] { return WriteCalculationSheet(window(), c.path); })
                : WriteCalculationSheet(window(), c.path);
        EXPECT_TRUE(message.startsWith("无法写入文件")) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.reason))) << message.toStdString();
        EXPECT_EQ(message.contains("原有的文件未作改动"), c.nearlyFull) << message.toStdString();
        QString words = message;
        words.remove(QDir::toNativeSeparators(c.path));
        words.remove(QDir::toNativeSeparators(QFileInfo(c.path).absolutePath()));
        EXPECT_FALSE(words.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << "English in: " << message.toStdString();
    }
}

// After a failed save (a nearly full disk) the warning is shown, and the save
// dialog opens again in the same folder with the same name.
TEST_F(SheetSystemTest, AFailedSaveAsksAgainWhereTheUserWas)
{
    KELVORA_POSIX_ONLY("a nearly full disk is a per-process file size limit");
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    const QString target = PathOf("计算书.pdf");
    const SaveRun run = ThroughSaveDialogs(target, [&] {
        Get(role::kTenderAmount)->setFocus();
        OnANearlyFullDisk(2048, [&] {
            QTest::keySequence(Get(role::kTenderAmount), QKeySequence::Save);
            return 0;
        });
    });
    ASSERT_FALSE(run.told.isEmpty());
    EXPECT_TRUE(run.told.last().startsWith("无法写入文件")) << run.told.last().toStdString();
    EXPECT_EQ(run.icon, QMessageBox::Warning);
    ASSERT_EQ(run.files.size(), 2);
    EXPECT_EQ(run.files[1], target);
    EXPECT_FALSE(QFile::exists(target));
}

// The save dialogs of a run open where its last paper was saved.
TEST_F(SheetTest, TheNextSaveDialogOpensWhereTheLastPaperWent)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    ASSERT_TRUE(QDir(PathOf("")).mkpath("项目甲")) << "a folder named in Chinese";
    const QString first = PathOf("项目甲/计算书.pdf");
    const SaveRun run = ThroughSaveDialogs(first, [&] {
        for (int i = 0; i < 2; ++i) {
            QApplication::setActiveWindow(&window());
            Get(role::kTenderAmount)->setFocus();
            QTest::keySequence(Get(role::kTenderAmount), QKeySequence::Save);
        }
    });
    EXPECT_EQ(run.told, QStringList()) << "a write that failed or was questioned";
    ASSERT_EQ(run.folders.size(), 2);
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_EQ(run.folders[1], QFileInfo(first).absolutePath());
}

TEST_F(SheetTest, CtrlSAsksWhereWritesAndOpensTheSheet)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    const QString target = PathOf("chosen.pdf");
    const Saved saved = SaveThroughDialogs(Get(role::kTenderAmount), target);
    EXPECT_EQ(saved.proposed, QDir(ui::SheetFolder())
                                  .filePath("招标代理服务费计算书-" +
                                            QDate::currentDate().toString(Qt::ISODate) + ".pdf"));
    EXPECT_TRUE(QFile::exists(target));
    ASSERT_EQ(Opened().size(), 1);
    EXPECT_EQ(Opened()[0].toLocalFile(), target);
}

TEST_F(SheetTest, OfferedOnCalculatorPagesAndTheirResultsOnly)
{
    for (int page : {0, 1, 2}) {
        ShowPage(page);
        QWidget* area = Tabs()->widget(page);
        bool offered = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* a : menu->actions()) {
                offered = offered || a->text() == ui::ExportSheetText();
            }
            menu->close();
        });
        emit area->customContextMenuRequested(QPoint(2, area->height() - 3));
        EXPECT_TRUE(offered) << page;
    }
    for (ControlName result : kResultLabels) {
        bool offered = false;
        for (const MenuItem& item : ContextMenu(Get(result))) {
            offered = offered || item.text == ui::ExportSheetText();
        }
        EXPECT_TRUE(offered) << result;
    }
    // the about page has nothing to export
    ShowPage(3);
    EXPECT_EQ(Tabs()->widget(3)->contextMenuPolicy(), Qt::DefaultContextMenu);
    EXPECT_FALSE(ui::HasCalculationSheet(window()));
    QWidget* focused = QApplication::focusWidget();
    QTest::keySequence(focused != nullptr ? focused : &window(), QKeySequence::Save);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // nothing opens
}

int PdfPages(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished(20000);
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// Each calculator's sheet, with every header field and with none: one page,
// the fields given, the standard cited, each result once, lines to sign.
TEST_F(SheetSystemTest, EachSheetIsOnePageWithItsHeaderStandardResultsAndSignLines)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    const ui::SheetHeader full{
        "城南污水处理厂",       "CN-2026-018", "第二标段", "城南水务有限公司",
        "某某招标代理有限公司", "张三",        "李四",     ""};
    const struct {
        const char* what;
        int page;
        std::function<void(SheetTest&)> calculate;
        const char* standard;  // "" for none
        std::vector<const char*> results;
    } sheets[] = {
        {"tender",
         0,
         [](SheetTest& t) {
             t.Type(role::kTenderAmount, "6000");
             t.Click(role::kDocumentService);
             t.Click(role::kTenderCalculate);
         },
         "《招标代理服务收费管理暂行办法》（计价格〔2002〕1980号）",
         {"招标代理服务收费金额：29.315 万元（页面按两位小数显示为 29.32）"}},
        {"supervision",
         1,
         [](SheetTest& t) { t.Supervision(3); },
         "《建设工程监理与相关服务收费管理规定》（发改价格〔2007〕670号）",
         {"收费基价：629.5 万元", "工程监理服务收费基准价：868.71 万元", "监理取费：781.839 万元"}},
        {"period", 2, [](SheetTest& t) { t.Click(role::kPeriodCalculate); }, "", {"工期：0 天"}},
    };
    const QStringList fields = {"项目名称：城南污水处理厂", "项目编号：CN-2026-018",
                                "标段：第二标段", "招标人（委托人）：城南水务有限公司",
                                "代理机构：某某招标代理有限公司"};
    for (const auto& sheet : sheets) {
        for (const bool filled : {true, false}) {
            SCOPED_TRACE(sheet.what);
            SCOPED_TRACE(filled);
            SetUp();
            ShowPage(sheet.page);
            sheet.calculate(*this);
            const QString path = PathOf(QStringLiteral("%1-%2.pdf").arg(sheet.what).arg(filled));
            ASSERT_EQ(WriteCalculationSheet(window(), path, filled ? full : ui::SheetHeader{}), "");
            EXPECT_EQ(PdfPages(path), 1);
            const QString text = PdfText(path);
            for (QString field : fields) {
                field.remove(' ');
                EXPECT_EQ(text.contains(field), filled) << field.toStdString();
            }
            EXPECT_EQ(text.contains("项目名称"), filled);
            EXPECT_TRUE(text.contains(QString::fromUtf8(sheet.standard).remove(' ')));
            for (const char* result : sheet.results) {
                const QString line = QString::fromUtf8(result).remove(' ');
                EXPECT_EQ(text.count(line), 1) << result;
            }
            ExpectHolds(text, {"编制人：", "复核人：", "日期：", "第1页共1页"});
            EXPECT_EQ(text.contains("编制人：张三"), filled);
            EXPECT_EQ(text.contains("复核人：李四"), filled);
        }
    }
}

TEST_F(SheetSystemTest, ACoefficientChosenFromTheListIsNamedWhileItsValueStands)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    const auto choose = [this](ControlName box, const char* label) {
        auto* list = Get<QLineEdit>(box)->findChild<QMenu*>();
        if (list == nullptr) {
            QTest::keyClick(Get(box), Qt::Key_F4);
            list = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        }
        ASSERT_NE(list, nullptr);
        list->close();
        for (QAction* action : list->actions()) {
            if (action->text().startsWith(QString::fromUtf8(label))) {
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no row " << label;
    };
    const struct {
        const char* what;
        std::function<void()> edit;
        QStringList named;
        QStringList unnamed;
    } cases[] = {
        {"rows chosen",
         [&] {
             choose(role::kDiscipline, "建筑、人防、市政公用工程");
             choose(role::kElevation, "海拔 2001～3000 m");
         },
         {"建筑、人防、市政公用工程 1.0", "海拔 2001～3000 m 1.1"},
         {}},
        {"a value typed over a row",
         [&] {
             choose(role::kDiscipline, "建筑、人防、市政公用工程");
             Type(role::kDiscipline, "1.1");
         },
         {},
         {"建筑、人防、市政公用工程"}},
        {"agreed above 4000 m",
         [&] {
             choose(role::kElevation, "海拔 4001 m 以上");
             Type(role::kElevation, "1.4");
         },
         {"海拔 4001 m 以上，协商确定"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        Supervision(1);
        Click(role::kComplexityHigh);
        Type(role::kDiscipline, "1.2");
        Type(role::kElevation, "1");
        c.edit();
        Click(role::kBenchmarkCalculate);
        const QString text = WriteAndRead(QStringLiteral("coefficients.pdf"));
        for (QString named : c.named) {
            EXPECT_TRUE(text.contains(named.remove(' '))) << named.toStdString();
        }
        for (QString unnamed : c.unnamed) {
            EXPECT_FALSE(text.contains(unnamed.remove(' '))) << unnamed.toStdString();
        }
    }
}

// Printing makes the same document as the PDF and refuses what it refuses.
TEST_F(SheetSystemTest, PrintMakesTheSameSheetWithTheSameRefusals)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    const auto printed = [this](const QString& name) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PathOf(name));
        return ui::PrintCalculationSheet(window(), printer);
    };
    for (int page : {0, 1, 2}) {
        ShowPage(page);
        const QString refused = WriteCalculationSheet(window(), PathOf("refused.pdf"));
        EXPECT_FALSE(refused.isEmpty());
        EXPECT_EQ(printed("refused-print.pdf"), refused);
        EXPECT_FALSE(QFile::exists(PathOf("refused-print.pdf")));
    }
    Supervision(3);
    Type(role::kRange, "5");  // the charged fee grey
    EXPECT_EQ(printed("grey.pdf"), WriteCalculationSheet(window(), PathOf("grey-write.pdf")));
    Click(role::kChargedFeeCalculate);
    ASSERT_EQ(printed("printed.pdf"), "");
    EXPECT_EQ(PdfPages(PathOf("printed.pdf")), 1);
    EXPECT_EQ(PdfText(PathOf("printed.pdf")), WriteAndRead("written.pdf"));
}

TEST_F(SheetSystemTest, CtrlPShowsThePrintPreviewOfTheSheet)
{
    ShowPage(0);
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    int pages = -1;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (ConfirmSheetHeader(modal)) {
            return;
        }
        if (modal != nullptr && modal->objectName() == "sheetPrintPreview") {
            if (auto* preview = modal->findChild<QPrintPreviewWidget*>()) {
                pages = preview->pageCount();
            }
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        }
    });
    poll.start();
    Get(role::kTenderAmount)->setFocus();
    QTest::keySequence(Get(role::kTenderAmount), QKeySequence::Print);
    poll.stop();
    EXPECT_EQ(pages, 1);
}

TEST_F(SheetTest, TheHeaderIsAskedTopToBottomConfirmedWithEnterAndOfferedAgain)
{
    const auto ask = [this](const std::function<void(QDialog&)>& fill, ui::SheetHeader& header) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            fill(*dialog);
        });
        return ui::AskSheetHeader(window(), header);
    };
    ui::SheetHeader first;
    ASSERT_TRUE(ask(
        [&](QDialog& dialog) {
            // Tab from the first field to the last, typing into each
            const int fields = static_cast<int>(ui::kSheetHeaderFields.size());
            for (int i = 0; i < fields; ++i) {
                auto* field = qobject_cast<QLineEdit*>(dialog.focusWidget());
                if (field == nullptr) {
                    ADD_FAILURE() << "no field has the focus at " << i;
                    dialog.reject();
                    return;
                }
                QTest::keyClicks(field, QStringLiteral("f%1").arg(i));
                if (i + 1 < fields) {
                    QTest::keyClick(field, Qt::Key_Tab);
                }
            }
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        },
        first));
    EXPECT_EQ(first.project, "f0");
    EXPECT_EQ(first.lot, "f2");
    EXPECT_EQ(first.checkedBy, QStringLiteral("f%1").arg(ui::kSheetHeaderFields.size() - 1));
    // the next sheet of the run offers what was typed; Esc leaves it as it was
    ui::SheetHeader second;
    QString offered;
    EXPECT_FALSE(ask(
        [&](QDialog& dialog) {
            if (auto* field = qobject_cast<QLineEdit*>(dialog.focusWidget())) {
                offered = field->text();
            }
            dialog.reject();
        },
        second));
    EXPECT_EQ(offered, "f0");
}

}  // namespace
}  // namespace kelvora::testing
