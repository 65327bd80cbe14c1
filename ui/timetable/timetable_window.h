#pragma once
// The tender's timetable in a window of its own: the procedure, the day it
// starts from and the days the agency plans, every milestone worked out again
// as soon as one changes, in a table with the rules and articles and the
// marks of a planned day that breaks a rule. The table is copied as cells a
// spreadsheet takes one by one, and filed or printed as 招标时间安排表 through
// the one sheet pipeline. The holiday calendar is the built-in years and the
// ones the user imported (kept in the settings).
//
//   form --Plan()--> TimetablePlan --WorkOutTimetable--> table | copy | documents (招标时间安排表)
//   导入节假日安排… --ReadCalendarFile--> settings + the calendar in use

#include <QDate>
#include <QWidget>
#include <vector>

#include "calc/tender_timetable.h"
#include "ui/sheet/sheet_document.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QTableWidget;

namespace kelvora::ui {

class TimetableWindow : public QWidget {
public:
    explicit TimetableWindow(QWidget* parent);

    // What the form asks for, and the table worked out from it.
    TimetablePlan Plan() const;
    const Timetable& timetable() const { return m_timetable; }
    const HolidayCalendar& calendar() const { return m_calendar; }

    // Reads a calendar file and keeps its years; the message said, or empty.
    QString ImportCalendar(const QString& path);

    void CopyTable();
    // The sheet under `header`, as 导出 and 打印 make it.
    SheetDocument Sheet(const SheetHeader& header) const;

    // The form's boxes, for the keyboard and the tests.
    QComboBox* procedure() const { return m_procedure; }
    QComboBox* validity() const { return m_validity; }
    QDateEdit* start() const { return m_start; }
    QCheckBox* planned(int which) const { return m_planned[static_cast<std::size_t>(which)]; }
    QDateEdit* plannedDay(int which) const { return m_days[static_cast<std::size_t>(which)]; }

private:
    void WorkOut();
    void Import();

    HolidayCalendar m_calendar;
    TimetablePlan m_plan;
    Timetable m_timetable;
    QComboBox* m_procedure = nullptr;
    QCheckBox* m_prequalification = nullptr;
    QComboBox* m_reading = nullptr;
    QComboBox* m_validity = nullptr;  // 投标有效期 in 日: 60, 90, 120 offered, any typed
    QDateEdit* m_start = nullptr;
    std::vector<QCheckBox*> m_planned;
    std::vector<QDateEdit*> m_days;
    QTableWidget* m_table = nullptr;
    QLabel* m_calendarNote = nullptr;
};

// The days the agency may plan, in the form's order.
enum PlannedDay { kDocumentsIssued, kDeadline, kReportReceived, kAwardNotice, kPlannedDays };

// Shows the window of `parent`, made the first time.
TimetableWindow* OpenTimetable(QWidget& parent);

}  // namespace kelvora::ui
