#pragma once
// Small icons drawn in code rather than read from image files: reading one
// would look its format up through every image plugin Qt has.

#include <QIcon>
#include <functional>

class QPainter;
class QWidget;

namespace kelvora::ui {

// A 16 x 16 icon at `widget`'s screen scale, drawn by `paint` on a clear,
// antialiased pixmap in 16 x 16 coordinates.
QIcon DrawnIcon(const QWidget* widget, const std::function<void(QPainter&)>& paint);

// The mark of a doubtful input or figure: an orange disc with a white "!".
QIcon WarningMarkIcon(const QWidget* widget);

}  // namespace kelvora::ui
