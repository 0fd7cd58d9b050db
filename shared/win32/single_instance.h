// The claim that makes a program the only one of its kind: a named mutex, held while the object
// lives.
#pragma once

#include <windows.h>

#include <string>

class SingleInstance {
public:
    explicit SingleInstance(const char* mutexName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another instance made the claim first.
    bool anotherRuns() const { return anotherRuns_; }

private:
    HANDLE mutex_ = nullptr;
    bool anotherRuns_ = false;
};

// Brings the running instance's window, found by the caption all its windows bear, to the
// foreground and the top; false when none is found.
bool BringRunningInstanceForward(HWND ownWindow, const std::string& caption);
