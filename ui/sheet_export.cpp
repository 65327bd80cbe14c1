#include "ui/sheet_export.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabWidget>

#include "ui/calculation_sheet.h"
#include "ui/control_table.h"
#include "ui/error_report.h"
#include "ui/main_window.h"
#include "ui/result_view.h"
#include "ui/web_link.h"

namespace kelvora::ui {
namespace {

void Tell(MainWindow& window, const QString& message)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kReportTitle), message,
                    QMessageBox::Ok, &window);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void AddExportAction(QMenu& menu, MainWindow& window)
{
    if (!menu.isEmpty()) {
        menu.addSeparator();
    }
    QAction* action = menu.addAction(ExportSheetText());
    action->setShortcut(QKeySequence::Save);
    QObject::connect(action, &QAction::triggered, &window, [&window] { ExportSheet(window); });
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

void ExportSheet(MainWindow& window)
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
    RunReported(&window,
                [&path] { OpenLocalFile(QFileInfo(path).absoluteFilePath().toStdString()); });
}

void SetUpSheetExport(MainWindow& window, const ControlMap& widgets)
{
    auto* save = new QAction(ExportSheetText(), &window);
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::WindowShortcut);
    window.addAction(save);
    QObject::connect(save, &QAction::triggered, &window, [&window] { ExportSheet(window); });

    auto* tabs = Lookup<QTabWidget>(widgets, role::kTabs);
    if (tabs == nullptr) {
        return;
    }
    // The bare area of a calculator page: the page itself and its frame.
    for (const ControlRow& row : ControlRows()) {
        const bool onCalculatorPage =
            row.container == role::kTabs && row.page >= 0 && row.page <= 2;
        if (!onCalculatorPage || row.kind != ControlKind::Frame) {
            continue;
        }
        for (QWidget* area : {tabs->widget(row.page), Lookup(widgets, row.name)}) {
            area->setContextMenuPolicy(Qt::CustomContextMenu);
            QObject::connect(area, &QWidget::customContextMenuRequested, area,
                             [&window, area](const QPoint& at) {
                                 QMenu menu(area);
                                 AddExportAction(menu, window);
                                 menu.exec(area->mapToGlobal(at));
                             });
        }
    }
    for (const ResultBox& result : ResultBoxes()) {
        if (ResultView* view = ResultView::Of(Lookup(widgets, result.label))) {
            view->SetMenuExtras([&window](QMenu& menu) { AddExportAction(menu, window); });
        }
    }
}

}  // namespace kelvora::ui
