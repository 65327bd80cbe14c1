#include "ui/timetable/kept_calendar.h"

#include <QDir>
#include <QLockFile>

#include "ui/common/agency_settings.h"
#include "ui/common/qt_text.h"

namespace kelvora::ui {
namespace {

constexpr auto kKey = "calendar/imported";

// The years kept in `settings` now, as another copy of the program may
// have written them; nothing when there are none or they cannot be read.
std::vector<CalendarYear> KeptYears(QSettings& settings)
{
    const QString text = settings.value(QLatin1String(kKey)).toString();
    if (text.isEmpty() || settings.status() != QSettings::NoError) {
        return {};
    }
    CalendarReading reading = ReadCalendarFile(text.toStdString());
    return reading.problem.empty() ? std::move(reading.years) : std::vector<CalendarYear>{};
}

}  // namespace

HolidayCalendar LoadKeptCalendar(QSettings& settings, QString& problem)
{
    HolidayCalendar calendar;
    if (settings.status() != QSettings::NoError) {
        // nothing read from a damaged file is used
        problem = QStringLiteral("无法读取设置“%1”，本次只用程序内置的节假日安排。")
                      .arg(QDir::toNativeSeparators(settings.fileName()));
        return calendar;
    }
    const QString text = settings.value(QLatin1String(kKey)).toString();
    if (text.isEmpty()) {
        return calendar;
    }
    const CalendarReading reading = ReadCalendarFile(text.toStdString());
    std::string refused = reading.problem;
    if (refused.empty()) {
        refused = calendar.AddYears(reading.years);
    }
    if (!refused.empty()) {
        problem = QStringLiteral("保存的节假日安排无法使用（%1），本次只用程序内置的年份。")
                      .arg(ToQString(refused));
    }
    return calendar;
}

QString KeepCalendarYears(QSettings& settings, const HolidayCalendar& calendar)
{
    // two copies of the program importing at once: one at a time, each
    // adding its years to what the other kept
    QLockFile lock(settings.fileName() + QStringLiteral(".kelvora-lock"));
    lock.setStaleLockTime(30000);
    lock.tryLock(10000);
    QString problem;
    const QString setAside = SetAsideDamaged(settings, problem);
    if (!problem.isEmpty()) {
        return problem + QStringLiteral("导入的节假日安排只用于本次。");
    }
    settings.sync();  // what another copy saved since
    std::map<int, CalendarYear> years;
    for (CalendarYear& year : KeptYears(settings)) {
        years[year.year] = std::move(year);
    }
    for (const auto& [number, known] : calendar.years()) {
        if (!known.builtIn) {
            years[number] = known;  // this run's years last
        }
    }
    QString text;
    for (const auto& [number, year] : years) {
        text += ToQString(CalendarFileText(year));
    }
    settings.setValue(QLatin1String(kKey), text);
    settings.sync();
    if (QSettings(settings.fileName(), settings.format()).status() != QSettings::NoError) {
        return QStringLiteral("无法保存设置“%1”，导入的节假日安排只用于本次。")
            .arg(QDir::toNativeSeparators(settings.fileName()));
    }
    return setAside.isEmpty() ? QString()
                              : QStringLiteral("原来损坏的设置文件另存为“%1”。").arg(setAside);
}

}  // namespace kelvora::ui
