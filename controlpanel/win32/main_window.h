// frmMain: the control panel's start window and hub.
#pragma once

#include <windows.h>

#include "control_panel.h"
#include "form.h"

class MainWindow {
public:
    explicit MainWindow(ControlPanel& panel);
    ~MainWindow();

    // The start-up sequence; false when the program is to end (a box has said why).
    bool load();
    forms::Form& form() { return form_; }

private:
    bool isSecondInstance();
    int layOutRows();  // the rows' controls; returns the twips the window loses
    void fillStatusLines();
    void fillCalibrationList();
    void bindEvents();
    void onCalibrationListClick();
    void onSupport();
    void onAbout();

    ControlPanel& panel_;
    forms::Form form_;
    HANDLE instanceMutex_ = nullptr;
};
