#pragma once
// Texts cross between calc/ (UTF-8 std::string) and Qt (QString) here.

#include <QString>
#include <string_view>

namespace kelvora::ui {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kelvora::ui
