#include "ui/window/app_icon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <array>
#include <map>

namespace kelvora::ui {
namespace {

constexpr std::array kSizes{16, 32, 48, 64, 128, 256};

class LazyIconEngine : public QIconEngine {
public:
    QIconEngine* clone() const override { return new LazyIconEngine(*this); }
    QString key() const override { return QStringLiteral("KelvoraLazyIcon"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : kSizes) {
            sizes << QSize(size, size);
        }
        return sizes;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        const int wanted = static_cast<int>(std::max(size.width(), size.height()) * scale);
        const QPixmap& source = Source(wanted);
        QPixmap pixmap = source.width() == wanted
                             ? source
                             : source.scaled(QSize(wanted, wanted), Qt::KeepAspectRatio,
                                             Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    // The smallest drawn size at least as large as `wanted` (or the largest).
    const QPixmap& Source(int wanted)
    {
        int chosen = kSizes.back();
        for (int size : kSizes) {
            if (size >= wanted) {
                chosen = size;
                break;
            }
        }
        QPixmap& pixmap = m_read[chosen];
        if (pixmap.isNull()) {
            QImageReader reader(QStringLiteral(":/kelvora/kelvora-%1.png").arg(chosen), "png");
            pixmap = QPixmap::fromImage(reader.read());
        }
        return pixmap;
    }

    std::map<int, QPixmap> m_read;
};

}  // namespace

QIcon AppIcon()
{
    return QIcon(new LazyIconEngine);
}

}  // namespace kelvora::ui
