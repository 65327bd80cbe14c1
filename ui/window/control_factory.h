#pragma once
// Turns one row of the control table into its widget: kind, initial content,
// font, colour, size and cursor. Placing it in its container is the window's
// job.

#include <QStyle>
#include <QWidget>

#include "ui/layout/control_table.h"
#include "ui/layout/fonts.h"

namespace kelvora::ui {

// `frameStyle`, when given, draws the frames (group boxes).
QWidget* CreateControl(const ControlRow& row, QWidget* parent, const FontSet& fonts,
                       QStyle* frameStyle = nullptr);

// Whether controls of this kind take their size from their text.
bool SizesToText(ControlKind kind);

}  // namespace kelvora::ui
