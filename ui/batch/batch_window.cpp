#include "ui/batch/batch_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "calc/calculators.h"
#include "ui/batch/batch_model.h"
#include "ui/batch/table_files.h"
#include "ui/common/error_report.h"
#include "ui/common/qt_text.h"
#include "ui/common/save_flow.h"
#include "ui/layout/control_table.h"
#include "ui/sheet/sheet_output.h"

namespace kelvora::ui {
namespace {

// The name of the batch: "招标代理服务费" from "招标代理服务费计算书".
QString BatchName(const Calculator& calculator)
{
    QString title = ToQString(calculator.title);
    title.remove(QStringLiteral("计算书"));
    return title;
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
                for (const BatchColumn& column : m_model->columns().list) {
                    if (column.edited) {
                        names += (names.empty() ? "" : "、") + column.header;
                    }
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
        connect(button, &QPushButton::clicked, this,
                [this, run] { RunReported(this, [&] { (this->*run)(); }); });
        if (!command.keys.isEmpty()) {
            auto* action = new QAction(this);
            action->setShortcut(command.keys);
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            connect(action, &QAction::triggered, this,
                    [this, run] { RunReported(this, [&] { (this->*run)(); }); });
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
    RunReported(this, [&] { paste ? Paste() : CopyTable(); });
    return true;
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
        ui::Tell(*this, problem);
        return;
    }
    m_view->resizeColumnsToContents();
    m_view->scrollToBottom();
}

void BatchWindow::CopyTable()
{
    QApplication::clipboard()->setText(m_model->TableText());
}

QString BatchWindow::FileName(const QString& suffix) const
{
    return BatchName(m_calculator) + QStringLiteral("批量计算-") +
           QDate::currentDate().toString(Qt::ISODate) + QLatin1Char('.') + suffix;
}

void BatchWindow::ExportXlsx()
{
    const BatchColumns& columns = m_model->columns();
    const std::vector<bool> numbers = NumberColumns(columns);
    const std::vector<Cells> table = m_model->Table();
    SaveThroughDialog(
        *this,
        {QStringLiteral("导出 Excel"), FileName(QStringLiteral("xlsx")),
         QStringLiteral("Excel 工作簿 (*.xlsx)"), QStringLiteral("xlsx")},
        [&](const QString& path) { return WriteXlsx(path, table, numbers, columns.money); });
}

void BatchWindow::ExportCsv()
{
    const std::vector<Cells> table = m_model->Table();
    SaveThroughDialog(*this,
                      {QStringLiteral("导出 CSV"), FileName(QStringLiteral("csv")),
                       QStringLiteral("CSV 文件 (*.csv)"), QStringLiteral("csv")},
                      [&](const QString& path) { return WriteCsv(path, table); });
}

SheetDocument BatchWindow::Sheet(const SheetHeader& header) const
{
    const std::vector<Cells> table = m_model->Table();
    SheetDocument sheet;
    sheet.title = ToQString(m_calculator.title) + QStringLiteral("（多标段）");
    sheet.landscape = true;
    sheet.header = header;
    sheet.lotInHeader = false;
    sheet.made = QDate::currentDate();
    SheetSection lots;
    if (const FeeSchedule& schedule = *m_calculator.schedules.front(); !schedule.standard.empty()) {
        lots.blocks.emplace_back(
            SheetText{{}, {QStringLiteral("计算依据：") + ToQString(schedule.standard)}});
    }
    SheetTable rows;
    for (const BatchColumn& column : m_model->columns().list) {
        rows.figures.push_back(!column.edited && IsNumeric(column.type));
        rows.whole.push_back(column.source == ColumnSource::Capitals);
    }
    for (std::size_t r = 0; r < table.size(); ++r) {
        QStringList cells;
        for (const std::string& cell : table[r]) {
            cells << ToQString(cell);
        }
        if (r == 0) {
            rows.columns = cells;
        } else {
            rows.rows.push_back(cells);
        }
    }
    rows.strongRows = m_model->columns().money ? 1 : 0;
    lots.blocks.emplace_back(std::move(rows));
    sheet.sections.push_back(std::move(lots));
    sheet.footnote = QStringLiteral("本计算书由 Kelvora " KELVORA_VERSION
                                    " 按上列输入计算得出，仅作参考，以合同约定为准。");
    return sheet;
}

SheetDraft BatchWindow::Draft() const
{
    return {{}, FileName(QStringLiteral("pdf")), [this](const SheetHeader& header) {
                return Sheet(header);
            }};
}

void BatchWindow::ExportSheet()
{
    ui::ExportSheet(*this, Draft());
}

QString BatchWindow::WriteSheet(const QString& path, const SheetHeader& header) const
{
    return ui::WriteSheet(Sheet(header), path);
}

void BatchWindow::Print()
{
    PrintSheet(*this, Draft());
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
