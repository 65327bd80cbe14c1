// Text from a file, the settings, a pasted cell or a typed box is shown as
// written wherever the window quotes it: markup in it is never drawn.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "calc/tender_fee.h"
#include "ui/batch/batch_model.h"
#include "ui/batch/batch_window.h"
#include "ui/common/error_report.h"
#include "ui/timetable/timetable_window.h"
#include "ui/widgets/note_mark.h"
#include "ui/widgets/result_view.h"
#include "ui/window_driver.h"

namespace kelvora::testing {
namespace {

constexpr const char* kMarkup = "<b style=\"font-size:28pt\">粗</b><img src=\"x.png\">";

// The text format of the message box the next step opens, and its text.
struct Shown {
    Qt::TextFormat format = Qt::AutoText;
    QString text;
};

Shown NextMessage(const std::function<void()>& step)
{
    Shown shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = {box->textFormat(), box->text()};
            box->accept();
        }
    });
    step();
    return shown;
}

TEST_F(WindowTest, MarkupInWhatIsQuotedIsShownAsWritten)
{
    const QString markup = QString::fromUtf8(kMarkup);
    // a message quoting it
    const Shown told = NextMessage([&] { ui::Tell(window(), markup); });
    EXPECT_EQ(told.format, Qt::PlainText);
    EXPECT_EQ(told.text, markup);

    // a batch: its header in the unit message, its hint and total, a cell's tooltip
    ShowPage(0);
    ui::BatchWindow* batch = ui::OpenBatch(window(), TenderFeeCalculator());
    QGuiApplication::clipboard()->setText("标段\t中标金额（" + markup +
                                          "）\t服务类型\n一\t6000\t工程招标\n");
    const Shown unit = NextMessage([&] { batch->Paste(); });
    EXPECT_EQ(unit.format, Qt::PlainText);
    EXPECT_TRUE(unit.text.contains(markup)) << unit.text.toStdString();
    ASSERT_EQ(batch->model().PasteRows("标段\t中标金额\t服务类型\t" + markup + "\n一\t12" + markup +
                                       "\t工程招标\t\n"),
              "");
    for (const char* label : {"batchHint", "batchTotal"}) {
        EXPECT_EQ(batch->findChild<QLabel*>(label)->textFormat(), Qt::PlainText) << label;
    }
    EXPECT_TRUE(batch->findChild<QLabel*>("batchHint")->text().contains(markup));
    const QString tip = batch->model().data(batch->model().index(0, 1), Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains("&lt;b style=")) << tip.toStdString();
    batch->model().MarkExported();

    // a typed amount quoted by its mark and by the result's
    Type(role::kTenderAmount, "12" + markup);
    Click(role::kTenderCalculate);
    const QString boxTip = ui::InputNoteMark(Get(role::kTenderAmount))->toolTip();
    EXPECT_TRUE(boxTip.contains("&lt;img src=")) << boxTip.toStdString();
    const QString resultTip = ui::ResultView::Of(Get(role::kTenderFee))->MarkWidget()->toolTip();
    EXPECT_TRUE(resultTip.contains("&lt;img src=")) << resultTip.toStdString();

    // an imported calendar's source under the timetable, and the message that says so
    QTemporaryDir folder;
    const QString path = folder.filePath("calendar.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# 来源：" + markup.toUtf8() + "\n2027-10-01 放\n");
    file.close();
    ui::TimetableWindow& timetable = *ui::OpenTimetable(window());
    EXPECT_EQ(timetable.findChild<QLabel*>("timetableCalendar")->textFormat(), Qt::PlainText);
    EXPECT_EQ(NextMessage([&] { ui::Warn(timetable, timetable.ImportCalendar(path)); }).format,
              Qt::PlainText);
}

}  // namespace
}  // namespace kelvora::testing
