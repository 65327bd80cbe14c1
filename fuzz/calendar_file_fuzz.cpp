// Fuzzes the reader of holiday calendar files (imported by the user, kept in
// the settings). For any input bytes:
// - ReadCalendarFile reads years or names the line at fault, and nothing else;
// - each year read is written as a file that reads back as the same days
//   (read-write-read stable);
// - adding the years to a calendar never changes a built-in year: either it
//   is refused, or the built-in years keep every day as they were.

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/holiday_calendar.h"
#include "fuzz/require.h"

using kelvora::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kelvora::CalendarReading reading = kelvora::ReadCalendarFile(text);
    Require(reading.years.empty() != reading.problem.empty(), "years or a reason", text);
    for (const kelvora::CalendarYear& year : reading.years) {
        const std::string file = kelvora::CalendarFileText(year);
        const kelvora::CalendarReading again = kelvora::ReadCalendarFile(file);
        Require(again.problem.empty() && again.years.size() == 1, "a year read back", file);
        Require(again.years[0].holidays == year.holidays &&
                    again.years[0].workingDays == year.workingDays,
                "the same days read back", file);
    }
    if (reading.years.empty()) {
        return 0;
    }
    const kelvora::HolidayCalendar fresh;
    kelvora::HolidayCalendar calendar;
    static_cast<void>(calendar.AddYears(reading.years));
    for (const auto& [number, year] : fresh.years()) {
        const kelvora::CalendarYear& now = calendar.years().at(number);
        Require(now.holidays == year.holidays && now.workingDays == year.workingDays && now.builtIn,
                "built-in years unchanged", text);
    }
    return 0;
}
