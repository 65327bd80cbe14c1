#pragma once
// The window as data: every control of Form1 with its name, kind, container,
// geometry in twips, initial content, font and colour. MainWindow builds
// its widgets from this table alone; tests check the widgets against it.
//
//   kControls --MainWindow--> widgets named after their controls
//
// Positions are relative to the container (the window, the tab control, or
// a frame); children of SSTab1 also name the page they stand on.

#include <QRgb>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/control_roles.h"
#include "calc/typed_date.h"

// The version, from the project's CMake version, as "2.0".
#ifndef KELVORA_VERSION
#error "KELVORA_VERSION is set by the build"
#endif

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
    BatchEntry,      // a flat link to the page's batch window, no Tab stop (Ctrl+B)
    TermsEntry,      // a flat link to the fee terms' dialog, no Tab stop (Ctrl+T)
    TimetableEntry,  // a flat link to the tender's timetable, no Tab stop (Ctrl+D)
};

enum class FontRole {
    Default,  // the window's user-interface font
    Prompt,   // 宋体 10.5 pt
    Result,   // 宋体 12 pt
    Title,    // 方正姚体 21.75 pt
    Credit,   // 方正姚体 9 pt
};

// Text colours; kDefaultColour (fully transparent) leaves the style's own.
inline constexpr QRgb kDefaultColour = 0;
inline constexpr QRgb kRed = qRgb(0xFF, 0x00, 0x00);
inline constexpr QRgb kBlue = qRgb(0x00, 0x00, 0xFF);
inline constexpr QRgb kLightBlue = qRgb(0x80, 0x80, 0xFF);

// A row of the control table.
struct ControlRow {
    ControlName name;
    ControlKind kind;
    ControlName container;
    int page;                      // tab page for children of SSTab1, otherwise -1
    int left, top, width, height;  // twips
    std::string_view content;      // caption or text (a combo box lists its input's entries)
    FontRole font;
    QRgb colour;
};

// "Kelvora V2.0": the title of the window and of its first line.
#define KELVORA_TITLE "Kelvora V" KELVORA_VERSION
inline constexpr std::string_view kWindowTitle = KELVORA_TITLE;
inline constexpr int kClientWidthTwips = 7155;
inline constexpr int kClientHeightTwips = 7695;

inline constexpr int kInitialTab = 1;

std::span<const std::string_view> TabCaptions();
// Combo1 lists the entries of its input in the calculators' table.
std::span<const ControlRow> ControlRows();

// The row of a control, or nullptr.
const ControlRow* RowOf(ControlName name);

// The caption a button (or an option) shows, without padding blanks.
std::string ButtonCaption(ControlName button);

// The tab page a control stands on (through its frames), or -1 for the
// controls of the window itself.
int PageOf(ControlName name);

// Names in the order the Tab key visits them: the controls that take the
// focus, in the table's order, then the tab control.
const std::vector<ControlName>& FocusOrder();

// Pickers start on 2009-02-06 and accept the days of calc/typed_date.h.
inline constexpr CivilDay kPickerInitial{2009, 2, 6};
inline constexpr CivilDay kPickerMinimum = kFirstPickableDay;
inline constexpr CivilDay kPickerMaximum = kLastPickableDay;
inline constexpr std::string_view kPickerFormat = "yyyy/M/d";

}  // namespace kelvora::ui
