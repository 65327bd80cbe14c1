#include "ui/batch/batch_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "calc/calculators.h"
#include "ui/batch/batch_model.h"
#include "ui/batch/table_files.h"
#include "ui/batch/xlsx_reader.h"
#include "ui/common/agency_settings.h"
#include "ui/common/error_report.h"
#include "ui/common/file_text.h"
#include "ui/common/qt_text.h"
#include "ui/common/save_flow.h"
#include "ui/common/work_progress.h"
#include "ui/documents/batch_sheet.h"
#include "ui/documents/documents.h"
#include "ui/documents/fee_notice.h"
#include "ui/layout/control_table.h"
#include "ui/sheet/sheet_output.h"

namespace kelvora::ui {
BatchWindow::BatchWindow(const Calculator& calculator, AgencySettings& settings,
                         const InputValues& page, QWidget* parent)
    : QDialog(parent),
      m_calculator(calculator),
      m_settings(settings),
      m_model(new BatchModel(calculator, settings.terms(), &page, this))
{
    setObjectName(QStringLiteral("batchWindow"));
    setWindowTitle(QStringLiteral("批量计算：") + BatchName(calculator));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1040, 520);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("batchHint"));
    m_hint->setTextFormat(Qt::PlainText);  // it names the columns as pasted
    m_hint->setWordWrap(true);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("batchTable"));
    m_view->setModel(m_model);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setStretchLastSection(true);
    // columns fitted to the rows in view, not to every one of 100,000
    m_view->horizontalHeader()->setResizeContentsPrecision(0);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 8);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab leaves the table for the buttons; the arrows and Enter move within it
    m_view->setTabKeyNavigation(false);
    connect(m_view, &QWidget::customContextMenuRequested, this, &BatchWindow::CellMenu);

    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("batchTotal"));
    m_total->setTextFormat(Qt::PlainText);
    m_total->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_total->setWordWrap(true);

    QAction* undo = m_model->undoStack().createUndoAction(this, QStringLiteral("撤销"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_model->undoStack().createRedoAction(this, QStringLiteral("重做"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }

    struct Command {
        QString text;
        QKeySequence keys;
        std::function<void()> run;
    };
    std::vector<Command> commands{
        {QStringLiteral("粘贴"), QKeySequence::Paste, [this] { Paste(); }},
        {QStringLiteral("打开…"), QKeySequence::Open, [this] { Open(); }},
        {QStringLiteral("复制表格"), {}, [this] { CopyTable(); }},  // Ctrl+C in the table
        {QStringLiteral("全部更正"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { CorrectAll(); }},
        {QStringLiteral("导出 Excel…"), QKeySequence(Qt::CTRL | Qt::Key_E),
         [this] { ExportXlsx(); }},
        {QStringLiteral("导出 CSV…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         [this] { ExportCsv(); }},
    };
    // the documents of a batch: its sheet, printed too, and the fee notices
    const DocumentSource here = Source();
    for (const DocumentOffer& offer : DocumentOffers()) {
        if (Offered(offer, here)) {
            commands.push_back({QString::fromUtf8(offer.text), QKeySequence(offer.keys),
                                [this, &offer] { MakeDocument(*this, offer, Source()); }});
        }
    }
    auto* buttons = new QHBoxLayout;
    for (const Command& command : commands) {
        auto* button = new QPushButton(command.text, this);
        button->setAutoDefault(false);
        const auto reported = [this, run = command.run] { RunReported(this, run); };
        connect(button, &QPushButton::clicked, this, reported);
        if (!command.keys.isEmpty()) {
            // wherever the focus is in the window: on a button, after 清空, after a message
            auto* action = new QAction(this);
            action->setShortcut(command.keys);
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, this, reported);
            addAction(action);
            button->setToolTip(command.keys.toString(QKeySequence::NativeText));
        }
        buttons->addWidget(button);
    }
    auto* clear = new QPushButton(QStringLiteral("清空"), this);
    clear->setAutoDefault(false);
    const QKeySequence clearKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete);
    clear->setToolTip(clearKeys.toString(QKeySequence::NativeText) +
                      QStringLiteral("；可用 Ctrl+Z 撤销"));
    connect(clear, &QPushButton::clicked, this, [this] { m_model->Clear(); });
    auto* clearAction = new QAction(this);
    clearAction->setShortcut(clearKeys);
    clearAction->setShortcutContext(Qt::WindowShortcut);
    connect(clearAction, &QAction::triggered, this, [this] { m_model->Clear(); });
    addAction(clearAction);
    buttons->addWidget(clear);
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_total);
    layout->addLayout(buttons);

    // a model callback: whatever goes wrong is reported, never left to escape into Qt
    m_model->SetChanged([this] { RunReported(this, [this] { ShowTotal(); }); });
    // the agency's terms as saved while the window is open
    settings.Listen(
        this, [this] { RunReported(this, [this] { m_model->SetTerms(m_settings.terms()); }); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { FitColumns(); });
    ShowTotal();
    FitColumns();
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

void BatchWindow::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+V that no control of the window took (a button has the focus):
    // the rows are pasted all the same.
    if (event->matches(QKeySequence::Paste)) {
        RunReported(this, [this] { Paste(); });
        return;
    }
    QDialog::keyPressEvent(event);
}

void BatchWindow::closeEvent(QCloseEvent* event)
{
    if (MayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool BatchWindow::MayClose()
{
    if (!m_model->HasUnexported()) {
        return true;
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kelvora"),
                    QStringLiteral("“%1”的 %2 个标段还没有导出。")
                        .arg(windowTitle())
                        .arg(m_model->rows().size()),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("closeGuard"));
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(QStringLiteral("关闭后这些标段不会保留。要先导出吗？"));
    QPushButton* save = box.addButton(QStringLiteral("导出…"), QMessageBox::AcceptRole);
    QPushButton* drop = box.addButton(QStringLiteral("放弃"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == drop) {
        return true;
    }
    return box.clickedButton() == save && SaveTable(true);
}

void BatchWindow::FitColumns()
{
    QStringList given;
    for (const BatchColumn& column : m_model->columns().list) {
        if (column.edited) {
            given << ToQString(column.header);
        }
    }
    m_hint->setText(
        QStringLiteral("从电子表格复制各标段的行后按 Ctrl+V 粘贴，或用“打开…”读入 Excel "
                       "工作簿或 CSV 文件；带标题行时按列名对应，否则列依次为：%1。")
            .arg(given.join(QStringLiteral("、"))));
    m_view->resizeColumnsToContents();
    int columns = 0;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        m_view->setColumnWidth(c, std::min(m_view->columnWidth(c), 240));
        columns += m_view->columnWidth(c);
    }
    // the window grows, as far as its screen allows, to show every column
    // (说明 last among them); a size the user chose is never made smaller
    const QScreen* shown = screen();
    if (isMaximized() || isFullScreen() || shown == nullptr || !isVisible()) {
        return;
    }
    const QScrollBar* bar = m_view->verticalScrollBar();
    const int wanted = width() - m_view->viewport()->width() + columns +
                       (bar->isVisible() ? 0 : bar->sizeHint().width());
    const QRect room = shown->availableGeometry();
    const int grown = std::min(wanted, room.width() - (frameGeometry().width() - width()));
    if (grown > width()) {
        resize(grown, height());
        if (frameGeometry().right() > room.right()) {
            move(std::max(room.left(), room.right() - frameGeometry().width() + 1), y());
        }
    }
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
    QString text = QStringLiteral("合计（%1 行）：%2 %3 万元　小写：%4　大写：%5")
                       .arg(total.counted)
                       .arg(ToQString(columns.results.back()->name), ToQString(total.sums.back()),
                            ToQString(total.figures), ToQString(total.capitals));
    if (const std::string note = TotalNote(total); !note.empty()) {
        text += QStringLiteral("（%1）").arg(ToQString(note));
    }
    if (const int corrections = m_model->Corrections(); corrections > 0) {
        text += QStringLiteral("　%1 处可一键更正（全部更正）").arg(corrections);
    }
    m_total->setText(text);
}

void BatchWindow::Paste()
{
    const QString text = QApplication::clipboard()->text();
    // one value onto chosen cells of lots: each takes it
    QString value = text;
    if (value.endsWith(QLatin1Char('\n'))) {
        value.chop(value.endsWith(QStringLiteral("\r\n")) ? 2 : 1);
    }
    const QModelIndexList chosen = m_view->selectionModel()->selectedIndexes();
    const bool lotCells = std::any_of(chosen.begin(), chosen.end(), [this](const QModelIndex& at) {
        return at.row() < static_cast<int>(m_model->rows().size()) &&
               m_model->Column(at.column()).edited;
    });
    if (!value.contains(QLatin1Char('\t')) && !value.contains(QLatin1Char('\n')) && lotCells) {
        m_model->Fill(chosen, value);
        return;
    }
    const QString problem = m_model->PasteRows(text);
    if (!problem.isEmpty()) {
        ui::Tell(*this, problem);
        return;
    }
    FitColumns();
    m_view->scrollToBottom();
}

namespace {

// A number in a date column of a sheet: a date Excel keeps as its serial
// number without a date format; never read as a number of days.
QString DateAsNumber(const Calculator& calculator, const SheetRows& sheet, const QString& name)
{
    if (sheet.rows.empty()) {
        return {};
    }
    const HeaderReading header = ReadHeader(calculator, sheet.rows.front());
    const BatchColumns columns = header.columns ? *header.columns : ColumnsOf(calculator);
    for (const BatchColumn& column : columns.list) {
        if (column.input == nullptr || column.input->kind != InputKind::Date) {
            continue;
        }
        for (std::size_t r = header.header ? 1 : 0; r < sheet.rows.size(); ++r) {
            const auto& figures = sheet.figures[r];
            if (column.index < figures.size() && figures[column.index]) {
                return QStringLiteral(
                           "工作表“%1”的单元格 %2 是数字 %3，不是日期：请在 Excel 中把“%4”列设为"
                           "日期格式，或写成 2009/2/6 这样的日期后再打开。表格未作改动。")
                    .arg(name, CellName(column.index, sheet.numbers[r]),
                         ToQString(sheet.rows[r][column.index]), ToQString(column.header));
            }
        }
    }
    return {};
}

bool IsWorkbook(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
    }
    const QByteArray head = file.read(8);
    return head.startsWith("PK\x03\x04") || head.startsWith("\xD0\xCF\x11\xE0") ||
           path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
}

}  // namespace

QString BatchWindow::ReadSheet(const XlsxWorkbook& workbook, int sheet, Adding adding)
{
    QString problem;
    const QString name = workbook.sheets().value(sheet);
    auto rows = workbook.Read(sheet, problem);
    if (!rows) {
        return problem;
    }
    if (problem = DateAsNumber(m_calculator, *rows, name); !problem.isEmpty()) {
        return problem;
    }
    std::size_t next = 0;
    problem = m_model->AddRows(
        [&](Cells& cells) {
            if (next == rows->rows.size()) {
                return false;
            }
            cells = std::move(rows->rows[next++]);
            return true;
        },
        QStringLiteral("工作表“%1”中").arg(name), adding == Adding::Replace);
    if (problem.isEmpty()) {
        FitColumns();
    }
    return problem;
}

QString BatchWindow::ReadFile(const QString& path, Adding adding, int sheet)
{
    const bool replace = adding == Adding::Replace;
    QString problem;
    if (IsWorkbook(path)) {
        const auto workbook = XlsxWorkbook::Open(path, problem);
        return workbook ? ReadSheet(*workbook, sheet, adding) : problem;
    }
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return QStringLiteral("无法读取文件“%1”。").arg(QDir::toNativeSeparators(path));
        }
        // refused before it is read: its text would take several times its size
        if (file.size() > XlsxWorkbook::kMaxFileBytes) {
            return QStringLiteral("文件“%1”有 %2 MB，超过可读取的 %3 MB。表格未作改动。")
                .arg(QDir::toNativeSeparators(path))
                .arg(file.size() / (1024 * 1024))
                .arg(XlsxWorkbook::kMaxFileBytes / (1024 * 1024));
        }
        const std::optional<QString> text = FileText(file.readAll());
        if (!text) {
            return QStringLiteral(
                       "文件“%1”不是表格（应为 Excel 工作簿、CSV 或以制表符分隔的文本）；"
                       "表格未作改动。")
                .arg(QDir::toNativeSeparators(path));
        }
        const QString firstLine = text->section(QLatin1Char('\n'), 0, 0);
        const char separator = firstLine.contains(QLatin1Char('\t')) ? '\t' : ',';
        const std::string utf8 = text->toStdString();
        TableReader reader(utf8, separator);
        problem = m_model->AddRows([&reader](Cells& row) { return reader.Next(row); },
                                   QStringLiteral("文件中"), replace);
    }
    if (problem.isEmpty()) {
        FitColumns();
    }
    return problem;
}

void BatchWindow::Open()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("打开表格"), RunFolder(*this),
        QStringLiteral("表格 (*.xlsx *.csv *.txt *.tsv);;Excel 工作簿 (*.xlsx);;"
                       "表格文本 (*.csv *.txt *.tsv);;所有文件 (*)"),
        nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) {
        return;
    }
    Adding adding = Adding::Append;
    if (!m_model->rows().empty()) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kelvora"),
                        QStringLiteral("表格中已有 %1 个标段。").arg(m_model->rows().size()),
                        QMessageBox::NoButton, this);
        box.setObjectName(QStringLiteral("openGuard"));
        box.setTextFormat(Qt::PlainText);
        box.setInformativeText(
            QStringLiteral("用文件中的标段替换它们，还是追加在后面？（都可用 Ctrl+Z 撤销）"));
        QPushButton* replace = box.addButton(QStringLiteral("替换"), QMessageBox::AcceptRole);
        QPushButton* append = box.addButton(QStringLiteral("追加"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setDefaultButton(append);
        box.exec();
        if (box.clickedButton() != replace && box.clickedButton() != append) {
            return;
        }
        adding = box.clickedButton() == replace ? Adding::Replace : Adding::Append;
    }
    QString problem;
    if (IsWorkbook(path)) {
        const auto workbook = XlsxWorkbook::Open(path, problem);
        int sheet = 0;
        if (workbook && workbook->sheets().size() > 1) {
            bool chosen = false;
            const QString name = QInputDialog::getItem(this, QStringLiteral("打开工作簿"),
                                                       QStringLiteral("读取哪一个工作表："),
                                                       workbook->sheets(), 0, false, &chosen);
            if (!chosen) {
                return;
            }
            sheet = static_cast<int>(workbook->sheets().indexOf(name));
        }
        if (workbook) {
            problem = ReadSheet(*workbook, sheet, adding);
        }
    } else {
        problem = ReadFile(path, adding);
    }
    if (!problem.isEmpty()) {
        ui::Tell(*this, problem);
    }
}

