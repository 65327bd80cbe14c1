// The README's pictures: saves PNGs of the real window into the working
// directory (scripts/screenshots.sh runs it and puts them into docs/):
// kelvora-tab0.png .. tab3.png as the window opens, then
// the window with a tooltip or a list open, as a person sees it:
// kelvora-tooltip.png (the working behind a tender fee),
// kelvora-discipline-list.png (the discipline coefficients),
// kelvora-warning.png (a text not read as typed) and kelvora-stale.png (a
// result whose input changed), kelvora-supervision-sheet.pdf, and
// kelvora-batch.png (a sheet pasted into the supervision page's batch window),
// kelvora-terms.png (the tender page with the agency's terms) and
// kelvora-notice.pdf (the fee notice of a lot) and kelvora-timetable.png
// (the tender's timetable).

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <cstdio>

#include "calc/supervision_fee.h"
#include "ui/batch/batch_window.h"
#include "ui/common/agency_settings.h"
#include "ui/documents/fee_notice.h"
#include "ui/timetable/timetable_window.h"
#include "ui/widgets/note_mark.h"
#include "ui/window/main_window.h"

namespace {

using namespace kelvora;

template <typename T>
T* Control(MainWindow& window, ControlName name)
{
    return qobject_cast<T*>(window.control(name));
}

// The window with every tooltip and menu open over it painted in, the
// picture widened where they reach past the window.
bool Save(MainWindow& window, const QString& name)
{
    QTest::qWait(20);
    QList<QWidget*> popups;
    QRect area = window.geometry();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && (top->inherits("QTipLabel") || top->inherits("QMenu"))) {
            popups << top;
            area |= top->geometry().adjusted(-8, -8, 8, 8);
        }
    }
    QImage shot(area.size(), QImage::Format_ARGB32);
    shot.fill(Qt::white);
    QPainter painter(&shot);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    for (QWidget* popup : popups) {
        painter.drawPixmap(popup->pos() - area.topLeft(), popup->grab());
    }
    painter.end();
    const QString file = QDir::current().filePath(name);
    if (!shot.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // settings of its own, never the user's: the agency's details and terms
    // of the pictures are kept in a folder that goes with the run
    QTemporaryDir settings;
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "window not shown\n");
        return 1;
    }
    auto* tabs = Control<QTabWidget>(window, role::kTabs);
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        if (!Save(window, QStringLiteral("kelvora-tab%1.png").arg(i))) {
            return 1;
        }
    }

    // The working behind a fee, as hovering Label5 shows it.
    tabs->setCurrentIndex(0);
    Control<QLineEdit>(window, role::kTenderAmount)->setText(QStringLiteral("6000"));
    QTest::mouseClick(Control<QPushButton>(window, role::kTenderCalculate), Qt::LeftButton);
    auto* label = Control<QLabel>(window, role::kTenderFee);
    QToolTip::showText(label->mapToGlobal(QPoint(4, label->height() + 2)), label->toolTip(), label);
    if (!Save(window, QStringLiteral("kelvora-tooltip.png"))) {
        return 1;
    }
    QToolTip::hideText();

    // The discipline coefficients, opened from the keyboard.
    tabs->setCurrentIndex(1);
    auto* discipline = Control<QLineEdit>(window, role::kDiscipline);
    discipline->setFocus();
    QTest::keyClick(discipline, Qt::Key_Down, Qt::AltModifier);
    const bool saved = Save(window, QStringLiteral("kelvora-discipline-list.png"));
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        menu->close();
    }
    if (!saved) {
        return 1;
    }

    // A pasted amount with a thousands separator: the mark and what it says.
    tabs->setCurrentIndex(0);
    auto* amount = Control<QLineEdit>(window, role::kTenderAmount);
    amount->setText(QStringLiteral("12,345.67"));
    QTest::mouseClick(Control<QPushButton>(window, role::kTenderCalculate), Qt::LeftButton);
    QTest::qWait(20);  // the focus moves to the page's first input first, which closes tips
    if (QAction* mark = ui::InputNoteMark(amount)) {
        QToolTip::showText(amount->mapToGlobal(QPoint(amount->width() - 8, amount->height() + 2)),
                           mark->toolTip(), &window);
    }
    if (!Save(window, QStringLiteral("kelvora-warning.png"))) {
        return 1;
    }
    QToolTip::hideText();

    // The supervision steps, then the fee basis changed: the base price is grey.
    tabs->setCurrentIndex(1);
    Control<QLineEdit>(window, role::kFeeBasis)->setText(QStringLiteral("35000"));
    QTest::mouseClick(Control<QPushButton>(window, role::kBasePriceCalculate), Qt::LeftButton);
    QTest::mouseClick(Control<QRadioButton>(window, role::kComplexityModerate), Qt::LeftButton);
    Control<QLineEdit>(window, role::kDiscipline)->setText(QStringLiteral("1.2"));
    Control<QLineEdit>(window, role::kElevation)->setText(QStringLiteral("1"));
    QTest::mouseClick(Control<QPushButton>(window, role::kBenchmarkCalculate), Qt::LeftButton);
    Control<QLineEdit>(window, role::kFeeBasis)->setText(QStringLiteral("40000"));
    auto* basePrice = Control<QLabel>(window, role::kBasePrice);
    QToolTip::showText(basePrice->mapToGlobal(QPoint(4, basePrice->height() + 2)),
                       basePrice->toolTip(), basePrice);
    if (!Save(window, QStringLiteral("kelvora-stale.png"))) {
        return 1;
    }
    QToolTip::hideText();

    // All three steps again from the new basis, and their calculation sheet.
    QTest::mouseClick(Control<QPushButton>(window, role::kBasePriceCalculate), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(window, role::kBenchmarkCalculate), Qt::LeftButton);
    Control<QLineEdit>(window, role::kRange)->setText(QStringLiteral("-10"));
    QTest::mouseClick(Control<QPushButton>(window, role::kChargedFeeCalculate), Qt::LeftButton);
    const QString sheet = QDir::current().filePath(QStringLiteral("kelvora-supervision-sheet.pdf"));
    const ui::SheetHeader header{
        "城南污水处理厂二期工程", "CN-2026-018", "第二标段", "城南水务有限公司",
        "某某招标代理有限公司",   "张三",        "李四",     ""};
    if (const QString message = ui::WriteCalculationSheet(window, sheet, header);
        !message.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 1;
    }
    std::printf("%s\n", qPrintable(sheet));

    // Many lots pasted into the supervision page's batch window as a
    // spreadsheet copies them: its own header and order, a 序号 column, an
    // amount with thousands separators (left out of the 合计 until corrected).
    QGuiApplication::clipboard()->setText(QString::fromUtf8(
        "序号\t标段名称\t建安工程费（万元）\t复杂程度\t专业系数\t高程系数\t浮动幅度（%）\n"
        "1\t第一标段\t35000\t较复杂\t1.2\t1\t-10\n"
        "2\t第二标段\t12,800\tI级\t1.0\t1\t0\n"
        "3\t第三标段\t8600\tIII级\t1.1\t1\t-5\n"
        "4\t第四标段\t52000\t一般\t1.0\t1\t0\n"));
    ui::BatchWindow* batch = ui::OpenBatch(window, kelvora::SupervisionFeeCalculator());
    batch->resize(1040, 330);
    batch->Paste();
    QTest::qWait(20);
    const QString batchShot = QDir::current().filePath(QStringLiteral("kelvora-batch.png"));
    if (!batch->grab().save(batchShot)) {
        return 1;
    }
    std::printf("%s\n", qPrintable(batchShot));
    batch->hide();

    // The agency's terms (80 % of the standard, at least 2,000 元) and the
    // tender page with its fee to charge, then the fee notice of the lot.
    ui::AgencyDetails agency;
    agency.name = agency.accountName = QStringLiteral("某某招标代理有限公司");
    agency.address = QStringLiteral("城南区建设路 18 号");
    agency.contact = QStringLiteral("王五");
    agency.phone = QStringLiteral("0571-88888888");
    agency.bank = QStringLiteral("中国银行城南支行");
    agency.account = QStringLiteral("6222 0000 1111 2222");
    agency.payment = QStringLiteral("领取中标通知书时一次付清");
    agency.payer = QStringLiteral("中标人");
    window.settings().Save(
        agency, *kelvora::ReadFeeTerms("schedule=2002;kind=share;percent=80;minimum=2000").terms);
    tabs->setCurrentIndex(0);
    Control<QLineEdit>(window, role::kTenderAmount)->setText(QStringLiteral("6000"));
    QTest::mouseClick(Control<QPushButton>(window, role::kTenderCalculate), Qt::LeftButton);
    if (!Save(window, QStringLiteral("kelvora-terms.png"))) {
        return 1;
    }
    const QString notice = QDir::current().filePath(QStringLiteral("kelvora-notice.pdf"));
    const ui::SheetDraft draft = ui::PageNoticeDraft(*window.CurrentSource());
    ui::SheetHeader noticeHeader;
    noticeHeader.project = QStringLiteral("城南污水处理厂二期工程");
    noticeHeader.projectNumber = QStringLiteral("CN-2026-018");
    noticeHeader.lot = QStringLiteral("第二标段");
    noticeHeader.client = QStringLiteral("城南水务有限公司");
    noticeHeader.bidder = QStringLiteral("某某建设集团有限公司");
    if (!draft.problem.isEmpty() || !ui::WriteSheet(draft.make(noticeHeader), notice).isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(draft.problem));
        return 1;
    }
    std::printf("%s\n", qPrintable(notice));

    // The tender's timetable: documents first issued 2024-09-11, a deadline
    // planned too early.
    ui::TimetableWindow* timetable = ui::OpenTimetable(window);
    timetable->resize(1100, 640);
    timetable->start()->setDate(QDate(2024, 9, 11));
    timetable->planned(ui::kDeadline)->setChecked(true);
    timetable->plannedDay(ui::kDeadline)->setDate(QDate(2024, 9, 30));
    QTest::qWait(50);
    const QString timetableShot = QDir::current().filePath(QStringLiteral("kelvora-timetable.png"));
    if (!timetable->grab().save(timetableShot)) {
        return 1;
    }
    std::printf("%s\n", qPrintable(timetableShot));
    return 0;
}
