#include "single_instance.h"

#include "window_helpers.h"

SingleInstance::SingleInstance(const char* mutexName) {
    SetLastError(0);
    mutex_ = CreateMutexA(nullptr, FALSE, mutexName);
    anotherRuns_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
    if (mutex_) CloseHandle(mutex_);
}

bool BringRunningInstanceForward(HWND ownWindow, const std::string& caption) {
    HWND running = FindRunningWindow(ownWindow, caption);
    if (!running) return false;
    SetForegroundWindow(running);
    BringWindowToTop(running);
    return true;
}
