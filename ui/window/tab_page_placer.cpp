#include "ui/window/tab_page_placer.h"

#include <QEvent>
#include <QTabWidget>

namespace kelvora::ui {

TabPagePlacer::TabPagePlacer(QTabWidget* tabs) : QObject(tabs), m_tabs(tabs)
{
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->widget(i)->installEventFilter(this);
    }
}

void TabPagePlacer::Add(QWidget* control, QRect rect)
{
    QWidget* page = control->parentWidget();
    control->setGeometry(rect.translated(-page->mapTo(m_tabs, QPoint(0, 0))));
    m_items.push_back({control, rect.topLeft()});
}

bool TabPagePlacer::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            Place(static_cast<QWidget*>(watched));
            break;
        default:
            break;
    }
    return false;
}

void TabPagePlacer::Place(QWidget* page)
{
    const QPoint pageOrigin = page->mapTo(m_tabs, QPoint(0, 0));
    for (const Item& item : m_items) {
        if (item.control && item.control->parentWidget() == page) {
            item.control->move(item.origin - pageOrigin);
        }
    }
}

}  // namespace kelvora::ui
