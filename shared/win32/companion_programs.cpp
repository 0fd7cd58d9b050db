#include "companion_programs.h"

#include <windows.h>

#include "trusted_folder.h"
#include "wide_text.h"
#include "session_events.h"

namespace {

constexpr DWORD kStartIdleTimeoutMs = 30000;

bool Start(const std::string& folder, const char* file, WORD show) {
    std::string commandLine = ProgramCommandLine(folder, file);
    if (commandLine.empty()) return false;
    // the program named exactly, never found by a search of the command line's words
    std::wstring program = WideFromUtf8(FileInFolder(folder, file));
    std::wstring line = WideFromUtf8(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return false;
    CloseHandle(started.hThread);
    // as WinExec does: back once the program waits for input, or after its time-out
    WaitForInputIdle(started.hProcess, kStartIdleTimeoutMs);
    CloseHandle(started.hProcess);
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
