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

// `over` at its alpha on the opaque `under`, as one opaque colour.
QColor Over(const QColor& over, const QColor& under)
{
    const double a = over.alphaF();
    const auto mix = [a](int top, int bottom) { return qRound(top * a + bottom * (1 - a)); };
    return QColor(mix(over.red(), under.red()), mix(over.green(), under.green()),
                  mix(over.blue(), under.blue()));
}

// Fusion's colours of a tab's pane and of outlines, for a plain window palette.
QColor ButtonColour(const QPalette& palette)
{
    QColor button = palette.button().color();
    const int grey = qGray(button.rgb());
    button = button.lighter(100 + qMax(1, (180 - grey) / 6));
    button.setHsv(button.hue(), static_cast<int>(button.saturation() * 0.75), button.value());
    return button;
}

QColor PaneColour(const QPalette& palette)
{
    return ButtonColour(palette).lighter(104);
}

QColor OutlineColour(const QPalette& palette)
{
    return palette.window().color().darker(140);
}

// A line of one pixel, along a row or a column, as one filled rectangle.
void Line(QPainter* painter, int x1, int y1, int x2, int y2, const QColor& colour)
{
    painter->fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), colour);
}

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
    const bool plain = option->palette.window().style() != Qt::TexturePattern;
    if (element == PE_FrameTabWidget && plain) {
        DrawPane(option, painter);
    } else if (element == PE_FrameGroupBox && plain) {
        DrawFrame(option, painter, widget);
    } else {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void GroupBoxStyle::DrawPane(const QStyleOption* option, QPainter* painter) const
{
    // Fusion's pane: filled to one pixel short of its right and bottom edges,
    // a shadow under it, an outline, a light ring inside the outline.
    const QRect r = option->rect;
    const QColor pane = PaneColour(option->palette);
    const QColor outline = OutlineColour(option->palette);
    const QColor ring = Over(QColor(255, 255, 255, 30), pane);
    const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option);
    const bool shadow = frame != nullptr && frame->shape != QTabBar::RoundedSouth;
    const int bottom = r.bottom() - (shadow ? 1 : 0);  // the outline's last row
    painter->fillRect(r.adjusted(0, 0, -1, -1), pane);
    if (frame == nullptr) {
        return;
    }
    if (shadow) {
        Line(painter, r.left(), r.bottom(), r.right(), r.bottom(),
             Over(QColor(0, 0, 0, 15), option->palette.window().color()));
    }
    Line(painter, r.left(), r.top(), r.right(), r.top(), outline);
    Line(painter, r.left(), bottom, r.right(), bottom, outline);
    Line(painter, r.left(), r.top(), r.left(), bottom, outline);
    Line(painter, r.right(), r.top(), r.right(), bottom, outline);
    Line(painter, r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1, ring);
    Line(painter, r.left() + 1, bottom - 1, r.right() - 1, bottom - 1, ring);
    Line(painter, r.left() + 1, r.top() + 1, r.left() + 1, bottom - 1, ring);
    Line(painter, r.right() - 1, r.top() + 1, r.right() - 1, bottom - 1, ring);
}

void GroupBoxStyle::DrawFrame(const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    // Fusion keeps the room of the title above the line, or a little for none.
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool bare = box != nullptr && !box->isCheckable() && box->title().isEmpty();
    const int top = bare ? kTopMargin
                         : qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                option->fontMetrics.height()) +
                               kTopMargin;
    // Fusion's picture, on the pane it stands on: transparent in its first
    // row and column, a line of grey at a fifth with corners of a radius of
    // two, a second ring inside the line. (Fusion also fills the box with
    // black at 1 %, which no eye tells from none.) Drawn as opaque rows and
    // columns of pixels: a translucent column is a blend of one span a row,
    // which Qt hands to threads of its own.
    const QColor pane = PaneColour(option->palette);
    const auto grey = [&pane](double coverage) {
        return Over(QColor(0x75, 0x75, 0x75, qRound(0x32 * coverage)), pane);
    };
    const QColor ring = Over(QColor(0, 0, 0, 0x04), pane);
    const QRect r = option->rect.adjusted(1, top + 1, -1, 0);  // the line's pixels
    Line(painter, r.left() + 2, r.top(), r.right() - 2, r.top(), grey(1));
    Line(painter, r.left() + 2, r.bottom(), r.right() - 2, r.bottom(), grey(1));
    Line(painter, r.left(), r.top() + 2, r.left(), r.bottom() - 2, grey(1));
    Line(painter, r.right(), r.top() + 2, r.right(), r.bottom() - 2, grey(1));
    // each corner rounded as Fusion's: two pixels half covered, one inside at three quarters
    for (const int x : {0, 1}) {
        for (const int y : {0, 1}) {
            const int left = x == 0 ? r.left() : r.right();
            const int top = y == 0 ? r.top() : r.bottom();
            const int dx = x == 0 ? 1 : -1;
            const int dy = y == 0 ? 1 : -1;
            painter->fillRect(QRect(left + dx, top, 1, 1), grey(0.5));
            painter->fillRect(QRect(left, top + dy, 1, 1), grey(0.5));
            painter->fillRect(QRect(left + dx, top + dy, 1, 1), grey(0.75));
        }
    }
    const QRect inner = r.adjusted(1, 1, -1, -1);
    Line(painter, inner.left() + 1, inner.top(), inner.right() - 1, inner.top(), ring);
    Line(painter, inner.left() + 1, inner.bottom(), inner.right() - 1, inner.bottom(), ring);
    Line(painter, inner.left(), inner.top() + 1, inner.left(), inner.bottom() - 1, ring);
    Line(painter, inner.right(), inner.top() + 1, inner.right(), inner.bottom() - 1, ring);
}

}  // namespace kelvora::ui
