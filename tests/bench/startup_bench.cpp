#include "startup_bench.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "desktop.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Milliseconds from the start of the program until ready() holds, or -1.
double TimeToReady(const std::string& file, const std::function<HWND()>& ready) {
    double started = Now();
    Program program(file);
    HWND window = nullptr;
    if (!WaitUntil([&] { return (window = ready()) != nullptr; }, 20000)) return -1;
    double elapsed = Now() - started;
    PostMessageA(window, WM_CLOSE, 0, 0);
    program.waitForExit(5000);
    return elapsed;
}

}  // namespace

int StartupBench(int rounds) {
    SimDriver driver;
    driver.reset();
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string minimal(self);
    minimal = minimal.substr(0, minimal.find_last_of('\\')) + "\\minimal_window.exe";

    auto minimalReady = [] {
        HWND window = FindTopWindow("Minimal Window");
        return window && FindWindowExA(window, nullptr, "Static", "Ready") ? window : nullptr;
    };
    auto panelReady = [] {
        HWND window = FindTopWindow(" TouchScreen Control Panel #NX-COM");
        if (!window) return HWND(nullptr);
        HWND line = FindControlByName(window, "lblUsingDevice");
        return line && WindowText(line).rfind("COM1, ", 0) == 0 ? window : nullptr;
    };
    std::vector<double> floor, panel;
    TimeToReady(minimal, minimalReady);  // warm the caches for both
    TimeToReady("NXWLHCcp.exe", panelReady);
    for (int round = 0; round < rounds; ++round) {
        floor.push_back(TimeToReady(minimal, minimalReady));
        panel.push_back(TimeToReady("NXWLHCcp.exe", panelReady));
    }
    double minimalMs = Median(floor), panelMs = Median(panel);
    std::printf("minimal window shown: %.0f ms (median of %d)\n", minimalMs, rounds);
    std::printf("control panel with its status lines: %.0f ms (median of %d)\n", panelMs, rounds);
    std::printf("start-up ratio: %.2f (goal: 1.5 or less)\n", panelMs / minimalMs);
    return 0;
}
