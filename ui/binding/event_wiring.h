#pragma once
// Which event of which control starts what. The calculators' table gives one
// click per button of each step (each option of a choice), whose handler
// tells the page's model which step was pressed (ui/binding/page_binding.h);
// the link label and the tab strip open the user guide.
//
//   button clicked --CommandNClick--> the page's model
//   Label22 clicked | SSTab1 double-clicked --OpenGuide--> the guide
//
// No other event of any control has a handler.

#include <vector>

#include "calc/calculator.h"
#include "ui/common/control_lookup.h"

class QWidget;

namespace kelvora::ui {

enum class ControlEvent { Click, DoubleClick };

struct EventBinding {
    ControlName control;
    ControlEvent event;
    const CalculatorStep* step;  // the step the control starts, or nullptr for the guide
};

// Every binding of the window, for the test that checks every row names a
// control of a kind its event can come from.
std::vector<EventBinding> EventBindings();

// Connects the guide's bindings of the controls standing on tab page `page`
// (-1: the window's own); errors are reported over `window`.
void WireGuideLinks(int page, const ControlLookup& find, QWidget* window);

}  // namespace kelvora::ui
