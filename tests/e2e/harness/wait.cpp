#include "wait.h"

#include <windows.h>

#include <atomic>

namespace e2e {
namespace {

// the runner's watchdog may clear them from a thread of its own
std::atomic<ULONGLONG> gDeadline{0};
std::atomic<void (*)()> gOverdue{nullptr};

void PumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Whether the running test's time is up; the first wait to find it so says so.
bool TimeIsUp() {
    ULONGLONG deadline = gDeadline;
    if (deadline == 0 || GetTickCount64() < deadline) return false;
    if (void (*overdue)() = gOverdue.exchange(nullptr)) overdue();
    return true;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs) {
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline || TimeIsUp()) return condition();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpPending();
    }
}

void PumpFor(unsigned milliseconds) {
    ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < deadline && !TimeIsUp(); now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(deadline - now), QS_ALLINPUT);
        PumpPending();
    }
}

void SetWaitDeadline(unsigned long long deadline, void (*overdue)()) {
    gDeadline = deadline;
    gOverdue = overdue;
}

}  // namespace e2e
