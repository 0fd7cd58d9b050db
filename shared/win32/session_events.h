// Sessions and displays as Windows reports them: the facts the portable decisions take, and the
// notifications a window registers for.
#pragma once

#include <windows.h>

#include <string>

#include "companions.h"
#include "sessions.h"

SessionFacts CurrentSessionFacts();

// What Windows tells of the window behind a handle the driver returned.
WindowFacts InspectWindow(int32_t handle);

struct PixelExtent {
    int width;
    int height;
};
// The primary display's current mode, in pixels; the screen metrics where Windows gives none.
PixelExtent PrimaryDisplayMode();

// Lock, unlock, disconnect and log-off reach the window as WM_WTSSESSION_CHANGE while it lives.
class SessionNotifications {
public:
    explicit SessionNotifications(HWND window);
    ~SessionNotifications();
    SessionNotifications(const SessionNotifications&) = delete;
    SessionNotifications& operator=(const SessionNotifications&) = delete;

private:
    HWND window_;
    bool registered_;
};

// Answers No to every question box of this thread with this title that is open now.
void AnswerOpenQuestionsNo(const std::string& title);
// A question box of this thread with this title that is open now, or null.
HWND FindOpenQuestion(const std::string& title);
