// A window of another program as our programs see it: not ours, in the driver's place for a
// companion, and counting what it is sent.
#pragma once

#include <windows.h>

namespace e2e {

class ForeignWindow {
public:
    ForeignWindow();
    ~ForeignWindow();
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    HWND hwnd() const { return window_; }
    // WM_USER messages received; this thread's messages must flow for them to arrive.
    int userMessages() const { return userMessages_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    int userMessages_ = 0;
};

}  // namespace e2e
