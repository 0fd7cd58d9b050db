// Calibrating the touch screen with the control panel, the finger played by the driver.
#include <cstdlib>
#include <string>
#include <vector>

#include "config_key.h"
#include "control_panel_steps.h"
#include "foreign_window.h"

using namespace panel_steps;

namespace {

const char kCaption[] = "Calibration";
const char kQuestionTitle[] = "TouchScreen Calibration";
const char kErrorTitle[] = "Touchscreen Calibration";
const char kNextStep[] = "PLEASE LIFT OFF TO NEXT STEP!";
const char kCompletion[] =
    "CALIBRATION IS COMPLETE.\r\rFor test, touch on the screen and check cursor position.\r"
    "To save new calibration, click Yes button.\rTo restore old calibration, click No button.";

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
const char* const kCornerNames[] = {"TOP-LEFT", "TOP-RIGHT", "DOWN-RIGHT", "DOWN-LEFT"};

// The control panel with its calibration method set, the finger played by the driver.
class Calibration : public ControlPanelTest {
protected:
    HWND StartWith(DWORD method, const std::function<void(DriverBlock&)>& adjust = nullptr) {
        WriteConfigNumber("CalibrationMode", method);
        HWND started = Start(adjust);
        before = driver.block();
        return started;
    }

    // The panel started with the method and "&Calibration" clicked; the calibration window.
    HWND Open(DWORD method, const std::function<void(DriverBlock&)>& adjust = nullptr) {
        EXPECT_TRUE(StartWith(method, adjust)) << "the control panel starts";
        return main ? OpenCalibration() : nullptr;
    }

    // Clicks "&Calibration"; the calibration window once it shows.
    HWND OpenCalibration() {
        driver.clearLog();
        PressUntil(
            FindControlByName(main, "cmdCalibration"),
            [&] { return (calibration = FindTopWindow(kCaption)) != nullptr; }, kLeftButton,
            [&] { return driver.log().empty(); });
        return calibration;
    }

    bool ShowsPrompt(const std::string& targetName) const {
        return Shows(calibration, "lblMesg2") &&
               TextOf(calibration, "lblMesg2") == "show on the " + targetName + " of the screen";
    }

    // Touches the current target still at raw (x, y) until the reading is taken, then lifts.
    testing::AssertionResult TouchTarget(const char* name, Point at, int jitter = 0) {
        if (!WaitUntil([&] { return ShowsPrompt(name); }))
            return testing::AssertionFailure() << "no prompt for " << name;
        driver.touch(at.x, at.y, jitter);
        bool taken = WaitUntil([&] {
            return Shows(calibration, "lblMesg3") && TextOf(calibration, "lblMesg3") == kNextStep;
        });
        driver.lift();
        if (!taken)
            return testing::AssertionFailure() << "the reading at " << name << " was not taken";
        return testing::AssertionSuccess();
    }

    testing::AssertionResult BackToMain() {
        if (!WaitForWindowGone(calibration))
            return testing::AssertionFailure() << "the calibration window stays";
        if (!WaitUntil([&] { return IsWindowVisible(main); }))
            return testing::AssertionFailure() << "the main window does not come back";
        return testing::AssertionSuccess();
    }

    // Answers the question the run asks.
    testing::AssertionResult AnswerQuestion(const std::string& button) {
        MessageBoxInfo box;
        if (!WaitForMessageBox(kQuestionTitle, box, panel->id()))
            return testing::AssertionFailure() << "no question shows";
        AnswerMessageBox(box, button);
        return testing::AssertionSuccess();
    }

    testing::AssertionResult TouchAllCorners() {
        for (int i = 0; i < 4; ++i)
            if (testing::AssertionResult touched = TouchTarget(kCornerNames[i], kCorners[i]);
                !touched)
                return touched;
        return testing::AssertionSuccess();
    }

    HWND calibration = nullptr;
    DriverBlock before{};  // the block in force when the panel had started
    ConfigValueGuard method_{"CalibrationMode"};
};

}  // namespace

