#include "calibration_bench.h"

#include <cstdio>

#include "desktop.h"
#include "input.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

const char kTitle[] = " TouchScreen Control Panel #NX-COM";

void Phase(const char* name) {
    std::printf("phase %s\n", name);
    std::fflush(stdout);
}

bool WaitsForTheFirstTouch(HWND window) {
    HWND prompt = FindControlByName(window, "lblMesg2");
    return prompt && IsWindowVisible(prompt) && WindowText(prompt).rfind("show on the ", 0) == 0;
}

}  // namespace

// Prints phase markers around a stretch with the control panel idle and one of equal length
// with its calibration window waiting for the first touch, for the caller to read the
// processor time of the whole prefix; then the touch reads the wait made.
int CalibrationBench(unsigned stretchMs) {
    SimDriver driver;
    driver.reset();
    CloseLeftoverWindows(kTitle, 0);
    Program panel("NXWLHCcp.exe");
    HWND main = WaitForTopWindow(kTitle);
    HWND button = main ? FindControlByName(main, "cmdCalibration") : nullptr;
    if (!button) {
        std::fprintf(stderr, "bench: the control panel did not come up\n");
        return 1;
    }
    Sleep(1000);
    Phase("idle");
    Sleep(stretchMs);
    HWND window = nullptr;
    PressUntil(button, [&] { return (window = FindTopWindow("Calibration")) != nullptr; });
    if (!window || !WaitUntil([&] { return WaitsForTheFirstTouch(window); })) {
        std::fprintf(stderr, "bench: the calibration window did not wait for a touch\n");
        return 1;
    }
    uint32_t readsBefore = driver.state().TouchReads;
    Phase("waiting");
    Sleep(stretchMs);
    uint32_t readsAfter = driver.state().TouchReads;
    Phase("end");
    std::printf("touch reads while waiting: %.0f per second\n",
                (readsAfter - readsBefore) * 1000.0 / stretchMs);
    PostMessageA(window, WM_CLOSE, 0, 0);  // ends the run as broken
    WaitForWindowGone(window);
    PostMessageA(main, WM_CLOSE, 0, 0);
    panel.waitForExit(5000);
    driver.reset();
    return 0;
}
