#pragma once
// The small warning mark at the right end of a box whose text is doubtful:
// hidden until there is something to say, its words in its tooltip and in
// the box's description for screen readers. A text box, the editable combo
// box and the date box all carry it in their line edit.
//
//   words --ShowInputNote--> mark shown (or hidden for none)

#include <QString>

class QAction;
class QLineEdit;
class QWidget;

namespace kelvora::ui {

// The line edit that shows an input's text: the box itself, the combo box's
// or the date box's own; nullptr for any other widget.
QLineEdit* EditOf(const QWidget* input);

// Adds a hidden mark to a line edit.
QAction* AddNoteMark(QLineEdit* box);

// Shows `words` as the mark of `input`, or hides it for empty words.
void ShowInputNote(QWidget* input, const QString& words);

// The warning mark of an input, or nullptr.
QAction* InputNoteMark(const QWidget* input);

}  // namespace kelvora::ui
