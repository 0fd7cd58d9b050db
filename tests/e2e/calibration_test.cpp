// Calibrating the touch screen with the control panel, the finger played by the driver.
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config_key.h"
#include "desktop.h"
#include "e2e_test.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

const char kTitle[] = " TouchScreen Control Panel #NX-COM";
const char kCaption[] = "Calibration";
const char kQuestionTitle[] = "TouchScreen Calibration";
const char kErrorTitle[] = "Touchscreen Calibration";
const char kNextStep[] = "PLEASE LIFT OFF TO NEXT STEP!";
const char kCompletion[] =
    "CALIBRATION IS COMPLETE.\r\rFor test, touch on the screen and check cursor position.\r"
    "To save new calibration, click Yes button.\rTo restore old calibration, click No button.";

std::string TextOf(HWND window, const char* name) {
    HWND control = FindControlByName(window, name);
    return control ? WindowText(control) : "<no " + std::string(name) + ">";
}

bool Shows(HWND window, const char* name) {
    HWND control = FindControlByName(window, name);
    return control && IsWindowVisible(control);
}


std::vector<std::string> LinesStartingWith(const std::vector<std::string>& log,
                                           const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& line : log)
        if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
    return found;
}

// The calibration state codes sent, in order. A hold that ends before four new samples came
// sends 3 and goes on; on a busy machine that may happen to a finger held still, so the tests
// that are not about it leave those out.
enum class Holds { Kept, LeftOut };
std::string StatesSent(const SimDriver& driver, Holds holds = Holds::LeftOut) {
    std::string states;
    for (const std::string& line :
         LinesStartingWith(driver.log(), "IOCTL_SET_CALIBRATION_STATE State=")) {
        std::string state = line.substr(line.find('=') + 1);
        if (state == "3" && holds == Holds::LeftOut) continue;
        states += (states.empty() ? "" : ",") + state;
    }
    return states;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n        " + line;
    return text;
}

std::string CalibrationLine(const DriverBlock& b) {
    return "IOCTL_SET_CALIBRATION CalXMin=" + std::to_string(b.CalXMin) +
           " CalXMid=" + std::to_string(b.CalXMid) + " CalXMax=" + std::to_string(b.CalXMax) +
           " CalYMin=" + std::to_string(b.CalYMin) + " CalYMid=" + std::to_string(b.CalYMid) +
           " CalYMax=" + std::to_string(b.CalYMax) +
           " PanelDirection=" + std::to_string(b.PanelDirection);
}

// Whether the pointer shows for the window in front.
bool CursorShows() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    return GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING) != 0;
}

struct Edges {
    int xMin, xMid, xMax, yMin, yMid, yMax, direction;
};

Edges EdgesOf(const DriverBlock& b) {
    return {b.CalXMin, b.CalXMid, b.CalXMax, b.CalYMin, b.CalYMid, b.CalYMax, b.PanelDirection};
}

std::string Describe(const Edges& e) {
    return std::to_string(e.xMin) + "/" + std::to_string(e.xMid) + "/" + std::to_string(e.xMax) +
           " " + std::to_string(e.yMin) + "/" + std::to_string(e.yMid) + "/" +
           std::to_string(e.yMax) + " dir " + std::to_string(e.direction);
}

struct Point {
    int x, y;
};

// The worked corner example: top-left, top-right, bottom-right, bottom-left.
const Point kCorners[] = {{100, 80}, {900, 84}, {904, 950}, {102, 946}};
const Edges kCornerEdges{88, 501, 915, 63, 515, 967, 0};
// The same panel at the middles of the edges: top, right, bottom, left.
const Point kEdgeMiddles[] = {{505, 90}, {905, 520}, {508, 940}, {98, 516}};

