#pragma once
// How the parts of the window find a control: by its name, through the
// window, which builds the control's page the first time it is asked for.

#include <QWidget>
#include <functional>

#include "calc/control_roles.h"

namespace kelvora::ui {

// The widget of a control, or nullptr for a name the window lacks.
using ControlLookup = std::function<QWidget*(ControlName)>;

// The widget of `name` as a T. A name the window lacks or a widget of
// another kind is a fault of the tables, caught by their tests and asserted
// in debug builds; a release build gets nullptr.
template <typename T = QWidget>
T* Lookup(const ControlLookup& find, ControlName name)
{
    T* widget = qobject_cast<T*>(find(name));
    Q_ASSERT_X(widget != nullptr, "Lookup",
               "a control missing from the tables, or of another kind");
    return widget;
}

// A lookup over the controls already made under `window`, by objectName.
ControlLookup ChildLookup(QWidget& window);

}  // namespace kelvora::ui
