#include "ui/fonts.h"

#include <QStringList>

namespace kelvora::ui {
namespace {

QStringList SongFamilies()
{
    return {
        "宋体",           "SimSun",           "NSimSun", "Noto Serif CJK SC", "Source Han Serif SC",
        "AR PL UMing CN", "WenQuanYi Zen Hei"};
}

QStringList YaoFamilies()
{
    return {"方正姚体",           "FZYaoTi",          "STXinwei", "华文新魏", "Noto Sans CJK SC",
            "Source Han Sans SC", "WenQuanYi Zen Hei"};
}

QStringList UiFamilies()
{
    return {"Microsoft YaHei UI", "Microsoft YaHei",   "Noto Sans CJK SC",
            "Source Han Sans SC", "WenQuanYi Zen Hei", "PingFang SC"};
}

QFont Make(const QStringList& families, qreal points)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

QFont FontFor(FontRole role)
{
    switch (role) {
        case FontRole::Prompt:
            return Make(SongFamilies(), 10.5);
        case FontRole::Result:
            return Make(SongFamilies(), 12);
        case FontRole::Title:
            return Make(YaoFamilies(), 21.75);
        case FontRole::Credit:
            return Make(YaoFamilies(), 9);
        case FontRole::Default:
            break;
    }
    return Make(UiFamilies(), 9);
}

}  // namespace kelvora::ui
