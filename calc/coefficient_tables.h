#pragma once
// The fee standard's tables behind two of the supervision fee's inputs: the
// discipline adjustment coefficients by kind of project, and the elevation
// coefficients by band of altitude. The window offers them as lists beside
// the boxes; the boxes still take any typed value.
//
//   row chosen --value as printed--> Text4 / Text3

#include <array>
#include <string_view>

namespace kelvora {

struct CoefficientRow {
    std::string_view group;  // the kind of project; empty where the table has none
    std::string_view label;
    std::string_view value;  // as the standard prints it; empty: agreed between the parties
};

// clang-format off
inline constexpr std::array<CoefficientRow, 21> kDisciplineCoefficients{{
    {"矿山采选工程", "黑色、有色、黄金、化学、非金属及其他矿采选工程", "0.9"},
    {"矿山采选工程", "选煤及其他煤炭工程", "1.0"},
    {"矿山采选工程", "矿井工程、铀矿采选工程", "1.1"},
    {"加工冶炼工程", "冶炼工程", "0.9"},
    {"加工冶炼工程", "船舶水工工程", "1.0"},
    {"加工冶炼工程", "各类加工工程", "1.0"},
    {"加工冶炼工程", "核加工工程", "1.2"},
    {"石油化工工程", "石油工程", "0.9"},
    {"石油化工工程", "化工、石化、化纤、医药工程", "1.0"},
    {"石油化工工程", "核化工工程", "1.2"},
    {"水利电力工程", "风力发电、其他水利工程", "0.9"},
    {"水利电力工程", "火电工程、送变电工程", "1.0"},
    {"水利电力工程", "核能、水电、水库工程", "1.2"},
    {"交通运输工程", "机场道路、助航灯光工程", "0.9"},
    {"交通运输工程", "铁路、公路、城市道路、轻轨及机场空管工程", "1.0"},
    {"交通运输工程", "水运、地铁、桥梁、隧道、索道工程", "1.1"},
    {"建筑市政工程", "园林绿化工程", "0.8"},
    {"建筑市政工程", "建筑、人防、市政公用工程", "1.0"},
    {"建筑市政工程", "邮电、电信、广播电视工程", "1.0"},
    {"农业林业工程", "农业工程", "0.9"},
    {"农业林业工程", "林业工程", "0.9"},
}};

inline constexpr std::array<CoefficientRow, 5> kElevationCoefficients{{
    {"", "海拔 2000 m 及以下", "1"},
    {"", "海拔 2001～3000 m", "1.1"},
    {"", "海拔 3001～3500 m", "1.2"},
    {"", "海拔 3501～4000 m", "1.3"},
    {"", "海拔 4001 m 以上（由发包人和监理人协商确定）", ""},
}};
// clang-format on

// What the floating range box takes.
inline constexpr std::string_view kRangeHint =
    "浮动幅度值由发包人和监理人在 ±20% 范围内协商确定，按百分数输入，如 -20 或 15";

}  // namespace kelvora
