#pragma once
// The one window of Kelvora, "Form1".
//
//   control table --CreateControl--> widgets (objectName = control name)
//   calculators' table --per page--> wiring, Enter keys, marks, stale
//       tracking, screen-reader names, sheet offers, focus chain
//   widgets --WidgetControls--> click layers in calc/ --> one result caption
//
// The opening page is made with the window; every other page the first time
// it is shown or one of its controls is asked for. The widgets are the
// program's only state: values pass between the steps of a calculation as
// the captions on screen.

#include <QWidget>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/binding/widget_controls.h"
#include "ui/layout/control_table.h"
#include "ui/layout/fonts.h"

namespace kelvora::ui {

class StaleTracker;
class TabPagePlacer;

class MainWindow : public QWidget {
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The widget of a control, or nullptr for a name the window lacks. A
    // control of a page not made yet is made, with its page, first.
    QWidget* control(ControlName name);

protected:
    // Lots in a batch window that were not exported are asked about first.
    void closeEvent(QCloseEvent* event) override;

private:
    void MakeRow(const ControlRow& row);
    void BuildPage(int page);
    void AttachPage(int page);
    void SetFocusOrder();
    void CentreOnScreen();

    FontSet m_fonts;
    ControlLookup m_find;
    std::unordered_map<std::string_view, QWidget*> m_widgets;
    std::vector<bool> m_built;  // per tab page
    TabPagePlacer* m_placer = nullptr;
    QStyle* m_frameStyle = nullptr;
    StaleTracker* m_stale = nullptr;
    std::unique_ptr<WidgetControls> m_controls;
};

}  // namespace kelvora::ui

using kelvora::ui::MainWindow;
