#pragma once
// Texts cross between calc/ (UTF-8 std::string) and Qt (QString) here.

#include <QString>
#include <QTextDocument>
#include <string_view>

#include "calc/decimal_text.h"

namespace kelvora::ui {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text without the blanks at either end, by the one rule of calc/decimal_text.h.
inline QString TrimmedText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return ToQString(
        Trimmed(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
}

inline bool IsBlankText(const QString& text)
{
    return TrimmedText(text).isEmpty();
}

// A tooltip that shows `text` as written: Qt draws a tooltip that looks like
// markup as markup, so such a text (what a person typed, pasted or opened) is
// escaped, its lines kept; any other is left as it is.
inline QString PlainTip(const QString& text)
{
    return Qt::mightBeRichText(text) ? QStringLiteral("<p style=\"white-space:pre-wrap\">") +
                                           text.toHtmlEscaped() + QStringLiteral("</p>")
                                     : text;
}

}  // namespace kelvora::ui