// The control panel on a freshly reset driver, its calibration method set, its main window up.
class Panel {
public:
    explicit Panel(DWORD method, const std::function<void(DriverBlock&)>& adjust = nullptr)
        : methodGuard_("CalibrationMode") {
        CloseLeftoverWindows(kTitle, 0);
        CloseLeftoverWindows(kCaption, 0);
        driver.reset();
        if (adjust) {
            DriverBlock block = driver.block();
            adjust(block);
            driver.putBlock(block);
        }
        WriteConfigNumber("CalibrationMode", method);
        program = std::make_unique<Program>("NXWLHCcp.exe");
        main = WaitForTopWindow(kTitle);
        before = driver.block();
    }
    ~Panel() {
        if (main && IsWindow(main)) PostMessageA(main, WM_CLOSE, 0, 0);
        if (program) program->waitForExit(5000);
        driver.reset();
    }

    // Clicks "&Calibration"; the calibration window once it shows.
    HWND openCalibration() {
        driver.clearLog();
        HWND button = FindControlByName(main, "cmdCalibration");
        Click(button);
        HWND window = WaitForTopWindow(kCaption, 3000);
        // under Wine the first click after the prefix has booted can be lost on its way
        if (!window && IsWindowVisible(main) && driver.log().empty()) {
            Click(button);
            window = WaitForTopWindow(kCaption);
        }
        calibration = window;
        return window;
    }

    bool showsPrompt(const std::string& targetName) const {
        return Shows(calibration, "lblMesg2") &&
               TextOf(calibration, "lblMesg2") == "show on the " + targetName + " of the screen";
    }

    // Touches the current target still at raw (x, y) until the reading is taken, then lifts.
    bool touchTarget(const char* name, Point at, int jitter = 0) {
        if (!(CHECK(WaitUntil([&] { return showsPrompt(name); })) << "the prompt for " << name))
            return false;
        driver.touch(at.x, at.y, jitter);
        bool taken = WaitUntil([&] {
            return Shows(calibration, "lblMesg3") && TextOf(calibration, "lblMesg3") == kNextStep;
        });
        driver.lift();
        return bool(CHECK(taken) << "the reading at " << name << " was taken");
    }

    bool backToMain() {
        return bool(CHECK(WaitForWindowGone(calibration)) << "the calibration window closes") &&
               bool(CHECK(WaitUntil([&] { return IsWindowVisible(main); }))
                    << "the main window comes back");
    }

    SimDriver driver;
    std::unique_ptr<Program> program;
    HWND main = nullptr;
    HWND calibration = nullptr;
    DriverBlock before{};

private:
    ConfigValueGuard methodGuard_;
};

}  // namespace

