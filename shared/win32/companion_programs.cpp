#include "companion_programs.h"

#include <windows.h>

#include "program_start.h"
#include "trusted_folder.h"
#include "session_events.h"

namespace {

constexpr DWORD kStartIdleTimeoutMs = 30000;

bool Start(const std::string& folder, const char* file, WORD show) {
    std::string commandLine = ProgramCommandLine(folder, file);
    if (commandLine.empty()) return false;
    HANDLE process = StartProgram(FileInFolder(folder, file), commandLine, show);
    if (!process) return false;
    // as WinExec does: back once the program waits for input, or after its time-out
    WaitForInputIdle(process, kStartIdleTimeoutMs);
    CloseHandle(process);
    return true;
}

}  // namespace

bool StartRightButtonTool(const std::string& programFolder) {
    return Start(programFolder, kRightButtonToolFile, SW_HIDE);
}

bool StartSmiTool(const std::string& programFolder) {
    return Start(programFolder, kSmiToolFile, SW_SHOWNORMAL);
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
