#pragma once
// The window as data: every control of Form1 with its name, kind, container,
// geometry in twips, initial content, font and colour. MainWindow builds
// its widgets from this table alone; tests check the widgets against it.
//
//   kControls --MainWindow--> widgets named after their controls
//
// Positions are relative to the container (the window, the tab control, or
// a frame); children of SSTab1 also name the page they stand on.

#include <cstdint>
#include <span>
#include <string_view>

namespace kelvora::ui {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int TwipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

enum class ControlKind {
    TitleLabel,   // sizes itself to its text
    TabControl,   // pages from kTabCaptions
    Frame,        // a captioned group box
    PromptLabel,  // names an input or result; sizes itself to its text
    ResultLabel,  // red, grows to the right from a fixed left edge
    NoticeLabel,  // fixed width, wraps
    LinkLabel,    // sizes itself to its text, pointing hand, clickable
    CreditLabel,  // sizes itself to its text
    TextBox,
    ComboBox,
    CheckBox,
    OptionButton,
    Shape,  // blue outline box behind a result label
    Button,
    DatePicker,
};

enum class FontRole {
    Default,  // the window's user-interface font
    Prompt,   // 宋体 10.5 pt
    Result,   // 宋体 12 pt
    Title,    // 方正姚体 21.75 pt
    Credit,   // 方正姚体 9 pt
};

// A colour as the layout writes it: 0x00BBGGRR (blue, green, red bytes).
struct Colour {
    bool set;
    std::uint32_t bgr;
};
inline constexpr Colour kDefaultColour{false, 0};
inline constexpr Colour kRed{true, 0x000000FF};
inline constexpr Colour kBlue{true, 0x00FF0000};
inline constexpr Colour kLightBlue{true, 0x00FF8080};

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view container;
    int page;                      // tab page for children of SSTab1, otherwise -1
    int left, top, width, height;  // twips
    std::string_view content;      // caption or text; for a combo box its text
    FontRole font;
    Colour colour;
};

inline constexpr std::string_view kWindowName = "Form1";
inline constexpr std::string_view kWindowTitle = "Kelvora V2.0";
inline constexpr int kClientWidthTwips = 7155;
inline constexpr int kClientHeightTwips = 7695;

inline constexpr std::string_view kTabControlName = "SSTab1";
inline constexpr int kInitialTab = 1;

std::span<const std::string_view> TabCaptions();
// Combo1 lists the tender type texts of calc/tender_fee.h.
std::span<const ControlSpec> ControlSpecs();
// Names in the order the Tab key visits them.
std::span<const std::string_view> FocusOrder();
// (prompt label, the input it names)
struct Buddy {
    std::string_view label;
    std::string_view input;
};
std::span<const Buddy> Buddies();

// Pickers start on 2009-02-06 and accept 1601-01-01 .. 9999-12-31.
struct CivilDay {
    int year, month, day;
};
inline constexpr CivilDay kPickerInitial{2009, 2, 6};
inline constexpr CivilDay kPickerMinimum{1601, 1, 1};
inline constexpr CivilDay kPickerMaximum{9999, 12, 31};
inline constexpr std::string_view kPickerFormat = "yyyy/M/d";

}  // namespace kelvora::ui