E2E_TEST(Calibration, FourCornersAnsweredYesKeepTheNewCalibration) {
    Panel panel(0);
    if (!CHECK(panel.main)) return;
    HWND window = panel.openCalibration();
    if (!(CHECK(window) << "\"&Calibration\" opens the calibration window")) return;
    CHECK(!IsWindowVisible(panel.main)) << "the main window hides";
    RECT frame;
    GetWindowRect(window, &frame);
    CHECK(frame.left == 0 && frame.top == 0 && frame.right == GetSystemMetrics(SM_CXSCREEN) &&
          frame.bottom == GetSystemMetrics(SM_CYSCREEN))
        << "the window covers the screen";
    CHECK(!(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION)) << "without a border";
    CHECK_EQ(TextOf(window, "lblResolution"), std::string("Resolution: 1024 X 768"));
    CHECK_EQ(TextOf(window, "lblHelp"), std::string("Press ESC key to break calibration"));
    CHECK_EQ(TextOf(window, "lblTitle"), std::string("TouchScreen Calibration"));
    HWND surface = FindControlByName(window, "picCalibration");
    if (!CHECK(surface)) return;
    CHECK(WaitUntil([&] { return PixelOf(surface, 15, 5) == RGB(0, 0, 0); }))
        << "the TOP-LEFT cross is crossed at (15, 15)";
    CHECK_EQ(PixelOf(surface, 0, 0), RGB(255, 0, 0)) << "in a red square from (0, 0)";
    CHECK_EQ(PixelOf(surface, 31, 31), RGB(255, 0, 0)) << "to (31, 31)";
    CHECK_EQ(PixelOf(surface, 16, 5), RGB(255, 255, 255));
    CHECK_EQ(TextOf(window, "lblMesg1"),
             std::string("Please touch on the center of Cross Mark that"));
    CHECK_EQ(TextOf(window, "LabelAction"), std::string("TOUCH"));
    CHECK(!Shows(window, "lblMesg3"));
    SaveScreenshot(window, "calibration_window");
    CHECK(WaitUntil([] { return !CursorShows(); })) << "no pointer while waiting for a touch";

    if (!panel.touchTarget("TOP-LEFT", kCorners[0])) return;
    CHECK(WaitUntil([&] { return PixelOf(surface, 1006, 5) == RGB(0, 0, 0); }))
        << "the TOP-RIGHT cross is 17 pixels from the right edge, at x 1006";
    CHECK_EQ(PixelOf(surface, 1008, 5), RGB(255, 255, 255)) << "not symmetric with the left";
    CHECK_EQ(PixelOf(surface, 990, 0), RGB(255, 0, 0));
    CHECK_EQ(PixelOf(surface, 15, 5), RGB(255, 255, 255)) << "the first cross is erased";
    if (!panel.touchTarget("TOP-RIGHT", kCorners[1])) return;
    CHECK(WaitUntil([&] { return PixelOf(surface, 1006, 760) == RGB(0, 0, 0); }))
        << "the DOWN-RIGHT cross at (1006, 750)";
    if (!panel.touchTarget("DOWN-RIGHT", kCorners[2])) return;
    if (!panel.touchTarget("DOWN-LEFT", kCorners[3])) return;

    MessageBoxInfo box;
    if (!CHECK(WaitForMessageBox(kQuestionTitle, box, panel.program->id()))) return;
    SaveScreenshot(box.handle, "calibration_question");
    CHECK_EQ(box.text, std::string(kCompletion));
    CHECK_EQ(box.icon, std::string("question"));
    CHECK(box.buttons == (std::vector<std::string>{"&Yes", "&No"}));
    CHECK(!IsWindowVisible(surface)) << "the grey window shows while the user tries";
    CHECK(CursorShows()) << "the pointer shows with the question";
    CHECK_EQ(Describe(EdgesOf(panel.driver.block())), Describe(kCornerEdges))
        << "the new calibration works while the question is open";
    CHECK_EQ(StatesSent(panel.driver), std::string("5,5,5,5,0"));
    AnswerMessageBox(box, "&Yes");
    if (!panel.backToMain()) return;
    CHECK_EQ(Describe(EdgesOf(panel.driver.block())), Describe(kCornerEdges)) << "Yes keeps it";
    CHECK(CursorShows()) << "the pointer is back with the main window";
    std::vector<std::string> sent = LinesStartingWith(panel.driver.log(), "IOCTL_SET_CALIBRATION ");
    CHECK(sent.size() == 1 && sent[0] == CalibrationLine(panel.driver.block()))
        << "sent once: " << (sent.empty() ? "nothing" : sent[0]);
    std::vector<std::string> rotation =
        LinesStartingWith(panel.driver.log(), "IOCTL_GET_SMI_WINDOW");
    CHECK_EQ(rotation.size(), size_t(1)) << "the rotation is asked for once";
}

