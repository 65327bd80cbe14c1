#pragma once
// The window icon, read from its PNG files only when a size is first asked
// for, and read as PNG by name: looking a file's format up would load every
// image plugin Qt has, and most platforms never ask for the icon at start-up.

#include <QIcon>

namespace kelvora::ui {

QIcon AppIcon();

}  // namespace kelvora::ui
