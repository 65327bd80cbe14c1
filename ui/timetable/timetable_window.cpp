#include "ui/timetable/timetable_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "ui/common/error_report.h"
#include "ui/common/file_text.h"
#include "ui/common/qt_text.h"
#include "ui/documents/documents.h"
#include "ui/documents/timetable_sheet.h"
#include "ui/timetable/kept_calendar.h"
#include "ui/widgets/date_picker.h"
#include "ui/widgets/note_mark.h"

namespace kelvora::ui {
namespace {

// The days the agency may plan: the box's words and where they go in the plan.
struct PlannedRow {
    const char* prompt;
    std::optional<Day> TimetablePlan::*day;
};

constexpr std::array<PlannedRow, kPlannedDays> kPlannedRows{{
    {"资格预审后招标文件发出日", &TimetablePlan::documentsIssued},
    {"拟定投标截止（开标）日", &TimetablePlan::deadline},
    {"收到评标（评审）报告日", &TimetablePlan::reportReceived},
    {"中标通知书发出日", &TimetablePlan::awardNotice},
}};

// A validity typed as a whole number of days, 1 to 3650 ("90", "90日"), or nothing.
std::optional<int> ValidityDays(QString text)
{
    text = text.trimmed();
    if (text.endsWith(QStringLiteral("日")) || text.endsWith(QStringLiteral("天"))) {
        text.chop(1);
    }
    bool whole = false;
    const int days = text.trimmed().toInt(&whole);
    return whole && days >= 1 && days <= 3650 ? std::optional(days) : std::nullopt;
}

Day ToDay(const QDate& date)
{
    return MakeDay(date.year(), date.month(), date.day());
}

// A date box that takes a whole date typed or pasted as people write it.
QDateEdit* MakeDateBox(QWidget* parent)
{
    auto* box = new DatePicker(parent);
    box->setDateRange(QDate(1990, 1, 1), QDate(2099, 12, 31));
    box->setDate(QDate::currentDate());
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    box->setCalendarPopup(true);
    return box;
}

}  // namespace

TimetableWindow::TimetableWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("timetableWindow"));
    setWindowTitle(QStringLiteral("招标时间安排"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QSettings settings;
    QString problem;
    m_calendar = LoadKeptCalendar(settings, problem);
    if (!problem.isEmpty()) {
        QTimer::singleShot(0, this, [this, problem] { Warn(*this, problem); });
    }

    auto* form = new QFormLayout;
    m_procedure = new QComboBox(this);
    m_procedure->setObjectName(QStringLiteral("timetableProcedure"));
    for (const Procedure procedure : {Procedure::Engineering, Procedure::Procurement}) {
        m_procedure->addItem(QString::fromUtf8(ProcedureName(procedure)),
                             static_cast<int>(procedure));
    }
    m_prequalification = new QCheckBox(QStringLiteral("资格预审"), this);
    m_prequalification->setObjectName(QStringLiteral("timetablePrequalification"));
    auto* procedureRow = new QHBoxLayout;
    procedureRow->addWidget(m_procedure, 1);
    procedureRow->addWidget(m_prequalification);
    form->addRow(QStringLiteral("招标方式："), procedureRow);
    m_start = MakeDateBox(this);
    m_start->setObjectName(QStringLiteral("timetableStart"));
    form->addRow(QStringLiteral("公告发布、文件开始发售日："), m_start);
    for (std::size_t i = 0; i < kPlannedRows.size(); ++i) {
        auto* tick =
            new QCheckBox(QString::fromUtf8(kPlannedRows[i].prompt) + QStringLiteral("："), this);
        tick->setObjectName(QStringLiteral("timetablePlanned%1").arg(i));
        auto* day = MakeDateBox(this);
        day->setObjectName(QStringLiteral("timetableDay%1").arg(i));
        day->setEnabled(false);
        connect(tick, &QCheckBox::toggled, day, &QWidget::setEnabled);
        m_planned.push_back(tick);
        m_days.push_back(day);
        form->addRow(tick, day);
    }
    m_reading = new QComboBox(this);
    m_reading->setObjectName(QStringLiteral("timetableReading"));
    for (const Reading reading : {Reading::MoreTime, Reading::Literal}) {
        m_reading->addItem(QString::fromUtf8(ReadingName(reading)), static_cast<int>(reading));
    }
    form->addRow(QStringLiteral("两可条文的读法："), m_reading);
    m_validity = new QComboBox(this);
    m_validity->setObjectName(QStringLiteral("timetableValidity"));
    m_validity->setEditable(true);
    m_validity->addItems(
        {QString(), QStringLiteral("60"), QStringLiteral("90"), QStringLiteral("120")});
    m_validity->lineEdit()->setPlaceholderText(QStringLiteral("例如 90（可不填）"));
    AddNoteMark(m_validity->lineEdit());
    form->addRow(QStringLiteral("投标有效期（日）："), m_validity);

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("timetableTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(true);
    m_table->verticalHeader()->setVisible(false);
    m_calendarNote = new QLabel(this);
    m_calendarNote->setObjectName(QStringLiteral("timetableCalendar"));
    m_calendarNote->setTextFormat(Qt::PlainText);  // it quotes the sources as imported
    m_calendarNote->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, const QKeySequence& key, auto act) {
        auto* push = new QPushButton(text, this);
        connect(push, &QPushButton::clicked, this, [this, act] { RunReported(this, act); });
        if (!key.isEmpty()) {
            auto* action = new QAction(this);
            action->setShortcut(key);
            connect(action, &QAction::triggered, this, [this, act] { RunReported(this, act); });
            addAction(action);
        }
        buttons->addWidget(push);
    };
    button(QStringLiteral("复制表格（Ctrl+C）"), QKeySequence::Copy, [this] { CopyTable(); });
    for (const DocumentOffer& offer : DocumentOffers()) {
        if (offer.place == DocumentPlace::Timetable) {
            button(QString::fromUtf8(offer.text), QKeySequence(offer.keys), [this, &offer] {
                MakeDocument(*this, offer, TimetableSource{m_plan, m_timetable});
            });
        }
    }
    button(QStringLiteral("导入节假日安排…"), QKeySequence(), [this] { Import(); });
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_calendarNote);
    layout->addLayout(buttons);

    const auto changed = [this] { RunReported(this, [this] { WorkOut(); }); };
    connect(m_procedure, &QComboBox::currentIndexChanged, this, changed);
    connect(m_reading, &QComboBox::currentIndexChanged, this, changed);
    connect(m_validity, &QComboBox::currentTextChanged, this, changed);
    connect(m_prequalification, &QCheckBox::toggled, this, changed);
    connect(m_start, &QDateEdit::dateChanged, this, changed);
    for (std::size_t i = 0; i < m_days.size(); ++i) {
        connect(m_planned[i], &QCheckBox::toggled, this, changed);
        connect(m_days[i], &QDateEdit::dateChanged, this, changed);
    }
    resize(1100, 720);
    WorkOut();
    m_start->setFocus(Qt::OtherFocusReason);
}

