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
    // A link label is announced as a link and underlined while it has the focus.
    FittingLabel(const QString& text, bool sizesToText, bool link, QWidget* parent);

    bool IsLink() const { return m_link; }

protected:
    bool event(QEvent* event) override;

private:
    bool m_sizesToText;
    bool m_link;
    bool m_fitted = false;
};

// Resizes `label` to its text now.
void FitToText(QLabel* label);

}  // namespace kelvora::ui
