// frmAutoScan: the port and device the automatic search is to use, stored on Apply.
#pragma once

#include "auto_scan_model.h"
#include "form.h"
#include "startup_program.h"

class AutoScanWindow {
public:
    explicit AutoScanWindow(StartupProgram& program);

    // Loads and shows the window; false when the program is to end (a box has said why).
    bool load();
    forms::Form& form() { return form_; }

private:
    void fillLists();
    void bindEvents();
    void render();
    void onSelection();
    void onApply();
    void onOK();

    StartupProgram& program_;
    forms::Form form_;
    AutoScanModel model_;
};
