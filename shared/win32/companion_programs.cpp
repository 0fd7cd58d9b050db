#include "companion_programs.h"

#include <windows.h>

#include "session_events.h"

namespace {

bool Start(const std::string& installPath, const char* file, UINT show) {
    std::string commandLine = ProgramCommandLine(installPath, file);
    return WinExec(commandLine.c_str(), show) >= 32;
}

}  // namespace

bool StartRightButtonTool(const std::string& installPath) {
    return Start(installPath, kRightButtonToolFile, SW_HIDE);
}

bool StartSmiTool(const std::string& installPath) {
    return Start(installPath, kSmiToolFile, SW_SHOWNORMAL);
}

bool IsCompanionWindow(int32_t window, Companion companion) {
    return CompanionWindowAccepted(companion, InspectWindow(window));
}

void SendCompanionNotification(int32_t window, CompanionNotification notification) {
    if (!IsCompanionWindow(window, CompanionOf(notification))) return;
    HWND target = reinterpret_cast<HWND>(WindowFromDriverHandle(window));
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(target, WM_USER, notification, 0, SMTO_NORMAL, kCompanionTimeoutMs,
                        &answer);
}

void NotifyCompanion(DriverPort& driver, CompanionNotification notification) {
    int32_t window = CompanionWindow(driver, notification);
    if (window != kNoWindow) SendCompanionNotification(window, notification);
}
