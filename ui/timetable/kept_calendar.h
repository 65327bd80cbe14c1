#pragma once
// The years of the holiday calendar the user imported, kept in the settings
// as the text of a calendar file, and read back into the calendar at the
// start of the next run.
//
//   settings --LoadKeptCalendar--> HolidayCalendar (built-in + imported)
//   imported years --KeepCalendarYears--> settings

#include <QSettings>
#include <QString>
#include <vector>

#include "calc/holiday_calendar.h"

namespace kelvora::ui {

// The calendar with the kept years; `problem` says why kept years were left out.
HolidayCalendar LoadKeptCalendar(QSettings& settings, QString& problem);

// Adds `years` to what is kept; the message when it could not be written.
QString KeepCalendarYears(QSettings& settings, const HolidayCalendar& calendar);

}  // namespace kelvora::ui
