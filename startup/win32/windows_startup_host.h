// The startup program's decisions bound to Windows: the pointer settings and what the log-on
// run asks of the system.
#pragma once

#include <windows.h>

#include <string>

#include "double_click_settings.h"
#include "driver_channel.h"
#include "logon_run.h"

class WindowsPointerSettings : public PointerSettings {
public:
    bool set(uint32_t action, int32_t value) override;
    DoubleClickSettings current() override;
};

class WindowsStartupHost : public StartupHost {
public:
    explicit WindowsStartupHost(const std::string& programFolder) : programFolder_(programFolder) {}

    DriverChannel& driver() { return driver_; }

    bool openDriver() override;
    void reportOpenFailure() override;
    void closeDriver() override;
    bool startSmiTool() override;
    bool startRightButtonTool() override;
    bool isRightButtonTool(int32_t handle) override;
    bool atPhysicalConsole() override;
    void notify(int32_t handle, CompanionNotification notification) override;
    ScreenPixels screenSize() override;
    void showError(const std::string& text) override;
    uint32_t timeOfDayMilliseconds() override;
    void pauseWithEvents(uint32_t milliseconds) override;

private:
    std::string programFolder_;
    DriverChannel driver_;
};
