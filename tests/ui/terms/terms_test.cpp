// The agency's fee terms and details through the real window: kept in the
// settings only when saved (a damaged file set aside, never lost), refused
// at their field when they cannot be used, changing the figures they rest
// on; and a fee notice for each lot of a pasted batch, read back with
// pdftotext.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "calc/calculators.h"
#include "calc/fee_terms.h"
#include "calc/money.h"
#include "calc/tender_fee.h"
#include "ui/batch/batch_model.h"
#include "ui/batch/batch_window.h"
#include "ui/binding/terms_binding.h"
#include "ui/common/agency_settings.h"
#include "ui/common/qt_text.h"
#include "ui/pdf_text.h"
#include "ui/widgets/result_copy.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

ui::AgencyDetails Agency()
{
    ui::AgencyDetails agency;
    agency.name = "城南招标代理有限公司";
    agency.contact = "王五";
    agency.phone = "0571-88888888";
    agency.accountName = "城南招标代理有限公司";
    agency.bank = "中国银行城南支行";
    agency.account = "6222 0000 1111 2222";
    agency.payment = "领取中标通知书时一次付清";
    agency.payer = "中标人";
    return agency;
}

TEST(AgencySettings, KeptAsSavedAndADamagedFileIsNeverLost)
{
    const struct {
        const char* before;  // the file as it was; nullptr: none
        bool damaged;
    } cases[] = {
        {nullptr, false},
        {"[terms]\nline=kind=share;percent=80\n", false},
        {"[agency\nname=damaged\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before ? c.before : "none");
        QTemporaryDir folder;
        const QString path = folder.filePath("Kelvora.conf");
        if (c.before != nullptr) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.before);
        }
        {
            QSettings settings(path, QSettings::IniFormat);
            const ui::KeptSettings read = ui::LoadKept(settings);
            EXPECT_EQ(read.problem.contains("已损坏"), c.damaged) << read.problem.toStdString();
            const QString said =
                ui::SaveKept(settings, Agency(), "schedule=2011;kind=discount;percent=20");
            EXPECT_EQ(said.isEmpty(), !c.damaged) << said.toStdString();
            EXPECT_EQ(said.contains(".damaged-"), c.damaged) << said.toStdString();
        }
        QSettings again(path, QSettings::IniFormat);
        const ui::KeptSettings kept = ui::LoadKept(again);
        EXPECT_EQ(kept.problem, "");
        EXPECT_EQ(kept.terms, "schedule=2011;kind=discount;percent=20");
        for (const ui::AgencyField& field : ui::kAgencyFields) {
            EXPECT_EQ(kept.agency.*field.value, Agency().*field.value) << field.key;
        }
        // what could not be read stays beside it, as it was
        const QStringList copies = QDir(folder.path()).entryList({"Kelvora.conf.damaged-*"});
        ASSERT_EQ(copies.size(), c.damaged ? 1 : 0);
        if (c.damaged) {
            QFile copy(folder.filePath(copies.front()));
            ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
            EXPECT_EQ(copy.readAll(), c.before);
        }
    }
}

class TermsTest : public WindowTest {
public:
    // Opens the terms' dialog and types into it: the schedule and the kind by
    // their place in the list, the percent and the minimum as text; returns
    // what the dialog said at its field when saving was refused.
    QString SetTerms(int schedule, int kind, const QString& percent, const QString& minimum,
                     bool withAccount = true)
    {
        QString refused;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QComboBox*>("termsSchedule")->setCurrentIndex(schedule);
            dialog->findChild<QComboBox*>("termsKind")->setCurrentIndex(kind);
            dialog->findChild<QLineEdit*>("termsPercent")->setText(percent);
            dialog->findChild<QLineEdit*>("termsMinimum")->setText(minimum);
            const ui::AgencyDetails agency = Agency();
            for (const ui::AgencyField& field : ui::kAgencyFields) {
                if (auto* edit =
                        dialog->findChild<QLineEdit*>(QStringLiteral("agency_") + field.key)) {
                    const bool account = field.value == &ui::AgencyDetails::account;
                    edit->setText(account && !withAccount ? QString() : agency.*field.value);
                } else if (auto* box = dialog->findChild<QComboBox*>(QStringLiteral("agency_") +
                                                                     field.key)) {
                    box->setCurrentText(agency.*field.value);
                }
            }
            dialog->accept();
            if (dialog->isVisible()) {
                refused = dialog->findChild<QLabel*>("termsProblem")->text();
                dialog->reject();
            }
        });
        ui::EditTerms(window(), window().settings());
        return refused;
    }
};