TEST_F(Calibration, FourCornersAnsweredYesKeepTheNewCalibration) {
    HWND window = Open(0);
    ASSERT_TRUE(window) << "\"&Calibration\" opens the calibration window";
    EXPECT_FALSE(IsWindowVisible(main)) << "the main window hides";
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_TRUE(frame.left == 0 && frame.top == 0 && frame.right == GetSystemMetrics(SM_CXSCREEN) &&
                frame.bottom == GetSystemMetrics(SM_CYSCREEN))
        << "the window covers the screen";
    EXPECT_FALSE((GetWindowLongA(window, GWL_STYLE) & WS_CAPTION)) << "without a border";
    EXPECT_EQ(TextOf(window, "lblResolution"), "Resolution: 1024 X 768");
    EXPECT_EQ(TextOf(window, "lblHelp"), "Press ESC key to break calibration");
    EXPECT_EQ(TextOf(window, "lblTitle"), "TouchScreen Calibration");
    HWND surface = FindControlByName(window, "picCalibration");
    ASSERT_TRUE(surface);
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(surface, 15, 5) == RGB(0, 0, 0); }))
        << "the TOP-LEFT cross is crossed at (15, 15)";
    EXPECT_EQ(PixelOf(surface, 0, 0), RGB(255, 0, 0)) << "in a red square from (0, 0)";
    EXPECT_EQ(PixelOf(surface, 31, 31), RGB(255, 0, 0)) << "to (31, 31)";
    EXPECT_EQ(PixelOf(surface, 16, 5), RGB(255, 255, 255));
    EXPECT_EQ(TextOf(window, "lblMesg1"), "Please touch on the center of Cross Mark that");
    EXPECT_EQ(TextOf(window, "LabelAction"), "TOUCH");
    EXPECT_FALSE(Shows(window, "lblMesg3"));
    SaveScreenshot(window, "calibration_window");
    EXPECT_TRUE(WaitUntil([] { return !CursorShows(); })) << "no pointer while waiting for a touch";

    ASSERT_TRUE(TouchTarget("TOP-LEFT", kCorners[0]));
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(surface, 1006, 5) == RGB(0, 0, 0); }))
        << "the TOP-RIGHT cross is 17 pixels from the right edge, at x 1006";
    EXPECT_EQ(PixelOf(surface, 1008, 5), RGB(255, 255, 255)) << "not symmetric with the left";
    EXPECT_EQ(PixelOf(surface, 990, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(surface, 15, 5), RGB(255, 255, 255)) << "the first cross is erased";
    ASSERT_TRUE(TouchTarget("TOP-RIGHT", kCorners[1]));
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(surface, 1006, 760) == RGB(0, 0, 0); }))
        << "the DOWN-RIGHT cross at (1006, 750)";
    ASSERT_TRUE(TouchTarget("DOWN-RIGHT", kCorners[2]));
    ASSERT_TRUE(TouchTarget("DOWN-LEFT", kCorners[3]));

    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(kQuestionTitle, box, panel->id()));
    SaveScreenshot(box.handle, "calibration_question");
    EXPECT_EQ(box.text, kCompletion);
    EXPECT_EQ(box.icon, "question");
    EXPECT_TRUE(box.buttons == (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_FALSE(IsWindowVisible(surface)) << "the grey window shows while the user tries";
    EXPECT_TRUE(CursorShows()) << "the pointer shows with the question";
    EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(kCornerEdges))
        << "the new calibration works while the question is open";
    EXPECT_EQ(StatesSent(driver), "5,5,5,5,0");
    AnswerMessageBox(box, "&Yes");
    ASSERT_TRUE(BackToMain());
    EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(kCornerEdges)) << "Yes keeps it";
    EXPECT_TRUE(CursorShows()) << "the pointer is back with the main window";
    std::vector<std::string> sent = LinesStartingWith(driver.log(), "IOCTL_SET_CALIBRATION ");
    EXPECT_TRUE(sent.size() == 1 && sent[0] == CalibrationLine(driver.block()))
        << "sent once: " << (sent.empty() ? "nothing" : sent[0]);
    std::vector<std::string> rotation = LinesStartingWith(driver.log(), "IOCTL_GET_SMI_WINDOW");
    EXPECT_EQ(rotation.size(), size_t(1)) << "the rotation is asked for once";
}

