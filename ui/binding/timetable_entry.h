#pragma once
// The way to the tender's timetable from the window: the link on a page (the
// construction period's) and Ctrl+D anywhere in the window open its own
// window, made the first time it is asked for.
//
//   Ctrl+D | link --OpenTimetable--> the timetable's window

#include "ui/common/control_lookup.h"

class QWidget;

namespace kelvora::ui {

// Ctrl+D in `window`.
void SetUpTimetable(QWidget& window);

// The link on tab page `page`, once it is made.
void OfferTimetableOnPage(QWidget& window, const ControlLookup& find, int page);

}  // namespace kelvora::ui
