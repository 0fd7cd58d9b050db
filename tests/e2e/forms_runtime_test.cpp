// The forms runtime when a window's own code fails: the probe's handlers throw or ask for a
// control the table lacks; each failure is told to the debugger and the window goes on working.
#include <windows.h>

#include <string>
#include <vector>

#include "debug_output.h"
#include "desktop.h"
#include "input.h"
#include "e2e_test.h"
#include "program.h"
#include "wait.h"

using namespace e2e;

namespace {

// The probe is built beside the runner.
std::string ProbePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\')) + "\\forms_probe.exe";
}

// Clicks the button and returns what the probe then told the debugger.
std::vector<std::string> ClickAndRead(const Program& probe, HWND window, const char* button) {
    Press(FindControlByName(window, button));
    std::vector<std::string> lines;
    WaitUntil([&] { return !(lines = TakeDebugOutput(probe.id())).empty(); });
    return lines;
}

}  // namespace

TEST(FormsRuntime, AFailingHandlerIsRecordedAndTheWindowGoesOnWorking) {
    Program probe(ProbePath());
    HWND window = probe.started() ? WaitForTopWindow("Forms Probe") : nullptr;
    ASSERT_TRUE(window) << "the probe shows";
    std::vector<std::string> lines = ClickAndRead(probe, window, "cmdThrow");
    EXPECT_TRUE(lines == std::vector<std::string>{"NXForms failure: frmProbe.cmdThrow Click: "
                                                  "the probe's handler failed"})
        << "the exception is recorded with its window, control and event";
    HWND count = FindControlByName(window, "lblCount");
    Press(FindControlByName(window, "cmdCount"));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(count) == "1"; })) << "the window still works";

    // item(), on(), raise() and controlArray() in turn
    for (const char* name : {"lblCuont", "cmdCuont", "cmdCuont", "optCuont"}) {
        lines = ClickAndRead(probe, window, "cmdMisspelt");
        EXPECT_TRUE(lines == std::vector<std::string>{"NXForms failure: frmProbe.cmdMisspelt "
                                                      "Click: no control " +
                                                      std::string(name) + " in frmProbe"})
            << "a name the table lacks stops the handler with the name " << name;
    }
    PressKey('C', true);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(count) == "2"; }))
        << "and the keyboard still works";
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(probe.waitForExit(5000, &exitCode) && exitCode == 0) << "the probe ends normally";
}
