// frmMain: the banner of the log-on run, and with "/SDC" the double-click configuration.
#pragma once

#include <windows.h>

#include "child_window.h"
#include "double_click_model.h"
#include "form.h"
#include "startup_program.h"
#include "windows_startup_host.h"

class StartupWindow {
public:
    explicit StartupWindow(StartupProgram& program);
    ~StartupWindow();

    // The load step; false when the program is to end (a box has said why, or the running
    // instance was brought forward).
    bool load();
    // The log-on run behind the banner; returns when it is over.
    void runLogon();
    forms::Form& form() { return form_; }

private:
    void layOutConfiguration(const DoubleClickSettings& stored);
    void hideConfiguration();  // Shape1, Frame1 and Frame2: the banner shows the title band alone
    void bindEvents();
    void render();
    void onSlider(DoubleClickSlider slider);
    void onApply();
    void onOK();
    void onAbout();

    StartupProgram& program_;
    forms::Form form_;
    DoubleClickModel model_;
    WindowsPointerSettings pointer_;
    ChildWindowSlot about_;
    HBITMAP lampOff_ = nullptr;
    HBITMAP lampOn_ = nullptr;
    bool rendering_ = false;
};