TEST_F(Calibration, EdgeMiddlesAnsweredNoRestoreTheOldCalibration) {
    HWND window = Open(1);
    ASSERT_TRUE(window);
    HWND surface = FindControlByName(window, "picCalibration");
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(surface, 511, 5) == RGB(0, 0, 0); }))
        << "the TOP cross on the vertical middle line, x 511";
    EXPECT_EQ(PixelOf(surface, 513, 5), RGB(255, 255, 255));
    const char* names[] = {"TOP", "RIGHT", "DOWN", "LEFT"};
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(TouchTarget(names[i], kEdgeMiddles[i], 2));
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(kQuestionTitle, box, panel->id()));
    Edges tried = EdgesOf(driver.block());
    // a finger trembling by two raw units still gives the example's calibration within a unit
    EXPECT_TRUE(std::abs(tried.xMin - 85) <= 2 && std::abs(tried.xMax - 918) <= 2 &&
                std::abs(tried.yMin - 71) <= 2 && std::abs(tried.yMax - 958) <= 2)
        << "tried " << Describe(tried);
    AnswerMessageBox(box, "&No");
    ASSERT_TRUE(BackToMain());
    EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(EdgesOf(before)))
        << "No restores the calibration in force before";
    std::vector<std::string> sent = LinesStartingWith(driver.log(), "IOCTL_SET_CALIBRATION ");
    EXPECT_TRUE(sent.size() == 2 && sent[1] == CalibrationLine(before))
        << sent.size() << " calibrations sent";
    EXPECT_EQ(StatesSent(driver), "5,5,5,5,0");
}

TEST_F(Calibration, EscAsksFirstNoGoesOnYesBreaksOff) {
    HWND window = Open(0);
    ASSERT_TRUE(window);
    ASSERT_TRUE(WaitUntil([&] { return ShowsPrompt("TOP-LEFT"); }));
    PressKey(VK_ESCAPE);
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(kQuestionTitle, box, panel->id()));
    SaveScreenshot(box.handle, "calibration_break_question");
    EXPECT_EQ(box.text, "Are you sure you want to break calibration?");
    EXPECT_EQ(box.icon, "question");
    HWND no = FindControlByText(box.handle, "&No");
    EXPECT_TRUE(no && (GetWindowLongA(no, GWL_STYLE) & BS_DEFPUSHBUTTON)) << "No is the default";
    EXPECT_TRUE(!Shows(window, "picMesg") && !Shows(window, "lblHelp") &&
                !Shows(window, "LabelAction"))
        << "the prompt hides while the question is open";
    EXPECT_EQ(StatesSent(driver), "0");
    AnswerMessageBox(box, "&No");
    EXPECT_TRUE(WaitUntil([&] { return Shows(window, "picMesg") && ShowsPrompt("TOP-LEFT"); }))
        << "No goes on with the same target";
    EXPECT_TRUE(IsWindow(window));

    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForMessageBox(kQuestionTitle, box, panel->id()));
    AnswerMessageBox(box, "&Yes");
    ASSERT_TRUE(BackToMain());
    EXPECT_FALSE(WaitForMessageBox(kQuestionTitle, box, panel->id(), 300)) << "no more boxes";
    EXPECT_EQ(StatesSent(driver), "0,0,4");
    EXPECT_TRUE(LinesStartingWith(driver.log(), "IOCTL_SET_CALIBRATION ").empty());
    EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(EdgesOf(before)));
}

TEST_F(Calibration, AFingerLeftOnTheScreenIsWaitedForFirst) {
    ASSERT_TRUE(StartWith(0));
    driver.touch(512, 384);
    HWND window = OpenCalibration();
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitUntil([&] {
        return Shows(window, "lblMesg3") &&
               TextOf(window, "lblMesg3") == "PLEASE LIFT OFF TO START CALIBRATION!";
    }));
    HWND status = FindControlByName(window, "picStat");
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(status, 3, 3) == RGB(255, 255, 0); }))
        << "the touch indicator is yellow";
    EXPECT_FALSE(Shows(window, "lblMesg1"));
    EXPECT_FALSE(Shows(window, "LabelAction")) << "no action label before the first cross";
    EXPECT_EQ(StatesSent(driver, Holds::Kept), "3");
    SaveScreenshot(window, "calibration_lift_off_first");
    driver.lift();
    EXPECT_TRUE(WaitUntil([&] { return ShowsPrompt("TOP-LEFT"); }));
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(status, 3, 3) == RGB(255, 255, 255); }));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(AnswerQuestion("&Yes"));
    EXPECT_TRUE(BackToMain());
}