TEST_F(TermsTest, TermsSavedInTheDialogChangeTheFiguresTheyRestOn)
{
    ShowPage(0);
    Type(role::kTenderAmount, "60000");
    Click(role::kTenderCalculate);
    // no terms: the page as it always was
    EXPECT_EQ(Caption(role::kTenderFee), "55.55");
    EXPECT_FALSE(Get(role::kTenderCharge)->isVisible());
    const struct {
        int schedule, kind;
        const char* percent;
        const char* minimum;
        const char* refused;  // "" saved
        const char* fee;      // 招标代理服务收费金额 once calculated again
        const char* charge;   // 应收代理费, "" hidden
    } cases[] = {
        {0, 1, "120", "", "收取比例应大于 0、不超过 100%", "", ""},
        {0, 3, "12", "", "费率应大于 0、不超过 10%", "", ""},
        {0, 1, "80%", "", "比例或费率应是一个数", "", ""},
        {0, 1, "80", "-1", "最低收费不能为负数", "", ""},
        {0, 1, "80", "", "", "55.55", "44.44"},
        {0, 2, "10", "", "", "55.55", "50.00"},
        {0, 3, "1.5", "", "", "55.55", "900.00"},
        // the 2011 bands alone: the standard fee changes, nothing else to charge
        {1, 0, "", "", "", "54.05", ""},
        {1, 1, "50", "", "", "54.05", "27.03"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            QStringLiteral("%1 %2 %3").arg(c.schedule).arg(c.kind).arg(c.percent).toStdString());
        const QString refused = SetTerms(c.schedule, c.kind, c.percent, c.minimum);
        if (*c.refused != '\0') {
            EXPECT_TRUE(refused.startsWith(QString::fromUtf8(c.refused))) << refused.toStdString();
            continue;
        }
        EXPECT_EQ(refused, "");
        EXPECT_EQ(Get(role::kTenderCharge)->isVisible(), *c.charge != '\0');
        Click(role::kTenderCalculate);
        EXPECT_EQ(Caption(role::kTenderFee), c.fee);
        if (*c.charge != '\0') {
            EXPECT_EQ(Caption(role::kTenderCharge), c.charge);
        }
        // kept as saved, for the next run
        QSettings settings;
        const std::string line = ui::LoadKept(settings).terms.toStdString();
        EXPECT_EQ(ReadFeeTerms(line).terms->schedule, c.schedule == 0 ? "2002" : "2011");
    }
}

// An open batch works its lots out again under terms saved while it is open,
// gaining or losing the column of the fee to charge; the lots stay as pasted.
TEST_F(TermsTest, AnOpenBatchFollowsTheTermsSaved)
{
    ShowPage(0);
    ui::BatchWindow* batch = ui::OpenBatch(window(), TenderFeeCalculator());
    ASSERT_EQ(batch->model().PasteRows(QString::fromUtf8("一\t6000\t工程招标\n"
                                                         "二\t60000\t工程招标\n")),
              "");
    const struct {
        int schedule, kind;
        const char* percent;
        std::vector<const char*> lastColumns;  // the last result column, lot by lot, then 合计
    } cases[] = {
        {0, 1, "80", {"18.04", "44.44", "62.48"}},
        {1, 0, "", {"22.55", "54.05", "76.6"}},  // the 2011 bands alone: no fee to charge
        {0, 0, "", {"22.55", "55.55", "78.1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        ASSERT_EQ(SetTerms(c.schedule, c.kind, c.percent, ""), "");
        const std::vector<Cells> table = batch->model().Table();
        const BatchColumns& columns = batch->model().columns();
        ASSERT_EQ(table.size(), 4u);                       // the header, two lots, 合计
        const std::size_t last = columns.list.size() - 4;  // before 小写, 大写, 说明
        EXPECT_EQ(columns.list[last].source, ColumnSource::Result);
        for (std::size_t i = 0; i < c.lastColumns.size(); ++i) {
            EXPECT_EQ(table[i + 1][last], c.lastColumns[i]) << "row " << i;
        }
        EXPECT_EQ(table[1][0], "一");
    }
    batch->model().MarkExported();
}

// Where the fee charged shows beside the standard fee, the Menu key offers
// the copies of both, each under its name.
TEST_F(TermsTest, TheMenuKeyOffersTheFeeChargedToo)
{
    ShowPage(0);
    ASSERT_EQ(SetTerms(0, 1, "80", ""), "");
    Type(role::kTenderAmount, "6000");
    Click(role::kTenderCalculate);
    ASSERT_EQ(Caption(role::kTenderCharge), "18.04");
    QStringList titles;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* copy = nullptr;
        for (QAction* part : menu->actions()) {
            titles << part->text();
            for (QAction* a :
                 part->menu() != nullptr ? part->menu()->actions() : QList<QAction*>{}) {
                if (a->text() == ui::ResultCopy::CopyCaptionText()) {
                    copy = a;  // the last part's: the fee charged
                }
            }
        }
        menu->close();
        ASSERT_NE(copy, nullptr);
        copy->trigger();
    });
    QGuiApplication::clipboard()->clear();
    Get(role::kTenderAmount)->setFocus();
    QTest::keyClick(Get(role::kTenderAmount), Qt::Key_Menu);
    EXPECT_EQ(titles.size(), 2);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "18.04");
}

