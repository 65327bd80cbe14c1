#pragma once
// The one window of Kelvora, "Form1".
//
//   control table --CreateControl--> widgets (objectName = control name)
//   widgets --WidgetControls--> click layers in calc/ --> one result caption
//   event table --WireEvents--> handlers, each run under the error report
//
// The widgets are the program's only state: values pass between the steps
// of a calculation as the captions on screen.

#include <QWidget>
#include <memory>

#include "ui/widget_controls.h"

namespace kelvora::ui {

class MainWindow : public QWidget {
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The widget of a control, or nullptr for a name the window lacks.
    QWidget* control(ControlName name) const;

private:
    QWidget* ContainerFor(ControlName container, int page);
    void SetFocusOrder();
    void SetBuddies();
    void AttachResultViews();
    void AttachInputAids();
    void CentreOnScreen();

    ControlMap m_widgets;
    std::unique_ptr<WidgetControls> m_controls;
};

}  // namespace kelvora::ui

using kelvora::ui::MainWindow;