void BatchWindow::CopyTable()
{
    QApplication::clipboard()->setText(m_model->TableText());
}

void BatchWindow::CorrectAll()
{
    if (m_model->CorrectAll() == 0) {
        ui::Tell(*this, QStringLiteral("没有可一键更正的单元格。"));
    }
}

void BatchWindow::CellMenu(const QPoint& at)
{
    const QModelIndex index = m_view->indexAt(at);
    QMenu menu(this);
    if (index.isValid() && index.row() < static_cast<int>(m_model->rows().size())) {
        const BatchColumn& column = m_model->Column(index.column());
        const BatchRow& row = m_model->rows()[static_cast<std::size_t>(index.row())];
        if (const Note* note = CellNote(column, row)) {
            menu.addAction(ToQString(note->text))->setEnabled(false);
        }
        if (const auto correction = CellCorrection(column, row)) {
            const int r = index.row();
            const int c = index.column();
            connect(menu.addAction(ToQString(correction->offer)), &QAction::triggered, this,
                    [this, r, c] { m_model->Correct(r, c); });
        }
        if (!menu.isEmpty()) {
            menu.addSeparator();
        }
    }
    connect(menu.addAction(QStringLiteral("复制表格")), &QAction::triggered, this,
            &BatchWindow::CopyTable);
    menu.exec(m_view->viewport()->mapToGlobal(at));
}

