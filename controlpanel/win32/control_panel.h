// The control panel's program-wide state, owned by its main window: the portable state, the
// branding, the driver, and the one window open over the hidden main window.
#pragma once

#include <memory>
#include <string>

#include "branding.h"
#include "child_window.h"
#include "control_panel_state.h"
#include "driver_channel.h"
#include "form.h"
#include "registry_win32.h"
#include "startup_trace.h"

struct ControlPanel : ControlPanelState {
    StartupTrace trace;  // marks the start when the panel is made, before anything else runs
    Win32Registry registry;
    Branding branding;
    DriverChannel driver;
    forms::Form* main = nullptr;  // frmMain
    ChildWindowSlot child;

    enum class Order { ShowThenHide, HideThenShow };
    // Hourglass; the window shown modeless and the main window hidden, in the order the
    // window asks for; default pointer.
    void openOverMain(std::unique_ptr<ChildWindow> window, Order order = Order::ShowThenHide);
    // The main window back when a window over it closes; started with /CALIBRATE, the end.
    void returnToMain();
    // Sets one of the main window's status lines, as the dialogs do on Apply.
    void setStatusLine(const char* label, const std::string& text);
};