TimetablePlan TimetableWindow::Plan() const
{
    TimetablePlan plan;
    plan.procedure = static_cast<Procedure>(m_procedure->currentData().toInt());
    plan.prequalification =
        plan.procedure == Procedure::Engineering && m_prequalification->isChecked();
    plan.reading = static_cast<Reading>(m_reading->currentData().toInt());
    plan.start = ToDay(m_start->date());
    plan.validityDays = ValidityDays(m_validity->currentText());
    for (std::size_t i = 0; i < kPlannedRows.size(); ++i) {
        if (m_planned[i]->isChecked() && m_planned[i]->isEnabled()) {
            plan.*kPlannedRows[i].day = ToDay(m_days[i]->date());
        }
    }
    return plan;
}

void TimetableWindow::WorkOut()
{
    const bool engineering =
        static_cast<Procedure>(m_procedure->currentData().toInt()) == Procedure::Engineering;
    m_prequalification->setEnabled(engineering);
    const bool prequalified = engineering && m_prequalification->isChecked();
    m_planned[kDocumentsIssued]->setEnabled(prequalified);
    m_days[kDocumentsIssued]->setEnabled(prequalified && m_planned[kDocumentsIssued]->isChecked());

    // a validity that is no whole number of days is said at its box, and left out
    const QString validity = m_validity->currentText().trimmed();
    ShowInputNote(m_validity, !validity.isEmpty() && !ValidityDays(validity)
                                  ? QStringLiteral("投标有效期应为 1 至 3650 的整数天数，未计算")
                                  : QString());
    m_plan = Plan();
    m_timetable = WorkOutTimetable(m_plan, m_calendar);
    const std::vector<Cells> cells = TimetableCells(m_timetable);
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(cells.front().size()));
    m_table->setRowCount(static_cast<int>(cells.size() - 1));
    QStringList head;
    for (const std::string& cell : cells.front()) {
        head << ToQString(cell);
    }
    m_table->setHorizontalHeaderLabels(head);
    for (std::size_t r = 1; r < cells.size(); ++r) {
        const Milestone& row = m_timetable.rows[r - 1];
        for (std::size_t c = 0; c < cells[r].size(); ++c) {
            auto* item = new QTableWidgetItem(ToQString(cells[r][c]));
            if (!row.marks.empty() && (c == 2 || c + 1 == cells[r].size())) {
                item->setForeground(row.breaks ? QColor(0xC0, 0, 0) : QColor(0xA0, 0x60, 0));
            }
            m_table->setItem(static_cast<int>(r - 1), static_cast<int>(c), item);
        }
    }
    // the rule takes what is left; the article and the marks wrap in a width of their own
    QHeaderView* header = m_table->horizontalHeader();
    for (int c = 0; c < m_table->columnCount(); ++c) {
        header->setSectionResizeMode(c, c == 4   ? QHeaderView::Stretch
                                        : c >= 5 ? QHeaderView::Interactive
                                                 : QHeaderView::ResizeToContents);
    }
    const int em = fontMetrics().horizontalAdvance(QChar(0x5B57));
    header->resizeSection(5, 14 * em);
    header->resizeSection(6, 14 * em);
    m_table->resizeRowsToContents();
    m_calendarNote->setText(ToQString(m_timetable.calendar));
}