E2E_TEST(Calibration, EdgeMiddlesAnsweredNoRestoreTheOldCalibration) {
    Panel panel(1);
    if (!CHECK(panel.main)) return;
    HWND window = panel.openCalibration();
    if (!CHECK(window)) return;
    HWND surface = FindControlByName(window, "picCalibration");
    CHECK(WaitUntil([&] { return PixelOf(surface, 511, 5) == RGB(0, 0, 0); }))
        << "the TOP cross on the vertical middle line, x 511";
    CHECK_EQ(PixelOf(surface, 513, 5), RGB(255, 255, 255));
    const char* names[] = {"TOP", "RIGHT", "DOWN", "LEFT"};
    for (int i = 0; i < 4; ++i)
        if (!panel.touchTarget(names[i], kEdgeMiddles[i], 2)) return;
    MessageBoxInfo box;
    if (!CHECK(WaitForMessageBox(kQuestionTitle, box, panel.program->id()))) return;
    Edges tried = EdgesOf(panel.driver.block());
    // a finger trembling by two raw units still gives the example's calibration within a unit
    CHECK(std::abs(tried.xMin - 85) <= 2 && std::abs(tried.xMax - 918) <= 2 &&
          std::abs(tried.yMin - 71) <= 2 && std::abs(tried.yMax - 958) <= 2)
        << "tried " << Describe(tried);
    AnswerMessageBox(box, "&No");
    if (!panel.backToMain()) return;
    CHECK_EQ(Describe(EdgesOf(panel.driver.block())), Describe(EdgesOf(panel.before)))
        << "No restores the calibration in force before";
    std::vector<std::string> sent = LinesStartingWith(panel.driver.log(), "IOCTL_SET_CALIBRATION ");
    CHECK(sent.size() == 2 && sent[1] == CalibrationLine(panel.before))
        << sent.size() << " calibrations sent";
    CHECK_EQ(StatesSent(panel.driver), std::string("5,5,5,5,0"));
}

E2E_TEST(Calibration, EscAsksFirstNoGoesOnYesBreaksOff) {
    Panel panel(0);
    if (!CHECK(panel.main)) return;
    HWND window = panel.openCalibration();
    if (!CHECK(window)) return;
    if (!CHECK(WaitUntil([&] { return panel.showsPrompt("TOP-LEFT"); }))) return;
    PressKey(VK_ESCAPE);
    MessageBoxInfo box;
    if (!CHECK(WaitForMessageBox(kQuestionTitle, box, panel.program->id()))) return;
    SaveScreenshot(box.handle, "calibration_break_question");
    CHECK_EQ(box.text, std::string("Are you sure you want to break calibration?"));
    CHECK_EQ(box.icon, std::string("question"));
    HWND no = FindControlByText(box.handle, "&No");
    CHECK(no && (GetWindowLongA(no, GWL_STYLE) & BS_DEFPUSHBUTTON)) << "No is the default";
    CHECK(!Shows(window, "picMesg") && !Shows(window, "lblHelp") && !Shows(window, "LabelAction"))
        << "the prompt hides while the question is open";
    CHECK_EQ(StatesSent(panel.driver), std::string("0"));
    AnswerMessageBox(box, "&No");
    CHECK(WaitUntil([&] { return Shows(window, "picMesg") && panel.showsPrompt("TOP-LEFT"); }))
        << "No goes on with the same target";
    CHECK(IsWindow(window));

    PressKey(VK_ESCAPE);
    if (!CHECK(WaitForMessageBox(kQuestionTitle, box, panel.program->id()))) return;
    AnswerMessageBox(box, "&Yes");
    if (!panel.backToMain()) return;
    CHECK(!WaitForMessageBox(kQuestionTitle, box, panel.program->id(), 300)) << "no more boxes";
    CHECK_EQ(StatesSent(panel.driver), std::string("0,0,4"));
    CHECK(LinesStartingWith(panel.driver.log(), "IOCTL_SET_CALIBRATION ").empty());
    CHECK_EQ(Describe(EdgesOf(panel.driver.block())), Describe(EdgesOf(panel.before)));
}