bool BatchWindow::SaveTable(bool excel)
{
    const BatchColumns& columns = m_model->columns();
    const std::vector<BatchRow>& rows = m_model->rows();
    const QDate today = QDate::currentDate();
    const SaveRequest request =
        excel ? SaveRequest{QStringLiteral("导出 Excel"),
                            BatchFileName(m_calculator, QStringLiteral("xlsx"), today),
                            QStringLiteral("Excel 工作簿 (*.xlsx)"), QStringLiteral("xlsx")}
              : SaveRequest{QStringLiteral("导出 CSV"),
                            BatchFileName(m_calculator, QStringLiteral("csv"), today),
                            QStringLiteral("CSV 文件 (*.csv)"), QStringLiteral("csv")};
    const bool saved = SaveThroughDialog(*this, request, [&](const QString& path) {
        WorkProgress progress(*this, QStringLiteral("正在导出……"));
        const Progress going = [&](std::size_t done, std::size_t total) {
            return progress.Going(done, total);
        };
        return excel ? WriteXlsx(path, columns, rows, going) : WriteCsv(path, columns, rows, going);
    });
    if (saved) {
        m_model->MarkExported();
    }
    return saved;
}

void BatchWindow::ExportXlsx()
{
    SaveTable(true);
}

void BatchWindow::ExportCsv()
{
    SaveTable(false);
}

