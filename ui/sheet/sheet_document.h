#pragma once
// What every calculation sheet shares: its face, its pages (laid out at the
// largest usual size that keeps it to one page, "第 1 页 共 1 页" at each
// foot), and a file written whole or not at all.
//
//   HTML --PaintSheet--> PDF writer | printer
//   bytes --WriteWholeFile--> file (the old one kept until the new one is whole)

#include <QByteArray>
#include <QFont>
#include <QString>

class QPagedPaintDevice;

namespace kelvora::ui {

// The sheets' face at `points`, one whose PDF text reads back as typed.
QFont SheetFont(qreal points);

// Lays `html` out for the device's page and paints it page by page.
void PaintSheet(const QString& html, QPagedPaintDevice& device);

// Writes `bytes` beside `path` and renames the copy over it only once every
// byte is on the disk; a short or failed write leaves an old file as it was
// and no part of the new one. Returns an empty string, or the message.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace kelvora::ui