E2E_TEST(Calibration, AFingerLeftOnTheScreenIsWaitedForFirst) {
    Panel panel(0);
    if (!CHECK(panel.main)) return;
    panel.driver.touch(512, 384);
    HWND window = panel.openCalibration();
    if (!CHECK(window)) return;
    CHECK(WaitUntil([&] {
        return Shows(window, "lblMesg3") &&
               TextOf(window, "lblMesg3") == "PLEASE LIFT OFF TO START CALIBRATION!";
    }));
    HWND status = FindControlByName(window, "picStat");
    CHECK(WaitUntil([&] { return PixelOf(status, 3, 3) == RGB(255, 255, 0); }))
        << "the touch indicator is yellow";
    CHECK(!Shows(window, "lblMesg1"));
    CHECK(!Shows(window, "LabelAction")) << "no action label before the first cross";
    CHECK_EQ(StatesSent(panel.driver, Holds::Kept), std::string("3"));
    SaveScreenshot(window, "calibration_lift_off_first");
    panel.driver.lift();
    CHECK(WaitUntil([&] { return panel.showsPrompt("TOP-LEFT"); }));
    CHECK(WaitUntil([&] { return PixelOf(status, 3, 3) == RGB(255, 255, 255); }));
    PressKey(VK_ESCAPE);
    MessageBoxInfo box;
    if (CHECK(WaitForMessageBox(kQuestionTitle, box, panel.program->id())))
        AnswerMessageBox(box, "&Yes");
    panel.backToMain();
}

E2E_TEST(Calibration, AStuckFingerOrACloseRequestNeverTrapsTheUser) {
    {
        Panel panel(0);
        if (!CHECK(panel.main)) return;
        panel.driver.touch(512, 384);  // a finger, or a dead driver's last report, that stays
        HWND window = panel.openCalibration();
        if (!CHECK(window)) return;
        CHECK(WaitUntil(
            [&] { return TextOf(window, "lblMesg3").find("START") != std::string::npos; }));
        PressKey(VK_ESCAPE);
        MessageBoxInfo box;
        if (CHECK(WaitForMessageBox(kQuestionTitle, box, panel.program->id())))
            AnswerMessageBox(box, "&Yes");
        if (!(CHECK(WaitForWindowGone(window)) << "Esc and Yes end even the first lift-off wait"))
            return;
        CHECK(WaitUntil([&] { return IsWindowVisible(panel.main); }));
        CHECK(CursorShows()) << "with the pointer back";
        CHECK_EQ(StatesSent(panel.driver, Holds::Kept), std::string("3,0"));
        panel.driver.lift();
    }
    {
        Panel panel(0);
        if (!CHECK(panel.main)) return;
        HWND window = panel.openCalibration();
        if (!CHECK(window)) return;
        if (!CHECK(WaitUntil([&] { return panel.showsPrompt("TOP-LEFT"); }))) return;
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (!(CHECK(WaitForWindowGone(window)) << "a close request ends the run")) return;
        CHECK(WaitUntil([&] { return IsWindowVisible(panel.main); }));
        CHECK(CursorShows());
        CHECK_EQ(StatesSent(panel.driver), std::string("4")) << "as broken off";
        CHECK(LinesStartingWith(panel.driver.log(), "IOCTL_SET_CALIBRATION ").empty());
    }
}

