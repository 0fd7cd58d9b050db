// frmSerialPort: the device detection view, and the main window's button that opens it.
#pragma once

#include "child_window.h"
#include "control_panel.h"
#include "form.h"

class SerialPortView : public ChildWindow {
public:
    explicit SerialPortView(ControlPanel& panel);
    bool open() override;

private:
    void render();
    void onOK();
    void onSetup();

    ControlPanel& panel_;
    forms::Form form_;
    ChildWindowSlot resources_;  // the COM port resources dialog, opened over this view
};

// cmdSerialPort's click opens the view over the main window.
void BindSerialPortView(ControlPanel& panel, forms::Form& main);
