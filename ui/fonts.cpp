#include "ui/fonts.h"

#include <QFontDatabase>

namespace kelvora::ui {
namespace {

constexpr std::array kRoles{FontRole::Default, FontRole::Prompt, FontRole::Result, FontRole::Title,
                            FontRole::Credit};

qreal PointSize(FontRole role)
{
    switch (role) {
        case FontRole::Prompt:
            return 10.5;
        case FontRole::Result:
            return 12;
        case FontRole::Title:
            return 21.75;
        case FontRole::Credit:
        case FontRole::Default:
            break;
    }
    return 9;
}

}  // namespace

QStringList WantedFamilies(FontRole role)
{
    switch (role) {
        case FontRole::Prompt:
        case FontRole::Result:  // 宋体
            return {QStringLiteral("宋体"),
                    QStringLiteral("SimSun"),
                    QStringLiteral("NSimSun"),
                    QStringLiteral("Noto Serif CJK SC"),
                    QStringLiteral("Source Han Serif SC"),
                    QStringLiteral("AR PL UMing CN"),
                    QStringLiteral("WenQuanYi Zen Hei")};
        case FontRole::Title:
        case FontRole::Credit:  // 方正姚体
            return {QStringLiteral("方正姚体"),         QStringLiteral("FZYaoTi"),
                    QStringLiteral("STXinwei"),         QStringLiteral("华文新魏"),
                    QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                    QStringLiteral("WenQuanYi Zen Hei")};
        case FontRole::Default:
            break;
    }
    return {QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Microsoft YaHei"),
            QStringLiteral("Noto Sans CJK SC"),   QStringLiteral("Source Han Sans SC"),
            QStringLiteral("WenQuanYi Zen Hei"),  QStringLiteral("PingFang SC")};
}

FontSet::FontSet()
{
    const QStringList installed = QFontDatabase::families();
    for (FontRole role : kRoles) {
        QFont font;
        for (const QString& family : WantedFamilies(role)) {
            if (installed.contains(family, Qt::CaseInsensitive)) {
                font.setFamilies({family});
                break;
            }
        }
        font.setPointSizeF(PointSize(role));
        font.setWeight(QFont::Normal);
        m_fonts[static_cast<std::size_t>(role)] = font;
    }
}

}  // namespace kelvora::ui
