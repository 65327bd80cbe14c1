#include "ui/batch/batch_window.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "calc/calculators.h"
#include "ui/batch/batch_model.h"
#include "ui/batch/table_files.h"
#include "ui/binding/calculation_sheet.h"
#include "ui/common/error_report.h"
#include "ui/common/qt_text.h"
#include "ui/layout/control_table.h"
#include "ui/sheet/sheet_document.h"
#include "ui/sheet/sheet_export.h"

namespace kelvora::ui {
namespace {

QString Escaped(const std::string& text)
{
    return ToQString(text).toHtmlEscaped();
}

// The name of the batch: "招标代理服务费" from "招标代理服务费计算书".
QString BatchName(const Calculator& calculator)
{
    QString title = ToQString(calculator.title);
    title.remove(QStringLiteral("计算书"));
    return title;
}

QPageLayout BatchPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 10),
                       QPageLayout::Millimeter);
}

}  // namespace

BatchWindow::BatchWindow(const Calculator& calculator, QWidget* parent)
    : QDialog(parent), m_calculator(calculator), m_model(new BatchModel(calculator, this))
{
    setObjectName(QStringLiteral("batchWindow"));
    setWindowTitle(QStringLiteral("批量计算：") + BatchName(calculator));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(900, 480);

    auto* hint = new QLabel(
        QStringLiteral("从电子表格复制各标段的行后按 Ctrl+V 粘贴（可含标题行），也可直接输入；"
                       "列依次为：%1。")
            .arg(ToQString([&] {
                std::string names;
                for (std::size_t i = 0; i <= m_model->columns().inputs.size(); ++i) {
                    names += (i == 0 ? "标段"
                                     : "、" + std::string(m_model->columns().inputs[i - 1]->name));
                }
                return names;
            }())),
        this);
    hint->setWordWrap(true);

    m_view = new QTableView(this);
    m_view->setModel(m_model);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 8);
    m_view->setAlternatingRowColors(false);
    m_view->resizeColumnsToContents();

    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("batchTotal"));
    m_total->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_total->setWordWrap(true);

    const struct {
        const char* text;
        QKeySequence keys;
        void (BatchWindow::*run)();
    } commands[] = {
        {"粘贴", {}, &BatchWindow::Paste},  // Ctrl+V and Ctrl+C: in the table, below
        {"复制表格", {}, &BatchWindow::CopyTable},
        {"导出 Excel…", {}, &BatchWindow::ExportXlsx},
        {"导出 CSV…", {}, &BatchWindow::ExportCsv},
        {"导出计算书…", QKeySequence::Save, &BatchWindow::ExportSheet},
        {"打印…", QKeySequence::Print, &BatchWindow::Print},
    };
    auto* buttons = new QHBoxLayout;
    for (const auto& command : commands) {
        auto* button = new QPushButton(QString::fromUtf8(command.text), this);
        button->setAutoDefault(false);
        const auto run = command.run;
        connect(button, &QPushButton::clicked, this, [this, run] { (this->*run)(); });
        if (!command.keys.isEmpty()) {
            auto* action = new QAction(this);
            action->setShortcut(command.keys);
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            connect(action, &QAction::triggered, this, [this, run] { (this->*run)(); });
            addAction(action);
            button->setToolTip(command.keys.toString(QKeySequence::NativeText));
        }
        buttons->addWidget(button);
    }
    auto* clear = new QPushButton(QStringLiteral("清空"), this);
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, this, [this] { m_model->Clear(); });
    buttons->addWidget(clear);
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_total);
    layout->addLayout(buttons);

    m_model->SetChanged([this] { ShowTotal(); });
    ShowTotal();
    m_view->installEventFilter(this);
}

bool BatchWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+V and Ctrl+C in the table are the whole table's, not one cell's.
    if (watched != m_view ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)) {
        return QDialog::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool paste = key->matches(QKeySequence::Paste);
    const bool copy = key->matches(QKeySequence::Copy);
    if (!paste && !copy) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // delivered as a key press to this filter
        return true;
    }
    paste ? Paste() : CopyTable();
    return true;
}

