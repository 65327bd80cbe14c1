#include "ui/common/file_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTemporaryFile>

namespace kelvora::ui {
namespace {

// Why a file cannot be written at `path`, as far as looking at it tells.
QString Reason(const QString& path, const QString& fallback)
{
    const QFileInfo target(path);
    if (target.isDir()) {
        return QStringLiteral("该位置已有一个同名的文件夹");
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists()) {
        return QStringLiteral("文件夹“%1”不存在").arg(QDir::toNativeSeparators(folder.filePath()));
    }
    if (!folder.isDir()) {
        return QStringLiteral("“%1”不是文件夹").arg(QDir::toNativeSeparators(folder.filePath()));
    }
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.isReadOnly()) {
        return QStringLiteral("该文件夹所在的磁盘是只读的");
    }
    if (target.exists() && !target.isWritable()) {
        return QStringLiteral("原有的文件是只读的");
    }
    // On Windows a program that has the file open (a spreadsheet, a PDF
    // reader) keeps anyone else from replacing it.
    if (QFile existing(path);
        target.isFile() && !existing.open(QIODevice::ReadWrite | QIODevice::Append)) {
        return QStringLiteral(
            "原有的文件正被其他程序使用（例如在电子表格或 PDF 阅读器中打开着），请关闭它后再试");
    }
    // Whether a file can be made in the folder at all.
    QTemporaryFile probe(folder.absoluteFilePath() + QStringLiteral("/.kelvora-XXXXXX"));
    if (!probe.open()) {
        return QStringLiteral("没有在该文件夹中写入文件的权限");
    }
    probe.close();
    if (storage.isValid() && storage.bytesAvailable() >= 0 &&
        storage.bytesAvailable() < 1024 * 1024) {
        return QStringLiteral("磁盘空间不足");
    }
    return fallback;
}

}  // namespace

QString CannotWrite(const QString& path, const QString& fallback)
{
    const bool old = QFileInfo(path).isFile();
    return QStringLiteral("无法写入文件“%1”：%2。%3")
        .arg(QDir::toNativeSeparators(path), Reason(path, fallback),
             old ? QStringLiteral("原有的文件未作改动。") : QString());
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return CannotWrite(path, QStringLiteral("无法在该位置创建文件"));
    }
    // A short write (a full disk, a quota) shows in the count, the flush or
    // the size on disk; then nothing replaces the target.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError || file.size() != bytes.size()) {
        file.cancelWriting();
        return CannotWrite(path, QStringLiteral("写入不完整，可能是磁盘空间不足"));
    }
    if (!file.commit()) {
        return CannotWrite(path, QStringLiteral("无法替换原有的文件"));
    }
    return {};
}

}  // namespace kelvora::ui
