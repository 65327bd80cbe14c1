#pragma once
// Which event of which control starts which handler: one table.
//
//   widget event --WireEvents--> RunReported(handler(controls))
//
// A handler reads its inputs through Controls and writes one caption; if it
// throws, the error report shows it and the window stays as it was. No other
// event of any control has a handler.

#include <span>
#include <string_view>

#include "calc/controls.h"
#include "ui/widget_controls.h"

class QWidget;

namespace kelvora::ui {

enum class ControlEvent { Click, DoubleClick };

using Handler = void (*)(Controls&);

struct EventBinding {
    ControlName control;
    ControlEvent event;
    Handler handler;
};

// The table, for the test that checks every row names a control of a kind
// its event can come from.
std::span<const EventBinding> EventBindings();

// Connects every row of the table; errors are reported over `window`.
void WireEvents(const ControlMap& widgets, Controls& controls, QWidget* window);

}  // namespace kelvora::ui
