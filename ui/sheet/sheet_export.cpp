#include "ui/sheet/sheet_export.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTimer>

#include "ui/binding/calculation_sheet.h"
#include "ui/common/error_report.h"
#include "ui/common/web_link.h"
#include "ui/sheet/sheet_header_dialog.h"
#include "ui/widgets/result_view.h"

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
    QAction* print = menu.addAction(PrintSheetText());
    print->setShortcut(QKeySequence::Print);
    QObject::connect(print, &QAction::triggered, &window, [&window] { PrintSheet(window); });
}

// The header typed for the sheets of this run, kept by the window.
class HeaderMemory : public QObject {
public:
    explicit HeaderMemory(QWidget& window) : QObject(&window) {}
    SheetHeader header;
};

}  // namespace

bool AskSheetHeader(QWidget& parent, SheetHeader& header)
{
    // kept by the main window, also for the sheets of its batch windows
    QWidget* window = parent.window();
    while (window->parentWidget() != nullptr) {
        window = window->parentWidget()->window();
    }
    HeaderMemory* memory = nullptr;
    for (QObject* child : window->children()) {
        memory = memory != nullptr ? memory : dynamic_cast<HeaderMemory*>(child);
    }
    if (memory == nullptr) {
        memory = new HeaderMemory(*window);
    }
    SheetHeaderDialog dialog(memory->header, &parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    memory->header = dialog.header();
    header = memory->header;
    return true;
}

namespace {

// Whether the current page's sheet can be made; says why not when it cannot.
bool SheetReady(QWidget& window)
{
    if (!HasCalculationSheet(window)) {
        return false;  // the about page has none
    }
    if (const QString problem = SheetProblem(window); !problem.isEmpty()) {
        Tell(window, problem);
        return false;
    }
    return true;
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

QString PrintSheetText()
{
    return QStringLiteral("打印计算书…");
}

void PrintSheet(QWidget& window)
{
    SheetHeader header;
    if (!SheetReady(window) || !AskSheetHeader(window, header)) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &window);
    preview.setObjectName(QStringLiteral("sheetPrintPreview"));
    preview.setWindowTitle(PrintSheetText().chopped(1));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &window,
                     [&window, header](QPrinter* target) {
                         if (const QString problem = PrintCalculationSheet(window, *target, header);
                             !problem.isEmpty()) {
                             Tell(window, problem);
                         }
                     });
    preview.exec();
}

void ExportSheet(QWidget& window)
{
    SheetHeader header;
    if (!SheetReady(window) || !AskSheetHeader(window, header)) {
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
    if (const QString message = WriteCalculationSheet(window, path, header); !message.isEmpty()) {
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
    auto* print = new QAction(PrintSheetText(), &window);
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    window.addAction(print);
    QObject::connect(print, &QAction::triggered, &window, [&window] { PrintSheet(window); });
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