TEST_F(Calibration, AStuckFingerOrACloseRequestNeverTrapsTheUser) {
    {
        ASSERT_TRUE(StartWith(0));
        driver.touch(512, 384);  // a finger, or a dead driver's last report, that stays
        HWND window = OpenCalibration();
        ASSERT_TRUE(window);
        EXPECT_TRUE(WaitUntil(
            [&] { return TextOf(window, "lblMesg3").find("START") != std::string::npos; }));
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(AnswerQuestion("&Yes"));
        ASSERT_TRUE(WaitForWindowGone(window)) << "Esc and Yes end even the first lift-off wait";
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); }));
        EXPECT_TRUE(CursorShows()) << "with the pointer back";
        EXPECT_EQ(StatesSent(driver, Holds::Kept), "3,0");
        driver.lift();
    }
    {
        HWND window = Open(0);
        ASSERT_TRUE(window);
        ASSERT_TRUE(WaitUntil([&] { return ShowsPrompt("TOP-LEFT"); }));
        PostMessageA(window, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitForWindowGone(window)) << "a close request ends the run";
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); }));
        EXPECT_TRUE(CursorShows());
        EXPECT_EQ(StatesSent(driver), "4") << "as broken off";
        EXPECT_TRUE(LinesStartingWith(driver.log(), "IOCTL_SET_CALIBRATION ").empty());
    }
}

TEST_F(Calibration, TwentySecondsWithoutATouchEndTheRunSilently) {
    HWND window = Open(0);
    ASSERT_TRUE(window);
    ASSERT_TRUE(WaitUntil([&] { return ShowsPrompt("TOP-LEFT"); }));
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
    EXPECT_TRUE(WaitUntil([&] { return stepIsRed(0); }, 3000)) << "a red step after a second";
    EXPECT_FALSE(stepIsRed(5)) << "one step a second, not all at once";
    EXPECT_TRUE(WaitUntil([&] { return stepIsRed(2); }, 5000)) << "the bar keeps filling";
    SaveScreenshot(window, "calibration_idle_bar");
    EXPECT_TRUE(WaitForWindowGone(window, 25000)) << "the run ends when the bar is full";
    MessageBoxInfo box;
    EXPECT_FALSE(WaitForMessageBox(kQuestionTitle, box, panel->id(), 300)) << "silently";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); }));
    EXPECT_EQ(StatesSent(driver), "4");
    EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(EdgesOf(before)));
}

TEST_F(Calibration, TheRightButtonToolHidesDuringTheRunAndShowsAfter) {
    CloseLeftoverWindows(" C-RBF", 0x100E);
    ASSERT_TRUE(StartWith(0, [](DriverBlock& block) {
        block.RightButtonEnable = 1;
        block.ButtonMode = 2;
    }));
    Program tool("NXWLHCrb.exe");
    HWND toolWindow = WaitForTopWindow(" C-RBF");
    ASSERT_TRUE(toolWindow) << "the right-button tool runs";
    EXPECT_TRUE(
        WaitUntil([&] { return driver.windows().RightButtonHandle == HandleOf(toolWindow); }));
    HWND window = OpenCalibration();
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(toolWindow); })) << "hidden during the run";
    ASSERT_TRUE(WaitUntil([&] { return ShowsPrompt("TOP-LEFT"); }));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(AnswerQuestion("&Yes"));
    EXPECT_TRUE(BackToMain());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(toolWindow); })) << "shown again after";
    EXPECT_TRUE(LinesStartingWith(driver.log(), "IOCTL_SET_BUTTON_MODE").empty())
        << "the tool is told, the driver's settings stay";
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(toolWindow, WM_USER, 0x100E, 0, SMTO_NORMAL, 5000, &answer);
    tool.waitForExit(5000);
}

TEST_F(Calibration, AutomaticRightButtonSwitchingIsSuspendedAndGivenBack) {
    HWND window = Open(0, [](DriverBlock& block) {
        block.RightButtonEnable = 1;
        block.ButtonMode = 4;
        block.RightButtonAuto = 1;
    });
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitUntil([&] { return driver.block().RightButtonAuto == 0; }))
        << "switched to manual for the run";
    ASSERT_TRUE(WaitUntil([&] { return ShowsPrompt("TOP-LEFT"); }));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(AnswerQuestion("&Yes"));
    ASSERT_TRUE(BackToMain());
    EXPECT_EQ(int(driver.block().RightButtonAuto), 1) << "automatic again";
    std::vector<std::string> sent = LinesStartingWith(driver.log(), "IOCTL_SET_BUTTON_MODE");
    EXPECT_EQ(sent.size(), size_t(2));
}