E2E_TEST(Calibration, TwentySecondsWithoutATouchEndTheRunSilently) {
    Panel panel(0);
    if (!CHECK(panel.main)) return;
    HWND window = panel.openCalibration();
    if (!CHECK(window)) return;
    if (!CHECK(WaitUntil([&] { return panel.showsPrompt("TOP-LEFT"); }))) return;
    HWND home = FindControlByName(window, "picHome");
    RECT help, message, homeRect;
    GetWindowRect(FindControlByName(window, "lblHelp"), &help);
    GetWindowRect(FindControlByName(window, "picMesg"), &message);
    GetWindowRect(home, &homeRect);
    // the bar: two help-line heights below the help line, 200 pixels centred under the message
    int top = help.top - homeRect.top + 2 * (help.bottom - help.top);
    int left = message.left - homeRect.left + (message.right - message.left) / 2 - 100;
    auto stepIsRed = [&](int step) {
        COLORREF shown = PixelOf(home, left + 10 * step + 5, top + 5);
        return GetRValue(shown) > 200 && GetGValue(shown) < 60 && GetBValue(shown) < 60;
    };
    CHECK(WaitUntil([&] { return stepIsRed(0); }, 3000)) << "a red step after a second";
    CHECK(!stepIsRed(5)) << "one step a second, not all at once";
    CHECK(WaitUntil([&] { return stepIsRed(2); }, 5000)) << "the bar keeps filling";
    SaveScreenshot(window, "calibration_idle_bar");
    CHECK(WaitForWindowGone(window, 25000)) << "the run ends when the bar is full";
    MessageBoxInfo box;
    CHECK(!WaitForMessageBox(kQuestionTitle, box, panel.program->id(), 300)) << "silently";
    CHECK(WaitUntil([&] { return IsWindowVisible(panel.main); }));
    CHECK_EQ(StatesSent(panel.driver), std::string("4"));
    CHECK_EQ(Describe(EdgesOf(panel.driver.block())), Describe(EdgesOf(panel.before)));
}

E2E_TEST(Calibration, TheRightButtonToolHidesDuringTheRunAndShowsAfter) {
    CloseLeftoverWindows(" C-RBF", 0x100E);
    Panel panel(0, [](DriverBlock& block) {
        block.RightButtonEnable = 1;
        block.ButtonMode = 2;
    });
    if (!CHECK(panel.main)) return;
    Program tool("NXWLHCrb.exe");
    HWND toolWindow = WaitForTopWindow(" C-RBF");
    if (!(CHECK(toolWindow) << "the right-button tool runs")) return;
    CHECK(WaitUntil([&] {
        return panel.driver.windows().RightButtonHandle ==
               int32_t(reinterpret_cast<INT_PTR>(toolWindow));
    }));
    HWND window = panel.openCalibration();
    if (!CHECK(window)) return;
    CHECK(WaitUntil([&] { return !IsWindowVisible(toolWindow); })) << "hidden during the run";
    if (!CHECK(WaitUntil([&] { return panel.showsPrompt("TOP-LEFT"); }))) return;
    PressKey(VK_ESCAPE);
    MessageBoxInfo box;
    if (CHECK(WaitForMessageBox(kQuestionTitle, box, panel.program->id())))
        AnswerMessageBox(box, "&Yes");
    panel.backToMain();
    CHECK(WaitUntil([&] { return IsWindowVisible(toolWindow); })) << "shown again after";
    CHECK(LinesStartingWith(panel.driver.log(), "IOCTL_SET_BUTTON_MODE").empty())
        << "the tool is told, the driver's settings stay";
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(toolWindow, WM_USER, 0x100E, 0, SMTO_NORMAL, 5000, &answer);
    tool.waitForExit(5000);
}

E2E_TEST(Calibration, AutomaticRightButtonSwitchingIsSuspendedAndGivenBack) {
    Panel panel(0, [](DriverBlock& block) {
        block.RightButtonEnable = 1;
        block.ButtonMode = 4;
        block.RightButtonAuto = 1;
    });
    if (!CHECK(panel.main)) return;
    HWND window = panel.openCalibration();
    if (!CHECK(window)) return;
    CHECK(WaitUntil([&] { return panel.driver.block().RightButtonAuto == 0; }))
        << "switched to manual for the run";
    if (!CHECK(WaitUntil([&] { return panel.showsPrompt("TOP-LEFT"); }))) return;
    PressKey(VK_ESCAPE);
    MessageBoxInfo box;
    if (CHECK(WaitForMessageBox(kQuestionTitle, box, panel.program->id())))
        AnswerMessageBox(box, "&Yes");
    if (!panel.backToMain()) return;
    CHECK_EQ(int(panel.driver.block().RightButtonAuto), 1) << "automatic again";
    std::vector<std::string> sent = LinesStartingWith(panel.driver.log(), "IOCTL_SET_BUTTON_MODE");
    CHECK_EQ(sent.size(), size_t(2));
}

