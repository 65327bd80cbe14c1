#pragma once
// Which event of which control starts which handler. The calculators' table
// gives one click per button of each step (each option of a choice); the
// link label and the tab strip open the web page.
//
//   widget event --WireEvents--> RunReported(handler(controls))
//
// A handler reads its inputs through Controls and writes one caption; if it
// throws, the error report shows it and the window stays as it was. A step
// that does not apply with the window's inputs is not run. No other event of
// any control has a handler.

#include <vector>

#include "calc/calculator.h"
#include "ui/common/control_lookup.h"

class QWidget;

namespace kelvora::ui {

enum class ControlEvent { Click, DoubleClick };

using Handler = void (*)(Controls&);

struct EventBinding {
    ControlName control;
    ControlEvent event;
    Handler handler;
    const CalculatorStep* step;  // the step the control starts, or nullptr
};

// Every binding of the window, for the test that checks every row names a
// control of a kind its event can come from.
std::vector<EventBinding> EventBindings();

// Connects the bindings of the controls standing on tab page `page` (-1: the
// window's own); errors are reported over `window`.
void WireEvents(int page, const ControlLookup& find, Controls& controls, QWidget* window);

}  // namespace kelvora::ui