BatchSource BatchWindow::Source() const
{
    std::vector<std::size_t> chosen;
    for (const QModelIndex& index : m_view->selectionModel()->selectedIndexes()) {
        const auto row = static_cast<std::size_t>(index.row());
        if (row < m_model->rows().size() &&
            std::find(chosen.begin(), chosen.end(), row) == chosen.end()) {
            chosen.push_back(row);
        }
    }
    return {m_model->columns(), m_model->rows(), std::move(chosen), m_settings};
}

SheetDocument BatchWindow::Sheet(const SheetHeader& header) const
{
    return BatchSheetDraft(Source()).make(header);
}

QString BatchWindow::WriteSheet(const QString& path, const SheetHeader& header) const
{
    return ui::WriteSheet(Sheet(header), path);
}

QString BatchWindow::WriteNotices(const QString& path, const SheetHeader& header) const
{
    const SheetDraft draft = BatchNoticesDraft(Source());
    return draft.problem.isEmpty() ? ui::WriteSheet(draft.make(header), path) : draft.problem;
}

BatchWindow* OpenBatch(QWidget& window, const Calculator& calculator, AgencySettings& settings,
                       const InputValues& page)
{
    BatchWindow* batch = nullptr;
    for (auto* child : window.findChildren<QDialog*>(QStringLiteral("batchWindow"))) {
        auto* candidate = static_cast<BatchWindow*>(child);
        if (&candidate->calculator() == &calculator) {
            batch = candidate;
        }
    }
    if (batch == nullptr) {
        batch = new BatchWindow(calculator, settings, page, &window);
    }
    batch->show();
    batch->raise();
    batch->activateWindow();
    return batch;
}

