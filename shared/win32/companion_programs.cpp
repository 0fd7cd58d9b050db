#include "companion_programs.h"

#include <windows.h>

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

void NotifyCompanion(DriverChannel& channel, CompanionNotification notification) {
    WindowRecord record{kNoWindow, 0, 0};
    if (notification == NOTIFY_SMI_QUIT) channel.GetSmiWindow(record);
    else channel.GetRightButtonWindow(record);
    if (record.Handle == kNoWindow) return;
    HWND window = reinterpret_cast<HWND>(WindowFromDriverHandle(record.Handle));
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_USER, notification, 0, SMTO_NORMAL, kCompanionTimeoutMs, &answer);
}
