#include "ui/timetable/kept_calendar.h"

#include "ui/common/qt_text.h"

namespace kelvora::ui {
namespace {

constexpr auto kKey = "calendar/imported";

}  // namespace

HolidayCalendar LoadKeptCalendar(QSettings& settings, QString& problem)
{
    HolidayCalendar calendar;
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
    QString text;
    for (const auto& [year, known] : calendar.years()) {
        if (!known.builtIn) {
            text += ToQString(CalendarFileText(known));
        }
    }
    settings.setValue(QLatin1String(kKey), text);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        return QStringLiteral("无法保存设置“%1”，导入的节假日安排只用于本次。")
            .arg(settings.fileName());
    }
    return {};
}

}  // namespace kelvora::ui
