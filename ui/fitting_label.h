#pragma once
// Labels that size themselves to their text keep their top-left corner and
// grow to the right (never below their minimum width). The size is taken
// when the label is first shown: laying out text is a good part of the
// start-up, and the labels of the pages not shown at opening need none of
// it until then.

#include <QLabel>

namespace kelvora::ui {

class FittingLabel : public QLabel {
public:
    FittingLabel(const QString& text, bool sizesToText, QWidget* parent);

protected:
    bool event(QEvent* event) override;

private:
    bool m_sizesToText;
    bool m_fitted = false;
};

// Resizes `label` to its text now.
void FitToText(QLabel* label);

}  // namespace kelvora::ui
