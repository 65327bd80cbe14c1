#pragma once
// Fonts of the window. Each role names the face the layout was drawn with
// first, then faces that render Chinese on Windows and Linux alike; Qt
// takes the first one installed and the system default after that.

#include <QFont>

#include "ui/control_table.h"

namespace kelvora::ui {

QFont FontFor(FontRole role);

}  // namespace kelvora::ui