TEST_F(Calibration, TheSmiToolsRotationTurnsTheReadings) {
    const struct {
        const char* argument;
        int direction;
    } cases[] = {{"/ROTATE=2", 6}, {"/ROTATE=7", 0}};
    for (const auto& c : cases) {
        CloseLeftoverWindows("SMI Tool (simulated)", 0x200E);
        ASSERT_TRUE(StartWith(0));
        Program smi("NXWLHCvr.exe", c.argument);
        EXPECT_TRUE(WaitUntil([&] { return driver.windows().SmiHandle != kNoWindow; }));
        HWND window = OpenCalibration();
        ASSERT_TRUE(window);
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(TouchTarget(kCornerNames[i], kCorners[i]));
        MessageBoxInfo box;
        ASSERT_TRUE(WaitForMessageBox(kQuestionTitle, box, panel->id())) << c.argument;
        EXPECT_EQ(int(driver.block().PanelDirection), c.direction) << c.argument;
        AnswerMessageBox(box, "&Yes");
        EXPECT_TRUE(BackToMain());
        DWORD_PTR answer = 0;
        HWND smiWindow = FindTopWindow("SMI Tool (simulated)");
        if (smiWindow)
            SendMessageTimeoutA(smiWindow, WM_USER, 0x200E, 0, SMTO_NORMAL, 5000, &answer);
        smi.waitForExit(5000);
    }
}

TEST_F(Calibration, RefusedReadingsShowTheirBoxAndChangeNothing) {
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
        HWND window = Open(0);
        ASSERT_TRUE(window);
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(TouchTarget(kCornerNames[i], c.touched[i]));
        MessageBoxInfo box;
        ASSERT_TRUE(WaitForMessageBox(kErrorTitle, box, panel->id())) << c.screenshot;
        SaveScreenshot(box.handle, c.screenshot);
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.icon, "stop");
        EXPECT_TRUE(box.buttons == (std::vector<std::string>{"OK"}));
        EXPECT_TRUE(CursorShows()) << "the pointer shows with the box";
        AnswerMessageBox(box, "OK");
        ASSERT_TRUE(BackToMain());
        EXPECT_TRUE(LinesStartingWith(driver.log(), "IOCTL_SET_CALIBRATION ").empty())
            << "the driver keeps its calibration";
        EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(EdgesOf(before)));
        EXPECT_EQ(StatesSent(driver), "5,5,5,5") << Lines(driver.log());
    }
}

TEST_F(Calibration, ALogOffOrALockAtTheQuestionGiveTheOldCalibrationAndTheRightButtonBack) {
    const struct {
        const char* what;
        std::vector<std::pair<UINT, WPARAM>> messages;  // what Windows sends, in order
    } events[] = {{"log-off", {{WM_QUERYENDSESSION, 0}, {WM_ENDSESSION, TRUE}}},
                  {"lock", {{WM_WTSSESSION_CHANGE, 7}}}};
    for (const auto& event : events) {
        SCOPED_TRACE(event.what);
        HWND window = Open(0, [](DriverBlock& block) {
            block.RightButtonEnable = 1;
            block.ButtonMode = 4;
            block.RightButtonAuto = 1;
        });
        ASSERT_TRUE(window);
        ASSERT_TRUE(TouchAllCorners());
        MessageBoxInfo box;
        ASSERT_TRUE(WaitForMessageBox(kQuestionTitle, box, panel->id()));
        ASSERT_EQ(Describe(EdgesOf(driver.block())), Describe(kCornerEdges));
        for (const auto& [message, wParam] : event.messages)
            for (HWND target : {main, window}) {
                DWORD_PTR answer = 0;
                SendMessageTimeoutA(target, message, wParam, 0, SMTO_NORMAL, 5000, &answer);
            }
        EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(EdgesOf(before)))
            << "the old calibration is back before the message returns";
        EXPECT_TRUE(BackToMain()) << "the question closes";
        EXPECT_EQ(int(driver.block().RightButtonAuto), 1) << "automatic again";
    }
}