void BatchWindow::Tell(const QString& message)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kReportTitle), message,
                    QMessageBox::Ok, this);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void BatchWindow::ShowTotal()
{
    const BatchColumns& columns = m_model->columns();
    const std::size_t rows = m_model->rows().size();
    if (!columns.money) {
        m_total->setText(QStringLiteral("共 %1 行").arg(rows));
        return;
    }
    const BatchTotal total = m_model->Total();
    QString text = QStringLiteral("合计（%1 行）：").arg(rows - total.failed);
    const std::string& last = total.sums.back();
    text += QStringLiteral("%1 %2 万元　小写：%3　大写：%4")
                .arg(ToQString(columns.results.back()->name), ToQString(last),
                     ToQString(total.figures), ToQString(total.capitals));
    if (total.failed > 0) {
        text += QStringLiteral("（%1 行计算失败，未计入合计）").arg(total.failed);
    }
    m_total->setText(text);
}

void BatchWindow::Paste()
{
    const QString problem = m_model->PasteRows(QApplication::clipboard()->text());
    if (!problem.isEmpty()) {
        Tell(problem);
        return;
    }
    m_view->resizeColumnsToContents();
    m_view->scrollToBottom();
}

void BatchWindow::CopyTable()
{
    QApplication::clipboard()->setText(m_model->TableText());
}

QString BatchWindow::AskPath(const QString& title, const QString& suffix, const QString& filter)
{
    QFileDialog dialog(this, title, SheetFolder(), filter);
    dialog.selectFile(BatchName(m_calculator) + QStringLiteral("批量计算-") +
                      QDate::currentDate().toString(Qt::ISODate) + QLatin1Char('.') + suffix);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void BatchWindow::ExportXlsx()
{
    const QString path = AskPath(QStringLiteral("导出 Excel"), QStringLiteral("xlsx"),
                                 QStringLiteral("Excel 工作簿 (*.xlsx)"));
    if (path.isEmpty()) {
        return;
    }
    const BatchColumns& columns = m_model->columns();
    std::vector<bool> numbers(columns.inputs.size() + 1, false);
    numbers.resize(numbers.size() + columns.results.size(), true);
    const QString problem = WriteXlsx(path, m_model->Table(), numbers, columns.money);
    Tell(problem.isEmpty() ? QStringLiteral("已保存：") + QDir::toNativeSeparators(path) : problem);
}

void BatchWindow::ExportCsv()
{
    const QString path = AskPath(QStringLiteral("导出 CSV"), QStringLiteral("csv"),
                                 QStringLiteral("CSV 文件 (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    const QString problem = WriteCsv(path, m_model->Table());
    Tell(problem.isEmpty() ? QStringLiteral("已保存：") + QDir::toNativeSeparators(path) : problem);
}

QString BatchWindow::SheetHtml(const SheetHeader& header) const
{
    const std::vector<Cells> table = m_model->Table();
    const QDate made = QDate::currentDate();
    QString html = QStringLiteral("<html><body><h2 align=\"center\">%1（多标段）</h2>")
                       .arg(ToQString(m_calculator.title).toHtmlEscaped());
    const std::pair<const char*, const QString*> fields[] = {
        {"项目名称", &header.project},
        {"项目编号", &header.projectNumber},
        {"招标人（委托人）", &header.client},
        {"代理机构", &header.agency},
    };
    QStringList filled;
    for (const auto& [name, value] : fields) {
        if (!value->trimmed().isEmpty()) {
            filled << QString::fromUtf8(name) + QStringLiteral("：") +
                          value->trimmed().toHtmlEscaped();
        }
    }
    if (!filled.isEmpty()) {
        html += QStringLiteral("<p>%1</p>").arg(filled.join(QStringLiteral("　　")));
    }
    html += QStringLiteral("<p align=\"right\">编制日期：%1年%2月%3日</p>")
                .arg(made.year())
                .arg(made.month())
                .arg(made.day());
    if (const FeeSchedule& schedule = *m_calculator.schedules.front(); !schedule.standard.empty()) {
        html +=
            QStringLiteral("<p>计算依据：%1</p>").arg(ToQString(schedule.standard).toHtmlEscaped());
    }
    html +=
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">");
    const bool totalRow = m_model->columns().money;
    for (std::size_t r = 0; r < table.size(); ++r) {
        const bool strong = r == 0 || (totalRow && r + 1 == table.size());
        html += QStringLiteral("<tr>");
        for (const std::string& cell : table[r]) {
            html += strong ? QStringLiteral("<td><b>%1</b></td>").arg(Escaped(cell))
                           : QStringLiteral("<td>%1</td>").arg(Escaped(cell));
        }
        html += QStringLiteral("</tr>");
    }
    const QString blank = QStringLiteral("＿＿＿＿＿＿");
    const auto sign = [&](const char* role, const QString& name) {
        return QString::fromUtf8(role) + QStringLiteral("：") +
               (name.trimmed().isEmpty() ? blank : name.trimmed().toHtmlEscaped());
    };
    html += QStringLiteral(
                "</table><p>&nbsp;</p><p>%1　　　%2　　　%3</p>"
                "<p>本计算书由 Kelvora " KELVORA_VERSION
                " 按上列输入计算得出，仅作参考，以合同约定为准。</p></body></html>")
                .arg(sign("编制人", header.preparedBy), sign("复核人", header.checkedBy),
                     sign("日期", {}));
    return html;
}

void BatchWindow::ExportSheet()
{
    SheetHeader header;
    if (!AskSheetHeader(*this, header)) {
        return;
    }
    const QString path = AskPath(QStringLiteral("导出计算书"), QStringLiteral("pdf"),
                                 QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const QString problem = WriteSheet(path, header);
    Tell(problem.isEmpty() ? QStringLiteral("已保存：") + QDir::toNativeSeparators(path) : problem);
}

QString BatchWindow::WriteSheet(const QString& path, const SheetHeader& header) const
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(BatchPageLayout());
        writer.setTitle(windowTitle());
        writer.setCreator(QStringLiteral("Kelvora " KELVORA_VERSION));
        PaintSheet(SheetHtml(header), writer);
    }
    return WriteWholeFile(path, pdf);
}

void BatchWindow::Print()
{
    SheetHeader header;
    if (!AskSheetHeader(*this, header)) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(BatchPageLayout());
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("batchPrintPreview"));
    const QString html = SheetHtml(header);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [html](QPrinter* target) { PaintSheet(html, *target); });
    preview.exec();
}

