#pragma once
// Turns one row of the control table into its widget: kind, initial content,
// font, colour, size and cursor. Placing it in its container is the window's
// job.

#include <QWidget>

#include "ui/control_table.h"
#include "ui/fonts.h"

class QLabel;

namespace kelvora::ui {

QWidget* CreateControl(const ControlSpec& row, QWidget* parent, const FontSet& fonts);

// Whether controls of this kind take their size from their text.
bool SizesToText(ControlKind kind);

// Labels that size themselves to their text keep their top-left corner and
// grow to the right (never below their minimum width).
void FitToText(QLabel* label);

QColor ToQColor(Colour colour);

}  // namespace kelvora::ui
