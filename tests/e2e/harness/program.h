// Starting our programs the way Windows would and watching them end.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace e2e {

// The installation folder the environment was prepared with (the configuration key's
// InstallPath), without a trailing backslash.
std::string InstallPath();
std::string WindowsFolder();
bool FileExists(const std::string& path);

class Program {
public:
    // Starts "<installation folder>\<file>" (or an absolute path) with the arguments given.
    explicit Program(const std::string& file, const std::string& arguments = "");
    ~Program();  // a program still running when its test ends is ended
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return id_; }
    bool running() const;
    // Waits for the end; true with the exit code when it ended in time.
    bool waitForExit(unsigned timeoutMs, DWORD* exitCode = nullptr);
    void kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The program shows its box titled so with this text and icon within boxTimeoutMs and,
// answered OK, ends within timeoutMs.
testing::AssertionResult EndsAfterBox(Program& program, const std::string& title,
                                      const std::string& text, unsigned timeoutMs = 10000,
                                      const std::string& icon = "stop",
                                      unsigned boxTimeoutMs = 10000);

// Runs a console program to its end and collects what it printed; false when it did not end.
bool RunConsole(const std::string& commandLine, std::string& output, DWORD& exitCode,
                unsigned timeoutMs = 15000);

}  // namespace e2e
