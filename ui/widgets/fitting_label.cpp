#include "ui/widgets/fitting_label.h"

#include <QEvent>
#include <algorithm>

namespace kelvora::ui {

FittingLabel::FittingLabel(const QString& text, bool sizesToText, bool link, QWidget* parent)
    : QLabel(text, parent), m_sizesToText(sizesToText), m_link(link)
{
}

bool FittingLabel::event(QEvent* event)
{
    const bool handled = QLabel::event(event);
    if (m_link && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QFont underlined = font();
        underlined.setUnderline(hasFocus());
        setFont(underlined);
    }
    if (event->type() == QEvent::Show && !m_fitted) {
        m_fitted = true;
        if (m_sizesToText) {
            FitToText(this);
        } else if (wordWrap()) {
            resize(width(), std::max(height(), heightForWidth(width())));
        }
    }
    return handled;
}

void FitToText(QLabel* label)
{
    if (label->text().isEmpty()) {
        label->resize(label->minimumWidth(), label->height());
        return;
    }
    label->resize(label->sizeHint().expandedTo(label->minimumSize()));
}

}  // namespace kelvora::ui
