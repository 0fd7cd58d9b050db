// The startup program's world in memory: Windows' pointer settings and a host that record in
// one journal, in order, everything the program asked; the registry is registry_fake.h and the
// driver the simulated one (sim_driver_port.h).
#pragma once

#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "double_click_settings.h"
#include "logon_run.h"
#include "registry_fake.h"
#include "sim_driver_port.h"

// gtest shows the three numbers when a comparison fails
inline void PrintTo(const DoubleClickSettings& settings, std::ostream* out) {
    *out << "{" << settings.speed << ", " << settings.width << ", " << settings.height << "}";
}

namespace startup_fakes {

// Windows' pointer settings: what was set, and which actions fail.
struct FakePointer : PointerSettings {
    std::vector<std::string>* journal = nullptr;
    std::set<uint32_t> failing;
    DoubleClickSettings now{500, 4, 4};  // Wine's defaults

    bool set(uint32_t action, int32_t value) override {
        if (journal)
            journal->push_back("SPI " + std::to_string(action) + " " + std::to_string(value));
        if (failing.count(action)) return false;
        if (action == kSetDoubleClickWidth) now.width = value;
        if (action == kSetDoubleClickHeight) now.height = value;
        if (action == kSetDoubleClickTime) now.speed = value;
        return true;
    }
    DoubleClickSettings current() override { return now; }
};

struct FakeHost : StartupHost {
    std::vector<std::string>* journal = nullptr;
    bool driverOpens = true;
    bool smiStarts = true;
    bool toolStarts = true;
    std::set<int32_t> toolWindows;
    std::function<void()> whileChecking;  // what happens while a window is looked at
    ScreenPixels screen{1024, 768};
    uint32_t timeOfDay = 12 * 3600 * 1000;

    void note(const std::string& what) {
        if (journal) journal->push_back(what);
    }
    bool openDriver() override {
        note("open");
        return driverOpens;
    }
    void reportOpenFailure() override { note("box Fail to open NXWLHCOM.sys!"); }
    void closeDriver() override { note("close"); }
    bool startSmiTool() override {
        note("start NXWLHCvr.exe");
        return smiStarts;
    }
    bool startRightButtonTool() override {
        note("start NXWLHCrb.exe");
        return toolStarts;
    }
    bool console = true;
    bool atPhysicalConsole() override { return console; }
    bool isRightButtonTool(int32_t handle) override {
        if (whileChecking) whileChecking();
        return toolWindows.count(handle) != 0;
    }
    void notify(int32_t handle, CompanionNotification notification) override {
        note("notify " + std::to_string(handle) + " " + std::to_string(notification));
    }
    ScreenPixels screenSize() override { return screen; }
    void showError(const std::string& text) override { note("box " + text); }
    uint32_t timeOfDayMilliseconds() override { return timeOfDay; }
    void pauseWithEvents(uint32_t milliseconds) override {
        note("pause " + std::to_string(milliseconds));
    }
};

}  // namespace startup_fakes