E2E_TEST(Calibration, TheSmiToolsRotationTurnsTheReadings) {
    const struct {
        const char* argument;
        int direction;
    } cases[] = {{"/ROTATE=2", 6}, {"/ROTATE=7", 0}};
    for (const auto& c : cases) {
        CloseLeftoverWindows("SMI Tool (simulated)", 0x200E);
        Panel panel(0);
        if (!CHECK(panel.main)) return;
        Program smi("NXWLHCvr.exe", c.argument);
        CHECK(WaitUntil([&] { return panel.driver.windows().SmiHandle != kNoWindow; }));
        HWND window = panel.openCalibration();
        if (!CHECK(window)) return;
        const char* names[] = {"TOP-LEFT", "TOP-RIGHT", "DOWN-RIGHT", "DOWN-LEFT"};
        bool collected = true;
        for (int i = 0; i < 4 && collected; ++i)
            collected = panel.touchTarget(names[i], kCorners[i]);
        if (!collected) return;
        MessageBoxInfo box;
        if (!(CHECK(WaitForMessageBox(kQuestionTitle, box, panel.program->id())) << c.argument))
            return;
        CHECK_EQ(int(panel.driver.block().PanelDirection), c.direction) << c.argument;
        AnswerMessageBox(box, "&Yes");
        panel.backToMain();
        DWORD_PTR answer = 0;
        HWND smiWindow = FindTopWindow("SMI Tool (simulated)");
        if (smiWindow)
            SendMessageTimeoutA(smiWindow, WM_USER, 0x200E, 0, SMTO_NORMAL, 5000, &answer);
        smi.waitForExit(5000);
    }
}

E2E_TEST(Calibration, RefusedReadingsShowTheirBoxAndChangeNothing) {
    const struct {
        const char* screenshot;
        Point touched[4];
        const char* text;
    } cases[] = {
        {"calibration_invalid_result",
         {{400, 400}, {600, 400}, {600, 600}, {400, 600}},
         "Invalid Result of Calibration! (1234)\r\n\r\nIt may be cause by that you have "
         "calibrated with touch on invalid position."},
        {"calibration_incorrect_direction",
         {{600, 600}, {600, 600}, {600, 600}, {600, 600}},
         "Incorrect Panel Direction! (11111111-11111111)\r\n\r\nPlease checkout the pinout of "
         "your touch panel."},
    };
    for (const auto& c : cases) {
        Panel panel(0);
        if (!CHECK(panel.main)) return;
        HWND window = panel.openCalibration();
        if (!CHECK(window)) return;
        const char* names[] = {"TOP-LEFT", "TOP-RIGHT", "DOWN-RIGHT", "DOWN-LEFT"};
        for (int i = 0; i < 4; ++i)
            if (!panel.touchTarget(names[i], c.touched[i])) return;
        MessageBoxInfo box;
        if (!(CHECK(WaitForMessageBox(kErrorTitle, box, panel.program->id())) << c.screenshot))
            return;
        SaveScreenshot(box.handle, c.screenshot);
        CHECK_EQ(box.text, std::string(c.text));
        CHECK_EQ(box.icon, std::string("stop"));
        CHECK(box.buttons == (std::vector<std::string>{"OK"}));
        CHECK(CursorShows()) << "the pointer shows with the box";
        AnswerMessageBox(box, "OK");
        if (!panel.backToMain()) return;
        CHECK(LinesStartingWith(panel.driver.log(), "IOCTL_SET_CALIBRATION ").empty())
            << "the driver keeps its calibration";
        CHECK_EQ(Describe(EdgesOf(panel.driver.block())), Describe(EdgesOf(panel.before)));
        CHECK_EQ(StatesSent(panel.driver), std::string("5,5,5,5")) << Joined(panel.driver.log());
    }
}
