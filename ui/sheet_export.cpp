#include "ui/sheet_export.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include "ui/calculation_sheet.h"
#include "ui/error_report.h"
#include "ui/result_view.h"
#include "ui/web_link.h"

namespace kelvora::ui {
namespace {

void Tell(QWidget& window, const QString& message)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kReportTitle), message,
                    QMessageBox::Ok, &window);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void AddExportAction(QMenu& menu, QWidget& window)
{
    if (!menu.isEmpty()) {
        menu.addSeparator();
    }
    QAction* action = menu.addAction(ExportSheetText());
    action->setShortcut(QKeySequence::Save);
    QObject::connect(action, &QAction::triggered, &window, [&window] { ExportSheet(window); });
}

// Says where the sheet went, at the window's foot, for a few seconds.
void ShowSavedNotice(QWidget& window, const QString& text)
{
    auto* notice = new QLabel(text, &window);
    notice->setObjectName(QStringLiteral("savedNotice"));
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice->setFrameStyle(QFrame::Box | QFrame::Plain);
    notice->setAutoFillBackground(true);
    notice->setBackgroundRole(QPalette::ToolTipBase);
    notice->setForegroundRole(QPalette::ToolTipText);
    notice->setMargin(4);
    notice->setMaximumWidth(window.width() - 16);
    notice->adjustSize();
    notice->move(8, window.height() - notice->height() - 8);
    notice->show();
    QTimer::singleShot(8000, notice, &QObject::deleteLater);
}

}  // namespace

QString SheetFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

QString ExportSheetText()
{
    return QStringLiteral("导出计算书（PDF）…");
}

void ExportSheet(QWidget& window)
{
    if (!HasCalculationSheet(window)) {
        return;  // the about page has none
    }
    if (const QString problem = SheetProblem(window); !problem.isEmpty()) {
        Tell(window, problem);
        return;
    }
    QFileDialog dialog(&window, QStringLiteral("导出计算书"), SheetFolder(),
                       QStringLiteral("PDF 文件 (*.pdf)"));
    dialog.selectFile(ProposedSheetName(window, QDate::currentDate()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    if (const QString message = WriteCalculationSheet(window, path); !message.isEmpty()) {
        Tell(window, message);
        return;
    }
    const QString saved = QStringLiteral("已保存：") + QDir::toNativeSeparators(path);
    try {
        OpenLocalFile(QFileInfo(path).absoluteFilePath().toStdString());
    } catch (const LinkOpenError&) {
        Tell(window, saved + QStringLiteral("\n无法用默认的程序打开它，可在文件管理器中打开。"));
        return;
    }
    ShowSavedNotice(window, saved);
}

void SetUpSheetExport(QWidget& window)
{
    auto* save = new QAction(ExportSheetText(), &window);
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::WindowShortcut);
    window.addAction(save);
    QObject::connect(save, &QAction::triggered, &window, [&window] { ExportSheet(window); });
}

void OfferSheetOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find)
{
    // The bare area of the page: the page itself and its frame.
    QWidget* frame = find(calculator.frame);
    if (frame == nullptr) {
        return;
    }
    for (QWidget* area : {frame->parentWidget(), frame}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(area, &QWidget::customContextMenuRequested, area,
                         [&window, area](const QPoint& at) {
                             QMenu menu(area);
                             AddExportAction(menu, window);
                             menu.exec(area->mapToGlobal(at));
                         });
    }
    for (const CalculatorStep& step : calculator.steps) {
        if (ResultView* view = ResultView::Of(find(step.result))) {
            view->SetMenuExtras([&window](QMenu& menu) { AddExportAction(menu, window); });
        }
    }
}

}  // namespace kelvora::ui
