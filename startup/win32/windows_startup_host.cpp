#include "windows_startup_host.h"

#include "companion_programs.h"
#include "message_boxes.h"
#include "message_loop.h"
#include "session_events.h"
#include "startup_texts.h"

bool WindowsPointerSettings::set(uint32_t action, int32_t value) {
    return SystemParametersInfoA(action, UINT(value), nullptr, SPIF_SENDCHANGE) != FALSE;
}

DoubleClickSettings WindowsPointerSettings::current() {
    return {int32_t(GetDoubleClickTime()), GetSystemMetrics(SM_CXDOUBLECLK),
            GetSystemMetrics(SM_CYDOUBLECLK)};
}

bool WindowsStartupHost::openDriver() {
    return driver_.OpenTouchDriver();
}

void WindowsStartupHost::reportOpenFailure() {
    ReportOpenFailure(kStartupProgramTitle);
}

void WindowsStartupHost::closeDriver() {
    driver_.CloseTouchDriver();
}

bool WindowsStartupHost::startSmiTool() {
    return StartSmiTool(programFolder_);
}

bool WindowsStartupHost::startRightButtonTool() {
    return StartRightButtonTool(programFolder_);
}

bool WindowsStartupHost::isRightButtonTool(int32_t handle) {
    return IsCompanionWindow(handle, Companion::RightButtonTool);
}

bool WindowsStartupHost::atPhysicalConsole() {
    return AtPhysicalConsole(CurrentSessionFacts());
}

void WindowsStartupHost::notify(int32_t handle, CompanionNotification notification) {
    SendCompanionNotification(handle, notification);
}

ScreenPixels WindowsStartupHost::screenSize() {
    PixelExtent mode = PrimaryDisplayMode();
    return {mode.width, mode.height};
}

void WindowsStartupHost::showError(const std::string& text) {
    ShowErrorBox(text, kStartupProgramTitle);
}

uint32_t WindowsStartupHost::timeOfDayMilliseconds() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ((uint32_t(now.wHour) * 60 + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
}

void WindowsStartupHost::pauseWithEvents(uint32_t milliseconds) {
    forms::PauseWithEvents(milliseconds);
}
