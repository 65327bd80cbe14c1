#include "ui/drawn_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace kelvora::ui {

QIcon DrawnIcon(const QWidget* widget, const std::function<void(QPainter&)>& paint)
{
    const qreal scale = widget->devicePixelRatioF();
    QPixmap pixmap(QSize(16, 16) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace kelvora::ui
