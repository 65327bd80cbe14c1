#include "ui/widgets/drawn_icon.h"

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

QIcon WarningMarkIcon(const QWidget* widget)
{
    return DrawnIcon(widget, [](QPainter& painter) {
        painter.setBrush(QColor(0xE6, 0x7E, 0x00));
        painter.drawEllipse(QRectF(2, 2, 12, 12));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(7.2, 4.5, 1.6, 5));
        painter.drawEllipse(QRectF(7.1, 10.5, 1.8, 1.8));
    });
}

}  // namespace kelvora::ui
