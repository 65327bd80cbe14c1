#pragma once
// Controls on a tab page are laid out relative to the whole tab control,
// tab strip included, while Qt places a page below its tab strip. The placer
// moves each page's controls whenever the page gets its geometry, so they
// stand where the layout puts them whatever height the style gives the strip.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

class QTabWidget;

namespace kelvora::ui {

class TabPagePlacer : public QObject {
public:
    explicit TabPagePlacer(QTabWidget* tabs);

    // Places `control` (a child of a page) at `rect`, in tab control pixels.
    void Add(QWidget* control, QRect rect);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place(QWidget* page);

    struct Item {
        QPointer<QWidget> control;
        QPoint origin;
    };
    QTabWidget* m_tabs;
    std::vector<Item> m_items;
};

}  // namespace kelvora::ui
