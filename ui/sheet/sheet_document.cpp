#include "ui/sheet/sheet_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSaveFile>
#include <QTextDocument>

namespace kelvora::ui {
namespace {

QString CannotWrite(const QString& path, const QString& why)
{
    return QStringLiteral("无法写入文件“%1”：%2。原有的文件未作改动。").arg(path, why);
}

}  // namespace

// In the Noto CJK faces the Kangxi radicals share glyphs with common
// characters (工, 人, 大), and Qt's PDF writer would then give the radicals to
// a search or a copy: the faces that map back right come first.
QFont SheetFont(qreal points)
{
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"SimSun", "宋体", "AR PL UMing CN", "WenQuanYi Zen Hei",
                               "Noto Serif CJK SC", "Noto Sans CJK SC"}) {
        const QString name = QString::fromUtf8(family);
        if (installed.contains(name, Qt::CaseInsensitive)) {
            QFont font(name);
            font.setPointSizeF(points);
            return font;
        }
    }
    QFont font;
    font.setPointSizeF(points);
    return font;
}

void PaintSheet(const QString& html, QPagedPaintDevice& device)
{
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiY());
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    const qreal footer = device.logicalDpiY() * 0.35;  // inches kept for the page line
    for (qreal points : {11.0, 10.5}) {
        document.setDefaultFont(SheetFont(points));
        document.setHtml(html);
        document.setPageSize(QSizeF(page.width(), page.height() - footer));
        if (document.pageCount() == 1) {
            break;
        }
    }
    const int pages = document.pageCount();
    QPainter painter(&device);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            device.newPage();
        }
        const qreal top = i * (page.height() - footer);
        painter.save();
        painter.translate(0, -top);
        document.drawContents(&painter, QRectF(0, top, page.width(), page.height() - footer));
        painter.restore();
        painter.setFont(SheetFont(10.5));
        painter.drawText(QRectF(0, page.height() - footer, page.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 页 共 %2 页").arg(i + 1).arg(pages));
    }
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return CannotWrite(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError || file.size() != bytes.size()) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                                                                 : QStringLiteral("写入不完整");
        file.cancelWriting();
        return CannotWrite(path, why);
    }
    if (!file.commit()) {
        return CannotWrite(path, file.errorString());
    }
    return {};
}

}  // namespace kelvora::ui
