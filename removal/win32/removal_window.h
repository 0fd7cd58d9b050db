// frmMain of the removal program: the one question, then the removal itself.
#pragma once

#include <windows.h>

#include "branding.h"
#include "child_window.h"
#include "config_store.h"
#include "form.h"
#include "registry_win32.h"

class RemovalWindow {
public:
    RemovalWindow();
    ~RemovalWindow();

    // The load step; false when the program is to end (a box has said why).
    bool load();

private:
    void layOut();
    void onYes();
    void onAbout();
    bool runUninstaller();

    forms::Form form_;
    ProgramConfig config_;
    Win32Registry registry_;
    Branding branding_;
    ChildWindowSlot about_;
    HBITMAP warning_ = nullptr;
};