TEST_F(Calibration, TheSizesMustAgreeAtTheStartAndADisplayChangeBreaksTheRunOff) {
    ASSERT_TRUE(StartWith(0, [](DriverBlock& block) {
        block.ScreenWidth = 800;
        block.ScreenHeight = 600;
    }));
    Press(FindControlByName(main, "cmdCalibration"));
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(kErrorTitle, box, panel->id()));
    EXPECT_EQ(box.text.rfind("The touch screen is set up for a screen of 800 X 600, but the "
                             "display shows 1024 X 768.",
                             0),
              size_t(0))
        << box.text;
    EXPECT_FALSE(FindTopWindow(kCaption)) << "no run on sizes that disagree";
    AnswerMessageBox(box, "OK");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); }));
    EXPECT_TRUE(driver.log().empty()) << "nothing changed in the driver";

    HWND window = Open(0);
    ASSERT_TRUE(window);
    ASSERT_TRUE(TouchTarget("TOP-LEFT", kCorners[0]));
    ASSERT_TRUE(WaitUntil([&] { return ShowsPrompt("TOP-RIGHT"); }));
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768), SMTO_NORMAL, 5000,
                        &answer);
    ASSERT_TRUE(WaitForMessageBox(kErrorTitle, box, panel->id()));
    EXPECT_NE(box.text.find("The display settings changed"), std::string::npos) << box.text;
    AnswerMessageBox(box, "OK");
    EXPECT_TRUE(BackToMain());
    EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(EdgesOf(before)));
    EXPECT_EQ(StatesSent(driver), "5,0,4") << "broken off as Esc answered Yes";
}

TEST_F(Calibration, AWindowOfAnotherProgramInTheToolsPlaceIsSentNothing) {
    ForeignWindow other;
    ASSERT_TRUE(StartWith(0, [](DriverBlock& block) {
        block.RightButtonEnable = 1;
        block.ButtonMode = 2;
    }));
    ASSERT_TRUE(driver.registerRightButtonWindow(other.hwnd()));
    ASSERT_TRUE(OpenCalibration());
    ASSERT_TRUE(WaitUntil([&] { return ShowsPrompt("TOP-LEFT"); }));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(AnswerQuestion("&Yes"));
    EXPECT_TRUE(BackToMain());
    EXPECT_EQ(CountRequests(driver.log(), "IOCTL_GET_RB_WINDOW"), size_t(2))
        << "the driver was asked at the start and at the end";
    EXPECT_EQ(other.userMessages(), 0) << "neither hide nor show reached it";
}

TEST_F(Calibration, AQuestionNobodyAnswersGivesTheOldCalibrationBackByItself) {
    HWND window = Open(0);
    ASSERT_TRUE(window);
    ASSERT_TRUE(TouchAllCorners());
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(kQuestionTitle, box, panel->id()));
    EXPECT_EQ(box.text, kCompletion) << "its fixed text stays";
    const std::string countdown = "The old calibration returns in ";
    HWND note = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        note = FindControlById(box.handle, 0x7C02);
        return note && WindowText(note).rfind(countdown, 0) == 0;
    })) << "the seconds left show beside the text";
    SaveScreenshot(box.handle, "calibration_question_countdown");
    std::string first = note ? WindowText(note) : "";
    EXPECT_TRUE(WaitUntil([&] { return note && IsWindow(note) && WindowText(note) != first; }))
        << "and count down";
    EXPECT_TRUE(WaitForWindowGone(box.handle, 20000)) << "the question closes by itself";
    EXPECT_TRUE(BackToMain());
    EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(EdgesOf(before)))
        << "as No: the old calibration is back";
}

TEST_F(Calibration, CalibrateSwitchRunsTheCalibrationAloneAndEndsWithIt) {
    CloseLeftovers();
    driver.reset();
    WriteConfigNumber("CalibrationMode", 0);
    before = driver.block();
    Program alone("NXWLHCcp.exe", "/CALIBRATE");
    calibration = WaitForTopWindow(kCaption);
    ASSERT_TRUE(calibration) << "the calibration shows at once";
    EXPECT_FALSE(FindTopWindow(kTitle)) << "and no main window";
    ASSERT_TRUE(TouchAllCorners());
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(kQuestionTitle, box, alone.id()));
    AnswerMessageBox(box, "&Yes");
    DWORD code = 1;
    EXPECT_TRUE(alone.waitForExit(10000, &code)) << "the program ends with the calibration";
    EXPECT_FALSE(FindTopWindow(kTitle)) << "the main window never showed";
    EXPECT_EQ(Describe(EdgesOf(driver.block())), Describe(kCornerEdges));
}
