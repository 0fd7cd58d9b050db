#include "program_start.h"

#include "wide_text.h"

HANDLE StartProgram(const std::string& program, const std::string& commandLine, WORD show) {
    std::wstring path = WideFromUtf8(program);
    std::wstring line = WideFromUtf8(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.empty() ? nullptr : path.c_str(), &line[0], nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &started))
        return nullptr;
    CloseHandle(started.hThread);
    return started.hProcess;
}