using NoticeSystemTest = TermsTest;

// One notice per lot of a pasted batch, a doubtful lot left out and said so;
// each page holds every field and the fee to the 分 with its 大写.
TEST_F(NoticeSystemTest, ANoticeForEachLotHoldsEveryFieldAndItsExactCapitals)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    ShowPage(0);
    ASSERT_EQ(SetTerms(0, 1, "80", "2000"), "");
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8("标段\t中标金额\t服务类型\t中标人\n"
                          "一标段\t6000\t工程招标\t甲建设有限公司\n"
                          "二标段\t12,800\t货物招标\t乙贸易有限公司\n"
                          "三标段\t8600\t服务招标\t丙咨询有限公司\n"
                          "四标段\t10\t工程招标\t丁工程有限公司\n"));
    ui::BatchWindow* batch = ui::OpenBatch(window(), TenderFeeCalculator());
    batch->Paste();
    QTemporaryDir folder;
    const QString path = folder.filePath("通知书.pdf");
    ui::SheetHeader header;
    header.project = "城南污水处理厂";
    header.projectNumber = "CN-2026-018";
    ASSERT_EQ(batch->WriteNotices(path, header), "");
    const struct {
        int page;
        std::vector<const char*> pieces;
    } pages[] = {
        {1,
         {"招标代理服务费收费通知书", "致：甲建设有限公司", "城南污水处理厂", "CN-2026-018",
          "一标段", "6000万元", "服务类型工程招标", "标准收费22.55万元", "18.04万元", "¥180,400.00",
          "人民币壹拾捌万零肆佰元整", "按标准的80%收取；不足2000元的按2000元收取",
          "6222000011112222", "中国银行城南支行", "领取中标通知书时一次付清",
          "城南招标代理有限公司（盖章）"}},
        // 8600 万元 of services: 20.55 万元 by the standard, 80 % of it
        {2,
         {"致：丙咨询有限公司", "三标段", "8600万元", "服务类型服务招标", "标准收费20.55万元",
          "16.44万元", "¥164,400.00", "人民币壹拾陆万肆仟肆佰元整"}},
        // 10 万元: 800 元 by the terms, the minimum of 2,000 元
        {3,
         {"致：丁工程有限公司", "四标段", "标准收费0.1万元", "0.2万元", "¥2,000.00",
          "人民币贰仟元整"}},
    };
    for (const auto& p : pages) {
        const QString text = PdfText(path, p.page);
        for (const char* piece : p.pieces) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(piece))) << p.page << ": " << piece;
        }
        EXPECT_TRUE(text.contains("第1页共1页")) << p.page;
        // to whom without a doubled colon, and nothing said of other lots
        EXPECT_FALSE(text.contains(QString::fromUtf8("公司："))) << p.page;
        EXPECT_FALSE(text.contains(QString::fromUtf8("有疑问"))) << p.page;
    }
    EXPECT_EQ(PdfText(path, 4), "");  // the doubtful lot has none
    // without an account there is no notice, and the window says why
    ASSERT_EQ(SetTerms(0, 1, "80", "2000", false), "");
    EXPECT_TRUE(batch->WriteNotices(path, header).contains("账号"));
}

