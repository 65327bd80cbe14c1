#include "ui/layout/control_table.h"

#include <array>

#include "calc/decimal_text.h"
#include "calc/supervision_fee.h"

namespace kelvora::ui {
namespace {

using K = ControlKind;
using F = FontRole;
using Row = ControlRow;

constexpr auto kTabCaptions = std::to_array<std::string_view>({
    "招标代理费计算器",
    "工程监理取费计算器",
    "工期计算器",
    "关于",
});

constexpr std::string_view kBatchEntryText = "批量计算（Ctrl+B）…";
constexpr std::string_view kTermsEntryText = "收费条件（Ctrl+T）…";
constexpr std::string_view kTimetableEntryText = "招标时间安排（Ctrl+D）…";

// Shapes come before the result labels they frame, so the labels draw on top.
// clang-format off
constexpr std::array kControls{
    //  name                               kind            container              page  left   top width height content, font, colour
    Row{role::kTitle,                       K::TitleLabel,  role::kWindow,         -1, 1080,    0, 4815,  495, KELVORA_TITLE, F::Title, kLightBlue},
    Row{role::kTabs,                        K::TabControl,  role::kWindow,         -1,    0,  600, 7140, 7095, "", F::Default, kDefaultColour},

    // page 0: tender agency fee
    Row{role::kTenderFrame,                 K::Frame,       role::kTabs,            0,  120,  360, 6855, 6255, "(单位:万元)", F::Default, kDefaultColour},
    Row{role::kCredit,                      K::CreditLabel, role::kTabs,            0, 4560, 6720, 2160,  210, "Kelvora 开发组 · 版本 " KELVORA_VERSION, F::Credit, kBlue},
    Row{role::kTenderAmountPrompt,          K::PromptLabel, role::kTenderFrame,    -1,  600,  840,  840,  210, "中标金额", F::Prompt, kDefaultColour},
    Row{role::kTenderAmount,                K::TextBox,     role::kTenderFrame,    -1, 1680,  840, 1695,  270, "", F::Default, kDefaultColour},
    Row{role::kTenderTypePrompt,            K::PromptLabel, role::kTenderFrame,    -1,  600, 1800,  840,  210, "服务类型", F::Prompt, kDefaultColour},
    Row{role::kTenderType,                  K::ComboBox,    role::kTenderFrame,    -1, 1680, 1800, 1695,  300, "", F::Default, kDefaultColour},
    Row{role::kDocumentService,             K::CheckBox,    role::kTenderFrame,    -1,  600, 2640, 3015,  375, "单独提供编制招标文件服务", F::Prompt, kDefaultColour},
    Row{role::kTenderFeePrompt,             K::PromptLabel, role::kTenderFrame,    -1,  600, 3600, 2100,  210, "招标代理服务收费金额", F::Prompt, kDefaultColour},
    Row{role::kTenderFeeBox,                K::Shape,       role::kTenderFrame,    -1, 4680, 3480, 1215,  495, "", F::Default, kBlue},
    Row{role::kTenderFee,                   K::ResultLabel, role::kTenderFrame,    -1, 5040, 3600,  120,  240, "", F::Result, kRed},
    Row{role::kTenderCalculate,             K::Button,      role::kTenderFrame,    -1,  600, 4800, 5415,  375, "计算", F::Default, kDefaultColour},
    Row{role::kTenderChargePrompt,          K::PromptLabel, role::kTenderFrame,    -1,  600, 5640, 1050,  210, "应收代理费", F::Prompt, kDefaultColour},
    Row{role::kTenderChargeBox,             K::Shape,       role::kTenderFrame,    -1, 4680, 5520, 1215,  495, "", F::Default, kBlue},
    Row{role::kTenderCharge,                K::ResultLabel, role::kTenderFrame,    -1, 5040, 5640,  120,  240, "", F::Result, kRed},
    Row{role::kTenderBatch,                 K::BatchEntry,  role::kTabs,            0,  240, 6690, 2400,  300, kBatchEntryText, F::Default, kBlue},
    Row{role::kTermsEntry,                  K::TermsEntry,  role::kTabs,            0, 2520, 6690, 1980,  300, kTermsEntryText, F::Default, kBlue},

    // page 1: supervision fee
    Row{role::kSupervisionFrame,            K::Frame,       role::kTabs,            1,  120,  360, 6855, 6255, "(单位:万元)", F::Default, kDefaultColour},
    Row{role::kFeeBasisPrompt,              K::PromptLabel, role::kSupervisionFrame,   -1,  360,  360,  630,  210, "计费额", F::Prompt, kDefaultColour},
    Row{role::kFeeBasis,                    K::TextBox,     role::kSupervisionFrame,   -1, 1200,  345, 1215,  270, "", F::Default, kDefaultColour},
    Row{role::kBasePricePrompt,             K::PromptLabel, role::kSupervisionFrame,   -1, 2520,  360,  840,  210, "收费基价", F::Prompt, kDefaultColour},
    Row{role::kBasePriceBox,                K::Shape,       role::kSupervisionFrame,   -1, 3720,  240, 1575,  495, "", F::Default, kBlue},
    Row{role::kBasePrice,                   K::ResultLabel, role::kSupervisionFrame,   -1, 4200,  360,  120,  240, "", F::Result, kRed},
    Row{role::kBasePriceCalculate,          K::Button,      role::kSupervisionFrame,   -1,  240,  960, 3015,  375, "计算基价", F::Default, kDefaultColour},
    Row{role::kDisciplinePrompt,            K::PromptLabel, role::kSupervisionFrame,   -1,  240, 1800, 1260,  210, "专业调整系数", F::Prompt, kDefaultColour},
    Row{role::kDiscipline,                  K::TextBox,     role::kSupervisionFrame,   -1, 1680, 1800, 1095,  270, "", F::Default, kDefaultColour},
    Row{role::kComplexityPrompt,            K::PromptLabel, role::kSupervisionFrame,   -1,  240, 2520, 1260,  210, "工程复杂程度", F::Prompt, kDefaultColour},
    Row{role::kComplexityGeneral,           K::OptionButton,role::kSupervisionFrame,   -1, 2040, 2520,  735,  255, kComplexityGrades[0].caption, F::Prompt, kDefaultColour},
    Row{role::kComplexityModerate,          K::OptionButton,role::kSupervisionFrame,   -1, 3240, 2520,  975,  255, kComplexityGrades[1].caption, F::Prompt, kDefaultColour},
    Row{role::kComplexityHigh,              K::OptionButton,role::kSupervisionFrame,   -1, 4680, 2520,  975,  255, kComplexityGrades[2].caption, F::Prompt, kDefaultColour},
    Row{role::kComplexityCoefficientPrompt, K::PromptLabel, role::kSupervisionFrame,   -1,  240, 3120, 2100,  210, "工程复杂程度调整系数", F::Prompt, kDefaultColour},
    Row{role::kComplexityCoefficientBox,    K::Shape,       role::kSupervisionFrame,   -1, 3720, 3000, 1575,  495, "", F::Default, kBlue},
    Row{role::kComplexityCoefficient,       K::ResultLabel, role::kSupervisionFrame,   -1, 4320, 3120,  120,  240, "", F::Result, kRed},
    Row{role::kElevationPrompt,             K::PromptLabel, role::kSupervisionFrame,   -1,  240, 3720, 1260,  210, "高程调整系数", F::Prompt, kDefaultColour},
    Row{role::kElevation,                   K::TextBox,     role::kSupervisionFrame,   -1, 1680, 3720, 1095,  270, "", F::Default, kDefaultColour},
    Row{role::kBenchmarkCalculate,          K::Button,      role::kSupervisionFrame,   -1,  240, 4320, 3015,  375, "工程监理服务收费基准价", F::Default, kDefaultColour},
    Row{role::kBenchmarkBox,                K::Shape,       role::kSupervisionFrame,   -1, 3720, 4320, 1575,  495, "", F::Default, kBlue},
    Row{role::kBenchmark,                   K::ResultLabel, role::kSupervisionFrame,   -1, 4200, 4440,  120,  240, "", F::Result, kRed},
    Row{role::kRangePrompt,                 K::PromptLabel, role::kSupervisionFrame,   -1,  240, 5160, 1050,  210, "浮动幅度值", F::Prompt, kDefaultColour},
    Row{role::kRange,                       K::TextBox,     role::kSupervisionFrame,   -1, 1680, 5160, 1095,  270, "", F::Default, kDefaultColour},
    Row{role::kChargedFeeCalculate,         K::Button,      role::kSupervisionFrame,   -1,  240, 5640, 3015,  375, " 监理取费", F::Default, kDefaultColour},
    Row{role::kChargedFeeBox,               K::Shape,       role::kSupervisionFrame,   -1, 3720, 5640, 1575,  495, "", F::Default, kBlue},
    Row{role::kChargedFee,                  K::ResultLabel, role::kSupervisionFrame,   -1, 4320, 5760,  120,  240, "", F::Result, kRed},
    Row{role::kSupervisionBatch,            K::BatchEntry,  role::kTabs,            1,  240, 6690, 2400,  300, kBatchEntryText, F::Default, kBlue},

    // page 2: construction period
    Row{role::kPeriodFrame,                 K::Frame,       role::kTabs,            2,  120,  360, 6855, 6255, "日历日", F::Default, kDefaultColour},
    Row{role::kStartPrompt,                 K::PromptLabel, role::kPeriodFrame,    -1,  960,  960, 1260,  210, "选择开工日期", F::Prompt, kDefaultColour},
    Row{role::kStartDate,                   K::DatePicker,  role::kPeriodFrame,    -1, 2760,  960, 1695,  270, "", F::Default, kDefaultColour},
    Row{role::kCompletionPrompt,            K::PromptLabel, role::kPeriodFrame,    -1,  960, 2040, 1260,  210, "选择竣工日期", F::Prompt, kDefaultColour},
    Row{role::kCompletionDate,              K::DatePicker,  role::kPeriodFrame,    -1, 2760, 2040, 1695,  270, "", F::Default, kDefaultColour},
    Row{role::kPeriodPrompt,                K::PromptLabel, role::kPeriodFrame,    -1,  960, 2880,  420,  210, "工期", F::Prompt, kDefaultColour},
    Row{role::kPeriodBox,                   K::Shape,       role::kPeriodFrame,    -1, 2760, 2760, 1695,  495, "", F::Default, kBlue},
    Row{role::kPeriod,                      K::ResultLabel, role::kPeriodFrame,    -1, 3360, 2880,  120,  240, "", F::Result, kRed},
    Row{role::kPeriodCalculate,             K::Button,      role::kPeriodFrame,    -1,  960, 4320, 3735,  375, "计算", F::Default, kDefaultColour},
    Row{role::kPeriodBatch,                 K::BatchEntry,  role::kTabs,            2,  240, 6690, 2400,  300, kBatchEntryText, F::Default, kBlue},
    Row{role::kTimetableEntry,              K::TimetableEntry, role::kTabs,         2, 2520, 6690, 2520,  300, kTimetableEntryText, F::Default, kBlue},

    // page 3: about
    Row{role::kAboutFrame,                  K::Frame,       role::kTabs,            3,  360,  840, 6375, 5295, "关于 " KELVORA_TITLE, F::Default, kDefaultColour},
    Row{role::kAboutNotice, K::NoticeLabel, role::kAboutFrame, -1,  360,  840, 5415,  420,
                "招标代理服务收费、工程监理取费和工期计算器。\n所有金额的单位均为万元。",                     F::Default, kDefaultColour},
    Row{role::kMethodNotice, K::NoticeLabel, role::kAboutFrame, -1,  360, 1560, 4935, 1335,
                "招标代理费按差额定率累进计算；监理取费先按收费基价表插值得出基价，"
                "再乘以各调整系数得出基准价，最后计入浮动幅度；工期为两个日期之间的日历天数。"
                "计算结果依据收费标准得出，仅作参考，以合同约定为准。",                                      F::Default, kDefaultColour},
    Row{role::kWebLink,                     K::LinkLabel,   role::kAboutFrame,     -1, 4080, 4320, 2010,  180, "单击程序说明,在线留言", F::Default, kDefaultColour},
};
// clang-format on

}  // namespace

std::span<const std::string_view> TabCaptions()
{
    return kTabCaptions;
}

std::span<const ControlRow> ControlRows()
{
    return kControls;
}

const ControlRow* RowOf(ControlName name)
{
    for (const ControlRow& row : kControls) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

std::string ButtonCaption(ControlName button)
{
    const ControlRow* row = RowOf(button);
    return row != nullptr ? std::string(Trimmed(row->content)) : std::string();
}

int PageOf(ControlName name)
{
    for (const ControlRow* row = RowOf(name); row != nullptr; row = RowOf(row->container)) {
        if (row->container == role::kTabs) {
            return row->page;
        }
    }
    return -1;
}

const std::vector<ControlName>& FocusOrder()
{
    // Page by page, as the table lists them; Tab skips the pages not shown,
    // so it goes round the current page and the tab bar.
    static const std::vector<ControlName> order = [] {
        std::vector<ControlName> names;
        for (const ControlRow& row : kControls) {
            switch (row.kind) {
                case ControlKind::TextBox:
                case ControlKind::ComboBox:
                case ControlKind::CheckBox:
                case ControlKind::OptionButton:
                case ControlKind::Button:
                case ControlKind::DatePicker:
                case ControlKind::LinkLabel:
                    names.push_back(row.name);
                    break;
                default:
                    break;
            }
        }
        names.push_back(role::kTabs);
        return names;
    }();
    return order;
}

}  // namespace kelvora::ui
