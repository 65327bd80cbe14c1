#include "ui/control_table.h"

#include <array>

namespace kelvora::ui {
namespace {

using K = ControlKind;
using F = FontRole;

constexpr std::array<std::string_view, 4> kTabCaptions{
    "招标代理费计算器",
    "工程监理取费计算器",
    "工期计算器",
    "关于",
};

// Shapes come before the result labels they frame, so the labels draw on top.
// clang-format off
constexpr std::array kControls{
    // name        kind             container  page  left  top   width height content                          font        colour
    ControlSpec{"Label23", K::TitleLabel,  "Form1",  -1, 1080,    0, 4815,  495, "Kelvora V2.0",             F::Title,   kLightBlue},
    ControlSpec{"SSTab1",  K::TabControl,  "Form1",  -1,    0,  600, 7140, 7095, "",                         F::Default, kDefaultColour},

    // page 0: tender agency fee
    ControlSpec{"Frame1",  K::Frame,       "SSTab1",  0,  120,  360, 6855, 6255, "(单位:万元)",               F::Default, kDefaultColour},
    ControlSpec{"Label24", K::CreditLabel, "SSTab1",  0, 4560, 6720, 2160,  210, "Kelvora 开发组 · 版本 2.0", F::Credit,  kBlue},
    ControlSpec{"Label2",  K::PromptLabel, "Frame1", -1,  600,  840,  840,  210, "中标金额",                  F::Prompt,  kDefaultColour},
    ControlSpec{"Text1",   K::TextBox,     "Frame1", -1, 1680,  840, 1695,  270, "",                         F::Default, kDefaultColour},
    ControlSpec{"Label3",  K::PromptLabel, "Frame1", -1,  600, 1800,  840,  210, "服务类型",                  F::Prompt,  kDefaultColour},
    ControlSpec{"Combo1",  K::ComboBox,    "Frame1", -1, 1680, 1800, 1695,  300, "工程招标",                  F::Default, kDefaultColour},
    ControlSpec{"Check1",  K::CheckBox,    "Frame1", -1,  600, 2640, 3015,  375, "单独提供编制招标文件服务",   F::Prompt,  kDefaultColour},
    ControlSpec{"Label6",  K::PromptLabel, "Frame1", -1,  600, 3600, 2100,  210, "招标代理服务收费金额",       F::Prompt,  kDefaultColour},
    ControlSpec{"Shape1",  K::Shape,       "Frame1", -1, 4680, 3480, 1215,  495, "",                         F::Default, kBlue},
    ControlSpec{"Label5",  K::ResultLabel, "Frame1", -1, 5040, 3600,  120,  240, "",                         F::Result,  kRed},
    ControlSpec{"Command1", K::Button,     "Frame1", -1,  600, 4800, 5415,  375, "计算",                      F::Default, kDefaultColour},

    // page 1: supervision fee
    ControlSpec{"Frame2",  K::Frame,       "SSTab1",  1,  120,  360, 6855, 6255, "(单位:万元)",               F::Default, kDefaultColour},
    ControlSpec{"Label1",  K::PromptLabel, "Frame2", -1,  360,  360,  630,  210, "计费额",                    F::Prompt,  kDefaultColour},
    ControlSpec{"Text2",   K::TextBox,     "Frame2", -1, 1200,  345, 1215,  270, "",                         F::Default, kDefaultColour},
    ControlSpec{"Label4",  K::PromptLabel, "Frame2", -1, 2520,  360,  840,  210, "收费基价",                  F::Prompt,  kDefaultColour},
    ControlSpec{"Shape2",  K::Shape,       "Frame2", -1, 3720,  240, 1575,  495, "",                         F::Default, kBlue},
    ControlSpec{"Label15", K::ResultLabel, "Frame2", -1, 4200,  360,  120,  240, "",                         F::Result,  kRed},
    ControlSpec{"Command10", K::Button,    "Frame2", -1,  240,  960, 3015,  375, "计算基价",                  F::Default, kDefaultColour},
    ControlSpec{"Label7",  K::PromptLabel, "Frame2", -1,  240, 1800, 1260,  210, "专业调整系数",              F::Prompt,  kDefaultColour},
    ControlSpec{"Text4",   K::TextBox,     "Frame2", -1, 1680, 1800, 1095,  270, "",                         F::Default, kDefaultColour},
    ControlSpec{"Label8",  K::PromptLabel, "Frame2", -1,  240, 2520, 1260,  210, "工程复杂程度",              F::Prompt,  kDefaultColour},
    ControlSpec{"Option1", K::OptionButton, "Frame2", -1, 2040, 2520,  735,  255, "一般",                     F::Prompt,  kDefaultColour},
    ControlSpec{"Option2", K::OptionButton, "Frame2", -1, 3240, 2520,  975,  255, "较复杂",                   F::Prompt,  kDefaultColour},
    ControlSpec{"Option3", K::OptionButton, "Frame2", -1, 4680, 2520,  975,  255, "复杂",                     F::Prompt,  kDefaultColour},
    ControlSpec{"Label9",  K::PromptLabel, "Frame2", -1,  240, 3120, 2100,  210, "工程复杂程度调整系数",       F::Prompt,  kDefaultColour},
    ControlSpec{"Shape3",  K::Shape,       "Frame2", -1, 3720, 3000, 1575,  495, "",                         F::Default, kBlue},
    ControlSpec{"Label10", K::ResultLabel, "Frame2", -1, 4320, 3120,  120,  240, "",                         F::Result,  kRed},
    ControlSpec{"Label12", K::PromptLabel, "Frame2", -1,  240, 3720, 1260,  210, "高程调整系数",              F::Prompt,  kDefaultColour},
    ControlSpec{"Text3",   K::TextBox,     "Frame2", -1, 1680, 3720, 1095,  270, "",                         F::Default, kDefaultColour},
    ControlSpec{"Command2", K::Button,     "Frame2", -1,  240, 4320, 3015,  375, "工程监理服务收费基准价",     F::Default, kDefaultColour},
    ControlSpec{"Shape4",  K::Shape,       "Frame2", -1, 3720, 4320, 1575,  495, "",                         F::Default, kBlue},
    ControlSpec{"Label11", K::ResultLabel, "Frame2", -1, 4200, 4440,  120,  240, "",                         F::Result,  kRed},
    ControlSpec{"Label13", K::PromptLabel, "Frame2", -1,  240, 5160, 1050,  210, "浮动幅度值",                F::Prompt,  kDefaultColour},
    ControlSpec{"Text5",   K::TextBox,     "Frame2", -1, 1680, 5160, 1095,  270, "",                         F::Default, kDefaultColour},
    ControlSpec{"Command3", K::Button,     "Frame2", -1,  240, 5640, 3015,  375, " 监理取费",                 F::Default, kDefaultColour},
    ControlSpec{"Shape5",  K::Shape,       "Frame2", -1, 3720, 5640, 1575,  495, "",                         F::Default, kBlue},
    ControlSpec{"Label14", K::ResultLabel, "Frame2", -1, 4320, 5760,  120,  240, "",                         F::Result,  kRed},

    // page 2: construction period
    ControlSpec{"Frame3",  K::Frame,       "SSTab1",  2,  120,  360, 6855, 6255, "日历日",                    F::Default, kDefaultColour},
    ControlSpec{"Label17", K::PromptLabel, "Frame3", -1,  960,  960, 1260,  210, "选择开工日期",              F::Prompt,  kDefaultColour},
    ControlSpec{"DTPicker1", K::DatePicker, "Frame3", -1, 2760,  960, 1695,  270, "",                        F::Default, kDefaultColour},
    ControlSpec{"Label18", K::PromptLabel, "Frame3", -1,  960, 2040, 1260,  210, "选择竣工日期",              F::Prompt,  kDefaultColour},
    ControlSpec{"DTPicker2", K::DatePicker, "Frame3", -1, 2760, 2040, 1695,  270, "",                        F::Default, kDefaultColour},
    ControlSpec{"Label19", K::PromptLabel, "Frame3", -1,  960, 2880,  420,  210, "工期",                      F::Prompt,  kDefaultColour},
    ControlSpec{"Shape6",  K::Shape,       "Frame3", -1, 2760, 2760, 1695,  495, "",                         F::Default, kBlue},
    ControlSpec{"Label16", K::ResultLabel, "Frame3", -1, 3360, 2880,  120,  240, "",                         F::Result,  kRed},
    ControlSpec{"Command4", K::Button,     "Frame3", -1,  960, 4320, 3735,  375, "计算",                      F::Default, kDefaultColour},

    // page 3: about
    ControlSpec{"Frame4",  K::Frame,       "SSTab1",  3,  360,  840, 6375, 5295, "关于 Kelvora V2.0",         F::Default, kDefaultColour},
    ControlSpec{"Label20", K::NoticeLabel, "Frame4", -1,  360,  840, 5415,  420,
                "招标代理服务收费、工程监理取费和工期计算器。\n所有金额的单位均为万元。",                     F::Default, kDefaultColour},
    ControlSpec{"Label21", K::NoticeLabel, "Frame4", -1,  360, 1560, 4935, 1335,
                "招标代理费按差额定率累进计算；监理取费先按收费基价表插值得出基价，"
                "再乘以各调整系数得出基准价，最后计入浮动幅度；工期为两个日期之间的日历天数。"
                "计算结果依据收费标准得出，仅作参考，以合同约定为准。",                                      F::Default, kDefaultColour},
    ControlSpec{"Label22", K::LinkLabel,   "Frame4", -1, 4080, 4320, 2010,  180, "单击程序说明,在线留言",      F::Default, kDefaultColour},
};
// clang-format on

constexpr std::array<std::string_view, 18> kFocusOrder{
    "Text1", "Combo1",   "Check1",    "Command1",  "Text2",    "Command10",
    "Text4", "Option1",  "Option2",   "Option3",   "Text3",    "Command2",
    "Text5", "Command3", "DTPicker1", "DTPicker2", "Command4", "SSTab1",
};

constexpr std::array<Buddy, 8> kBuddies{{
    {"Label2", "Text1"},
    {"Label3", "Combo1"},
    {"Label1", "Text2"},
    {"Label7", "Text4"},
    {"Label12", "Text3"},
    {"Label13", "Text5"},
    {"Label17", "DTPicker1"},
    {"Label18", "DTPicker2"},
}};

}  // namespace

std::span<const std::string_view> TabCaptions()
{
    return kTabCaptions;
}
std::span<const ControlSpec> ControlSpecs()
{
    return kControls;
}
std::span<const std::string_view> FocusOrder()
{
    return kFocusOrder;
}
std::span<const Buddy> Buddies()
{
    return kBuddies;
}

}  // namespace kelvora::ui