bool BatchesMayClose(QWidget& window)
{
    for (auto* child : window.findChildren<QDialog*>(QStringLiteral("batchWindow"))) {
        if (!static_cast<BatchWindow*>(child)->MayClose()) {
            return false;
        }
    }
    return true;
}

void SetUpBatch(QWidget& window, AgencySettings& settings, PageInputs page)
{
    auto* open = new QAction(QStringLiteral("批量计算"), &window);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    open->setShortcutContext(Qt::WindowShortcut);
    window.addAction(open);
    QObject::connect(open, &QAction::triggered, &window, [&window, &settings, page] {
        const auto* tabs = window.findChild<QTabWidget*>(ToQString(role::kTabs.str()));
        for (const Calculator* calculator : Calculators()) {
            if (tabs != nullptr && PageOf(calculator->frame) == tabs->currentIndex()) {
                OpenBatch(window, *calculator, settings, page(*calculator));
            }
        }
    });
}

void OfferBatchOnPage(QWidget& window, const Calculator& calculator, const ControlLookup& find,
                      AgencySettings& settings, const InputValues& values)
{
    const int page = PageOf(calculator.frame);
    for (const ControlRow& row : ControlRows()) {
        if (row.kind == ControlKind::BatchEntry && PageOf(row.name) == page) {
            if (auto* entry = Lookup<QPushButton>(find, row.name)) {
                QObject::connect(entry, &QPushButton::clicked, &window,
                                 [&] { OpenBatch(window, calculator, settings, values); });
            }
        }
    }
}

}  // namespace kelvora::ui
