#include "ui/window/group_box_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace kelvora::ui {
namespace {

constexpr const char* kFusion = "fusion";
// The room Fusion keeps above a frame's line.
constexpr int kTopMargin = 3;

}  // namespace

GroupBoxStyle* GroupBoxStyle::ForFusion(QObject* owner)
{
    if (QApplication::style() == nullptr ||
        QApplication::style()->name().compare(QLatin1String(kFusion), Qt::CaseInsensitive) != 0) {
        return nullptr;
    }
    auto* style = new GroupBoxStyle;
    style->setParent(owner);
    return style;
}

GroupBoxStyle::GroupBoxStyle() : QProxyStyle(QStyleFactory::create(QLatin1String(kFusion))) {}

void GroupBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion keeps the room of the title above the line, or a little for none.
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool bare = box != nullptr && !box->isCheckable() && box->title().isEmpty();
    const int top = bare ? kTopMargin
                         : qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                option->fontMetrics.height()) +
                               kTopMargin;
    // Fusion's picture: transparent in its first row and column, a line of
    // grey at a fifth, a fill of black at 1 %, a second ring inside the line.
    const QRectF frame = QRectF(option->rect.adjusted(0, top, 0, 0)).adjusted(1.5, 1.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QColor(0x75, 0x75, 0x75, 0x32));
    painter->setBrush(QColor(0, 0, 0, 0x03));
    painter->drawRoundedRect(frame, 2, 2);
    painter->setPen(QColor(0, 0, 0, 0x04));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(frame.adjusted(1, 1, -1, -1), 1.5, 1.5);
    painter->restore();
}

}  // namespace kelvora::ui
