#include "program.h"

#include "desktop.h"
#include "wait.h"

namespace e2e {

std::string WindowsFolder() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string InstallPath() {
    char path[MAX_PATH] = {};
    DWORD size = sizeof path - 1;
    DWORD type = 0;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Brinvale\\TouchScreen\\NX-COM", 0, KEY_READ,
                      &key) == ERROR_SUCCESS) {
        if (RegQueryValueExA(key, "InstallPath", nullptr, &type, reinterpret_cast<BYTE*>(path),
                             &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            path[0] = '\0';
        RegCloseKey(key);
    }
    return path;
}

Program::Program(const std::string& file, const std::string& arguments) {
    bool absolute = file.size() > 2 && file[1] == ':';
    std::string path = absolute ? file : InstallPath() + "\\" + file;
    std::string commandLine = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

Program::~Program() {
    if (process_ == nullptr) return;
    if (running()) kill();
    CloseHandle(process_);
}

bool Program::running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Program::waitForExit(unsigned timeoutMs, DWORD* exitCode) {
    if (process_ == nullptr) return false;
    bool ended = WaitUntil([&] { return !running(); }, timeoutMs);
    if (ended && exitCode) GetExitCodeProcess(process_, exitCode);
    return ended;
}

void Program::kill() {
    if (process_ == nullptr) return;
    TerminateProcess(process_, 255);
    WaitForSingleObject(process_, 5000);
}

testing::AssertionResult EndsAfterBox(Program& program, const std::string& title,
                                      const std::string& text, unsigned timeoutMs,
                                      const std::string& icon, unsigned boxTimeoutMs) {
    MessageBoxInfo box;
    if (!WaitForMessageBox(title, box, program.id(), boxTimeoutMs))
        return testing::AssertionFailure() << "no box says \"" << text << "\"";
    testing::AssertionResult result = testing::AssertionSuccess();
    if (box.text != text || box.icon != icon)
        result = testing::AssertionFailure()
                 << "the box says \"" << box.text << "\" with the icon " << box.icon;
    AnswerMessageBox(box, "OK");
    if (!program.waitForExit(timeoutMs))
        return testing::AssertionFailure() << "the program did not end after \"" << text << "\"";
    return result;
}

bool RunConsole(const std::string& commandLine, std::string& output, DWORD& exitCode,
                unsigned timeoutMs) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    BOOL started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                  nullptr, nullptr, &startup, &info);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return false;
    }
    output.clear();
    auto drain = [&] {
        DWORD available = 0;
        char chunk[4096];
        while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            DWORD got = 0;
            if (!ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) || got == 0) break;
            output.append(chunk, got);
        }
    };
    bool ended = WaitUntil(
        [&] {
            drain();
            return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    drain();
    CloseHandle(readEnd);
    if (!ended) TerminateProcess(info.hProcess, 255);
    GetExitCodeProcess(info.hProcess, &exitCode);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    // console programs under Wine write CR LF; tests compare plain lines
    std::string plain;
    for (char c : output)
        if (c != '\r') plain += c;
    output = plain;
    return ended;
}

}  // namespace e2e