// The clerk's 20 lots (fixtures/clerk20.xlsx): amounts in 元, no 服务类型
// column, lot 7 流标 and lot 12 待定; under the agency's terms on the 2011
// schedule at 80 % with a minimum of 2,000 元. Opened as .xlsx or pasted as a
// spreadsheet shows it ("86,452,300.00"), the same 18 lots are worked out, a
// notice each, and the 合计 is what a SUM of the exported column gives.
TEST_F(NoticeSystemTest, TheClerksSheetGivesANoticeForEachLotWorkedOut)
{
    KELVORA_READ_BACK_ON_LINUX("pdftotext");
    ShowPage(0);
    Type(role::kTenderType, "工程招标");
    ASSERT_EQ(SetTerms(1, 1, "80", "2000"), "");
    ui::BatchWindow* batch = ui::OpenBatch(window(), TenderFeeCalculator());
    ASSERT_EQ(batch->ReadFile(":/fixtures/clerk20.xlsx"), "");
    const auto fees = [&] {
        // the fee charged: the last result column, before 小写, 大写 and 说明
        const BatchColumns& columns = batch->model().columns();
        const BatchColumn& fee = columns.list.at(columns.list.size() - 4);
        QStringList fees;
        for (const BatchRow& row : batch->model().rows()) {
            fees << ui::ToQString(FileText(fee, row));
        }
        return fees;
    };
    ASSERT_EQ(batch->model().rows().size(), 20u);
    // no 服务类型 column: the page's, shown in grey, the cell itself empty
    ui::BatchModel& model = batch->model();
    const auto& list = model.columns().list;
    const int type =
        static_cast<int>(std::find_if(list.begin(), list.end(),
                                      [](const BatchColumn& c) { return !c.fallback.empty(); }) -
                         list.begin());
    ASSERT_LT(type, static_cast<int>(list.size()));
    EXPECT_EQ(model.data(model.index(0, type), Qt::DisplayRole).toString(), "工程招标");
    EXPECT_EQ(model.data(model.index(0, type), Qt::EditRole).toString(), "");
    const BatchTotal total = batch->model().Total();
    EXPECT_EQ(total.counted, 18u);
    EXPECT_EQ(total.doubtful, (std::vector<std::size_t>{6, 11}));
    const QStringList opened = fees();
    EXPECT_EQ(opened[6], "");  // 流标: no figure, not the minimum
    EXPECT_EQ(opened[11], "");
    // the exported column adds up to the 合计, to the 分
    std::int64_t fen = 0;
    for (const QString& fee : opened) {
        fen += fee.isEmpty() ? 0 : MoneyFromWan(fee.toStdString())->fen();
    }
    EXPECT_EQ(Money::FromFen(fen)->WanText(), total.sums.back());
    EXPECT_EQ(Money::FromFen(fen)->Figures(), total.figures);

    QTemporaryDir folder;
    const QString path = folder.filePath("通知书.pdf");
    ui::SheetHeader header;
    header.project = "城南片区改造";
    ASSERT_EQ(batch->WriteNotices(path, header), "");
    if (qEnvironmentVariableIsSet("KELVORA_KEEP_PDF")) {
        QFile::copy(path, qEnvironmentVariable("KELVORA_KEEP_PDF"));
    }
    EXPECT_NE(PdfText(path, 18), "");
    EXPECT_EQ(PdfText(path, 19), "");
    const QString first = PdfText(path, 1);
    for (const char* piece : {"致：中标单位1有限公司", "第1标段", "8645.23万元（86452300元）",
                              "服务类型工程招标", "发改价格〔2011〕534号", "由中标人支付"}) {
        EXPECT_TRUE(first.contains(QString::fromUtf8(piece))) << piece;
    }

    // pasted as the spreadsheet shows it, in place of the lots
    QString pasted = QStringLiteral("序号\t标段名称\t中标人\t中标金额（元）\t备注\n");
    const char* shown[] = {"86,452,300.00",
                           "12,800,000.00",
                           "5,600,000.50",
                           "3,456,789.12",
                           "99,000,000.00",
                           "1,000,000.00",
                           "",
                           "25,000,000.00",
                           "7,300,000.00",
                           "4,100,000.00",
                           "61,234,567.89",
                           "待定",
                           "980,000.00",
                           "15,000,000.00",
                           "2,300,000.00",
                           "45,000,000.00",
                           "8,800,000.00",
                           "12,345,678.90",
                           "500,000.00",
                           "33,000,000.00"};
    for (int i = 0; i < 20; ++i) {
        pasted +=
            QStringLiteral("%1\t第%1标段\t中标单位%1有限公司\t%2\t%3\n")
                .arg(i + 1)
                .arg(QString::fromUtf8(shown[i]), i == 6 ? QStringLiteral("流标") : QString());
    }
    batch->model().Clear();
    ASSERT_EQ(batch->model().PasteRows(pasted), "");
    EXPECT_EQ(fees(), opened);
    EXPECT_EQ(batch->model().Total().figures, total.figures);
    batch->model().MarkExported();
}

}  // namespace
}  // namespace kelvora::testing
