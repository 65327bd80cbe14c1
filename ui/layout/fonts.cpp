#include "ui/layout/fonts.h"

#include <QFontDatabase>
#include <span>
#include <string_view>

#include "ui/common/qt_text.h"

namespace kelvora::ui {
namespace {

constexpr std::string_view kSongTi[] = {
    "宋体",
    "SimSun",
    "NSimSun",
    "Noto Serif CJK SC",
    "Source Han Serif SC",
    "AR PL UMing CN",
    "WenQuanYi Zen Hei",
};
constexpr std::string_view kYaoTi[] = {
    "方正姚体",           "FZYaoTi",           "STXinwei", "华文新魏", "Noto Sans CJK SC",
    "Source Han Sans SC", "WenQuanYi Zen Hei",
};
constexpr std::string_view kInterface[] = {
    "Microsoft YaHei UI", "Microsoft YaHei",   "Noto Sans CJK SC",
    "Source Han Sans SC", "WenQuanYi Zen Hei", "PingFang SC",
};

struct RoleFont {
    FontRole role;
    qreal points;
    std::span<const std::string_view> families;
    // Whether the texts need shaping. The prompts are Han characters only,
    // which draw the same glyphs unshaped, and shaping them in the serif face
    // would load its large layout tables; Latin text (the title) needs kerning.
    bool shaped;
};

// In the order of FontRole.
constexpr std::array<RoleFont, 5> kRoleFonts{{
    {FontRole::Default, 9, kInterface, true},
    {FontRole::Prompt, 10.5, kSongTi, false},
    {FontRole::Result, 12, kSongTi, true},
    {FontRole::Title, 21.75, kYaoTi, true},
    {FontRole::Credit, 9, kYaoTi, true},
}};

const RoleFont& Row(FontRole role)
{
    return kRoleFonts[static_cast<std::size_t>(role)];
}

}  // namespace

QStringList WantedFamilies(FontRole role)
{
    QStringList families;
    for (std::string_view family : Row(role).families) {
        families.append(ToQString(family));
    }
    return families;
}

FontSet::FontSet()
{
    const QStringList installed = QFontDatabase::families();
    for (const RoleFont& row : kRoleFonts) {
        QFont font;
        for (const QString& family : WantedFamilies(row.role)) {
            if (installed.contains(family, Qt::CaseInsensitive)) {
                font.setFamilies({family});
                break;
            }
        }
        font.setPointSizeF(row.points);
        font.setWeight(QFont::Normal);
        if (!row.shaped) {
            font.setStyleStrategy(QFont::PreferNoShaping);
        }
        m_fonts[static_cast<std::size_t>(row.role)] = font;
    }
}

}  // namespace kelvora::ui
