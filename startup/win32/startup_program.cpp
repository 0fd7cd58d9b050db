#include "startup_program.h"

#include "message_boxes.h"
#include "startup_texts.h"
#include "window_helpers.h"

StartupProgram::~StartupProgram() {
    if (instanceMutex_) CloseHandle(instanceMutex_);
}

bool StartupProgram::anotherInstanceRuns(forms::Form& window) {
    SetLastError(0);
    instanceMutex_ = CreateMutexA(nullptr, FALSE, "NXWLHCao.StartupProgram.Instance");
    if (instanceMutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS) return false;
    HWND running = FindRunningWindow(window.hwnd(), window.caption());
    if (running) {
        SetForegroundWindow(running);
        BringWindowToTop(running);
    } else {
        ShowErrorBox(kStartupAlreadyRunningText, window.caption());
    }
    return true;
}

bool StartupProgram::loadInstallation(const std::string& caption) {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    bool installed = LoadInstallInfo(registry, config);
    if (installed) return true;
    forms::SetScreenPointer(forms::Pointer::Default);
    ShowErrorBox(kStartupRegisterFileText, caption);
    return false;
}
