#pragma once
// A tab page whose controls are made the first time it is shown (or one of
// them is asked for): the pages not shown at opening cost nothing until then.
// They are made before the page becomes visible, so they appear with it as
// if they had always been there.

#include <QWidget>
#include <functional>

namespace kelvora::ui {

class LazyPage : public QWidget {
public:
    explicit LazyPage(std::function<void()> build) : m_build(std::move(build)) {}

    // Makes the page's controls, once.
    void Build()
    {
        if (m_build) {
            const auto build = std::move(m_build);
            m_build = nullptr;
            build();
        }
    }

    void setVisible(bool visible) override
    {
        // Shown by the tab control while the window is on screen: made first.
        if (visible && parentWidget() != nullptr && parentWidget()->isVisible()) {
            Build();
        }
        QWidget::setVisible(visible);
    }

protected:
    bool event(QEvent* event) override
    {
        // Shown with the window (the page chosen before it opened): made now,
        // and shown, since children made under a visible page start hidden.
        if (event->type() == QEvent::Show && m_build) {
            Build();
            for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                child->show();
            }
        }
        return QWidget::event(event);
    }

private:
    std::function<void()> m_build;
};

}  // namespace kelvora::ui
