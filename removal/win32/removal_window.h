// frmMain of the removal program: the one question, and the host of the removal itself.
#pragma once

#include <windows.h>

#include "branding.h"
#include "child_window.h"
#include "config_store.h"
#include "driver_channel.h"
#include "form.h"
#include "message_window.h"
#include "registry_win32.h"
#include "removal_sequence.h"

class RemovalWindow : private RemovalHost {
public:
    RemovalWindow();
    ~RemovalWindow() override;

    // The load step; false when the program is to end (a box has said why).
    bool load();

private:
    void layOut();
    void onYes();
    void onAbout();

    void hideQuestion() override;
    bool openDriver() override;
    void closeDriver() override;
    void notify(int32_t window, CompanionNotification notification) override;
    void showProgress(const std::string& text) override;
    void closeProgress() override;
    void pauseWithEvents(uint32_t milliseconds) override;
    bool startUninstaller(const std::string& commandLine) override;
    WaitResult waitForUninstaller(uint32_t milliseconds) override;
    void closeUninstaller() override;
    void deleteAtRestart(const std::string& path) override;
    void showFailure(const std::string& text) override;
    void showFinished(const std::string& text) override;
    bool restartWindows() override;

    forms::Form form_;
    ProgramConfig config_;
    Win32Registry registry_;
    Branding branding_;
    ChildWindowSlot about_;
    HBITMAP warning_ = nullptr;
    DriverChannel driver_;
    MessageWindow message_{kRemovalProgramTitle};
    HANDLE uninstaller_ = nullptr;
};
