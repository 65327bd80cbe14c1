#include "ui/common/file_text.h"

#include <QStringDecoder>
#include <limits>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kelvora::ui {
namespace {

std::optional<QString> Gb18030Text(const QByteArray& bytes)
{
#ifdef Q_OS_WIN
    if (bytes.size() > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    const int size = static_cast<int>(bytes.size());
    // GB18030, or GBK (its older part) where a system lacks it, as Wine does
    for (const UINT codePage : {54936u, 936u}) {
        const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(),
                                               size, nullptr, 0);
        if (length <= 0) {
            continue;
        }
        QString text(length, Qt::Uninitialized);
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.constData(), size,
                            reinterpret_cast<wchar_t*>(text.data()), length);
        return text;
    }
    return std::nullopt;
#else
    QStringDecoder gb18030("GB18030");
    if (!gb18030.isValid()) {
        gb18030 = QStringDecoder(QStringConverter::System);
    }
    QString text = gb18030.decode(bytes);
    return gb18030.hasError() ? std::nullopt : std::optional(text);
#endif
}

}  // namespace

std::optional<QString> FileText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(bytes.mid(3));
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                          : QStringConverter::Utf16BE);
        QString text = utf16.decode(bytes.mid(2));
        return utf16.hasError() ? std::nullopt : std::optional(text);
    }
    if (bytes.contains('\0')) {
        return std::nullopt;
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    return Gb18030Text(bytes);
}

}  // namespace kelvora::ui
