#pragma once
// What a control shows, read the same way wherever the program needs it:
// the click layers' reads, stale results, the calculation sheet and screen
// readers all go through here.
//
//   QLineEdit / QComboBox / QLabel / button / date box --ShownText--> text
//   QCheckBox / QRadioButton --IsTicked--> ticked

#include <QDateTime>
#include <QString>

class QWidget;

namespace kelvora::ui {

// The text a box, list, label, button (without its padding blanks) or date
// box shows; empty for any other widget.
QString ShownText(const QWidget* widget);

// Whether a check box is ticked (a greyed one is not) or an option chosen.
bool IsTicked(const QWidget* widget);

// The date and time of a date box; invalid for any other widget.
QDateTime ShownDateTime(const QWidget* widget);

}  // namespace kelvora::ui