void TimetableWindow::CopyTable()
{
    QApplication::clipboard()->setText(ToQString(FormatTable(TimetableCells(m_timetable))));
}

SheetDocument TimetableWindow::Sheet(const SheetHeader& header) const
{
    return TimetableSheetDraft(TimetableSource{m_plan, m_timetable}).make(header);
}

QString TimetableWindow::ImportCalendar(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("无法打开“%1”：%2")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    const std::optional<QString> text = FileText(file.readAll());
    if (!text) {
        return QStringLiteral("“%1”不是文本文件，未导入。").arg(QDir::toNativeSeparators(path));
    }
    const CalendarReading reading = ReadCalendarFile(text->toStdString());
    if (!reading.problem.empty()) {
        return ToQString(reading.problem) + QStringLiteral("，未导入。");
    }
    if (const std::string refused = m_calendar.AddYears(reading.years); !refused.empty()) {
        return ToQString(refused) + QStringLiteral("。");
    }
    QStringList years;
    for (const CalendarYear& year : reading.years) {
        years << QStringLiteral("%1 年").arg(year.year);
    }
    QSettings settings;
    const QString unkept = KeepCalendarYears(settings, m_calendar);
    WorkOut();
    return QStringLiteral("已导入%1的节假日安排（%2）。%3")
        .arg(years.join(QStringLiteral("、")), ToQString(reading.years.front().source), unkept);
}

void TimetableWindow::Import()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("导入节假日安排"), SheetFolder(),
                                     QStringLiteral("节假日安排 (*.txt);;所有文件 (*)"), nullptr,
                                     QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty()) {
        const QString said = ImportCalendar(path);
        (said.startsWith(QStringLiteral("已导入")) ? Tell : Warn)(*this, said);
    }
}

TimetableWindow* OpenTimetable(QWidget& parent)
{
    // the one child of that name is this window (it has no meta-object to cast by)
    auto* window = static_cast<TimetableWindow*>(
        parent.findChild<QWidget*>(QStringLiteral("timetableWindow"), Qt::FindDirectChildrenOnly));
    if (window == nullptr) {
        window = new TimetableWindow(&parent);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace kelvora::ui
