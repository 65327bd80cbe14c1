#include "calc/calendar_days.h"

#include "calc/number_text.h"

namespace kelvora {

std::int32_t CalendarDays(DateTime start, DateTime completion) {
    using std::chrono::days;
    using std::chrono::floor;
    const days count = floor<days>(completion) - floor<days>(start);
    return static_cast<std::int32_t>(count.count());
}

void Command4Click(Controls& controls) {
    const DateTime start = controls.Date("DTPicker1");
    const DateTime completion = controls.Date("DTPicker2");
    controls.SetCaption("Label16", FormatWhole(CalendarDays(start, completion)));
}

}  // namespace kelvora
