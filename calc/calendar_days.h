#pragma once
// Construction period in calendar days.
//
//   DTPicker1, DTPicker2 --Date--> start, completion
//   --CalendarDays--> day count --FormatWhole--> Label16 caption, with its working
//
// The count is the number of midnights passed from the start to the
// completion: the start day is not counted, the same day gives 0, and a
// completion before the start gives a negative count.

#include <chrono>
#include <cstdint>
#include <string>

#include "calc/calculator.h"

namespace kelvora {

// Only the calendar days count; the times of day play no part.
std::int32_t CalendarDays(DateTime start, DateTime completion);

// A date as the pickers show it: "2009/2/6". Throws FloatingPointError
// (invalid operation) for a day past the years a calendar date can hold.
std::string FormatDate(DateTime date);

// Both dates, the count with the start day not counted, and the count when
// both the start and the completion day are counted.
std::string CalendarDaysWorking(DateTime start, DateTime completion, std::int32_t count);

// Click of Command4: DTPicker1, DTPicker2 -> Label16.
void Command4Click(CalculatorModel& page);

// The construction period as a calculator of the window: one step, Command4.
const Calculator& CalendarDaysCalculator();

}  // namespace kelvora