BatchWindow* OpenBatch(QWidget& window, const Calculator& calculator)
{
    BatchWindow* batch = nullptr;
    for (auto* child : window.findChildren<QDialog*>(QStringLiteral("batchWindow"))) {
        auto* candidate = static_cast<BatchWindow*>(child);
        if (&candidate->calculator() == &calculator) {
            batch = candidate;
        }
    }
    if (batch == nullptr) {
        batch = new BatchWindow(calculator, &window);
    }
    batch->show();
    batch->raise();
    batch->activateWindow();
    return batch;
}

void SetUpBatch(QWidget& window)
{
    auto* open = new QAction(QStringLiteral("批量计算"), &window);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    open->setShortcutContext(Qt::WindowShortcut);
    window.addAction(open);
    QObject::connect(open, &QAction::triggered, &window, [&window] {
        const auto* tabs = window.findChild<QTabWidget*>(ToQString(role::kTabs.str()));
        for (const Calculator* calculator : Calculators()) {
            if (tabs != nullptr && PageOf(calculator->frame) == tabs->currentIndex()) {
                OpenBatch(window, *calculator);
            }
        }
    });
}

void OfferBatchOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find)
{
    const int page = PageOf(calculator.frame);
    for (const ControlRow& row : ControlRows()) {
        if (row.kind == ControlKind::BatchEntry && PageOf(row.name) == page) {
            if (auto* entry = Lookup<QPushButton>(find, row.name)) {
                QObject::connect(entry, &QPushButton::clicked, &window,
                                 [&window, &calculator] { OpenBatch(window, calculator); });
            }
        }
    }
}

}  // namespace kelvora::ui
