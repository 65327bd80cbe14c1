// The tables that name controls (controls, focus order, buddies, wiring)
// agree with each other: every name they use is a control of the kind its
// use needs. A fault here would otherwise only show when the window is made.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <set>

#include "calc/calculators.h"
#include "test_support.h"
#include "ui/binding/event_wiring.h"
#include "ui/layout/control_table.h"

namespace kelvora::ui {
namespace {

using K = ControlKind;

std::map<std::string_view, ControlKind> KindsByName()
{
    std::map<std::string_view, ControlKind> kinds;
    for (const ControlRow& row : ControlRows()) {
        kinds.emplace(row.name.str(), row.kind);
    }
    return kinds;
}

bool IsOneOf(ControlKind kind, std::initializer_list<ControlKind> kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

TEST(ControlTable, NamesAreUniqueAndContainersComeFirst)
{
    std::map<std::string_view, ControlKind> seen;
    for (const ControlRow& row : ControlRows()) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(seen.emplace(row.name.str(), row.kind).second) << "named twice";
        EXPECT_NE(row.name, role::kWindow);
        if (row.container == role::kWindow) {
            EXPECT_EQ(row.page, -1);
            continue;
        }
        const auto container = seen.find(row.container.str());
        ASSERT_NE(container, seen.end()) << "container not listed before " << row.container;
        EXPECT_TRUE(IsOneOf(container->second, {K::Frame, K::TabControl}));
        if (container->second == K::TabControl) {
            EXPECT_TRUE(row.page >= 0 && row.page < static_cast<int>(TabCaptions().size()));
        } else {
            EXPECT_EQ(row.page, -1);
        }
    }
}

TEST(ControlTable, FocusBuddyAndWiringTablesNameControlsOfTheRightKind)
{
    const auto kinds = KindsByName();
    const auto kindOf = [&](ControlName name) {
        const auto it = kinds.find(name.str());
        EXPECT_NE(it, kinds.end()) << name << " is not in the control table";
        return it == kinds.end() ? K::Shape : it->second;
    };
    for (ControlName name : FocusOrder()) {
        EXPECT_TRUE(IsOneOf(kindOf(name), {K::TextBox, K::ComboBox, K::CheckBox, K::OptionButton,
                                           K::Button, K::DatePicker, K::TabControl, K::LinkLabel}))
            << name << " cannot take the focus";
    }
    // The calculators' table: each name a control of the kind its part needs,
    // and each calculator on one page.
    for (const Calculator* calculator : Calculators()) {
        SCOPED_TRACE(calculator->id);
        EXPECT_EQ(kindOf(calculator->frame), K::Frame);
        const int page = PageOf(calculator->frame);
        EXPECT_GE(page, 0);
        for (const CalculatorStep& step : calculator->steps) {
            EXPECT_EQ(kindOf(step.result), K::ResultLabel) << step.result;
            EXPECT_EQ(kindOf(step.resultBox), K::Shape) << step.resultBox;
            EXPECT_TRUE(IsOneOf(kindOf(step.resultPrompt), {K::PromptLabel, K::Button}));
            ASSERT_FALSE(step.buttons.empty());
            for (ControlName button : step.buttons) {
                EXPECT_EQ(kindOf(button),
                          step.kind == StepKind::Choice ? K::OptionButton : K::Button)
                    << button;
                EXPECT_EQ(PageOf(button), page) << button;
            }
            for (const CalculatorInput& input : step.inputs) {
                const K expected[] = {K::TextBox,    K::TextBox,  K::TextBox,    K::ComboBox,
                                      K::DatePicker, K::CheckBox, K::ResultLabel};
                EXPECT_EQ(kindOf(input.control), expected[static_cast<int>(input.kind)])
                    << input.control;
                EXPECT_EQ(PageOf(input.control), page) << input.control;
                if (input.prompt != role::kNone) {
                    EXPECT_EQ(kindOf(input.prompt), K::PromptLabel) << input.prompt;
                }
                if (input.kind == InputKind::Result) {
                    EXPECT_NE(StepWriting(*calculator, input.control), nullptr) << input.control;
                }
            }
        }
    }
    for (const EventBinding& binding : EventBindings()) {
        const ControlKind kind = kindOf(binding.control);
        if (binding.event == ControlEvent::DoubleClick) {
            EXPECT_EQ(kind, K::TabControl) << binding.control;
        } else {
            EXPECT_TRUE(IsOneOf(kind, {K::Button, K::OptionButton, K::LinkLabel}))
                << binding.control;
        }
    }
}

}  // namespace
}  // namespace kelvora::ui
