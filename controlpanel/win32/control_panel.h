// The control panel's program-wide state, owned by its main window: the installation facts,
// the branding, the name tables, the driver with the program's DriverBlock, and the one
// window open over the hidden main window.
#pragma once

#include <memory>
#include <string>

#include "branding.h"
#include "child_window.h"
#include "config_store.h"
#include "driver_channel.h"
#include "form.h"
#include "name_tables.h"
#include "registry_win32.h"
#include "startup_trace.h"

struct ControlPanel {
    StartupTrace trace;  // first, so that it marks the start before anything else runs
    ProgramConfig config;
    Win32Registry registry;
    Branding branding;
    NameTables names;
    DriverChannel driver;
    DriverBlock block{};
    std::string vendorBitmapPath;
    forms::Form* main = nullptr;  // frmMain
    ChildWindowSlot child;

    enum class Order { ShowThenHide, HideThenShow };
    // Hourglass; the window shown modeless and the main window hidden, in the order the
    // window asks for; default pointer.
    void openOverMain(std::unique_ptr<ChildWindow> window, Order order = Order::ShowThenHide);
    // Sets one of the main window's status lines, as the dialogs do on Apply.
    void setStatusLine(const char* label, const std::string& text);
};
