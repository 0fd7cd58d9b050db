// The right-button tool as a user and the other programs meet it.
#include <windows.h>

#include <cstdlib>
#include <memory>

#include "desktop.h"
#include "input.h"
#include "driver_requests.h"
#include "driver_service.h"
#include "e2e_test.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

const char kCaption[] = " C-RBF";
const char kTitle[] = " TouchScreen Right-Button #NX-COM";

void Notify(HWND window, WPARAM code) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_USER, code, 0, SMTO_NORMAL, 5000, &answer);
}

bool ButtonShows(HWND window) {
    return Shows(window, "cmdAction");
}

class RightButtonTool : public DriverTest {
protected:
    // a tool left by an earlier run would answer in place of the one under test
    void SetUp() override {
        CloseLeftoverWindows(kCaption, 0x100E);
        DriverTest::SetUp();
    }

    // Starts a tool; its window once it shows and has registered itself.
    HWND StartTool() {
        tool = std::make_unique<Program>("NXWLHCrb.exe");
        HWND window = WaitForTopWindow(kCaption);
        if (window)
            WaitUntil([&] { return driver.windows().RightButtonHandle == HandleOf(window); });
        return window;
    }

    bool QuitsCleanly(Program& program, HWND window) {
        Notify(window, 0x100E);
        DWORD code = 1;
        bool ended = program.waitForExit(5000, &code);
        SimWindows windows = driver.windows();
        return ended && code == 0 && windows.RightButtonHandle == kNoWindow && windows.Armed == 0;
    }

    std::unique_ptr<Program> tool;
};

}  // namespace

TEST_F(RightButtonTool, RegistersOnceAndASecondStartShowsTheFirst) {
    HWND window = StartTool();
    ASSERT_TRUE(window) << "the tool shows a window captioned \" C-RBF\"";
    SaveScreenshot(window, "right_button_tool");
    EXPECT_EQ(driver.windows().RightButtonHandle, HandleOf(window));
    EXPECT_EQ(driver.windows().Armed, 0);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) << "the tool stays on top";
    RECT frame, work;
    GetWindowRect(window, &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(frame.right == work.right && frame.bottom == work.bottom)
        << "bottom-right corner of the work area (" << work.right << "," << work.bottom
        << ") at every scaling, got " << frame.right << "," << frame.bottom;
    HWND action = FindControlByName(window, "cmdAction");
    RECT client, button;
    GetClientRect(window, &client);
    EXPECT_TRUE(action);
    if (action) {
        GetClientRect(action, &button);
        EXPECT_EQ(client.right, button.right) << "the client area is exactly the button";
        EXPECT_EQ(client.bottom, button.bottom);
    }

    Notify(window, 0x1000);
    EXPECT_FALSE(IsWindowVisible(window)) << "NOTIFY_RB_HIDE hides it";
    Program second("NXWLHCrb.exe");
    DWORD code = 1;
    EXPECT_TRUE(second.waitForExit(10000, &code)) << "the second start ends";
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }))
        << "the first shows again";
    EXPECT_EQ(driver.windows().RightButtonHandle, HandleOf(window)) << "still the first one";
    Notify(window, 0x1000);
    Notify(window, 0x1001);
    EXPECT_TRUE(IsWindowVisible(window)) << "NOTIFY_RB_SHOW shows it";
    EXPECT_TRUE(QuitsCleanly(*tool, window)) << "NOTIFY_RB_QUIT ends it and withdraws";
}

TEST_F(RightButtonTool, AnUnknownCommandShowsTheFailBoxAndTheToolGoesOn) {
    HWND window = StartTool();
    ASSERT_TRUE(window);
    PostMessageA(window, WM_USER, 4098, 0);
    MessageBoxInfo box;
    bool shown = WaitForMessageBox(kTitle, box, tool->id());
    EXPECT_TRUE(shown);
    if (shown) {
        EXPECT_EQ(box.text, "RBF_WndProc Fail! wParam=1002h, lParam=0h");
        EXPECT_EQ(box.buttons.size(), size_t(1));
        EXPECT_EQ(box.icon, "none");
        SaveScreenshot(box.handle, "right_button_unknown_command");
        EXPECT_TRUE(AnswerMessageBox(box, "OK"));
    }
    EXPECT_TRUE(tool->running());
    EXPECT_TRUE(QuitsCleanly(*tool, window));
}

TEST_F(RightButtonTool, APressArmsTheDriverAndTheRightClickBringsTheButtonBack) {
    HWND window = StartTool();
    ASSERT_TRUE(window);
    HWND action = FindControlByName(window, "cmdAction");
    ASSERT_TRUE(action);
    Press(action);
    EXPECT_TRUE(WaitUntil([&] { return driver.windows().Armed == 1; }))
        << "the press arms the driver";
    EXPECT_FALSE(IsWindowVisible(action)) << "the button hides while armed";
    SaveScreenshot(window, "right_button_armed");
    driver.touch(400, 400);
    PumpFor(50);
    EXPECT_FALSE(ButtonShows(window)) << "the touch is not over until it is lifted";
    driver.lift();
    EXPECT_TRUE(WaitUntil([&] { return ButtonShows(window); })) << "the button comes back";
    EXPECT_EQ(driver.windows().Armed, 0);
    EXPECT_EQ(driver.windows().RightButtonHandle, HandleOf(window));
    EXPECT_TRUE(QuitsCleanly(*tool, window));
}

TEST_F(RightButtonTool, AMousePressOrAKeyOnTheWindowAbandonsTheWait) {
    HWND window = StartTool();
    ASSERT_TRUE(window);
    HWND action = FindControlByName(window, "cmdAction");
    ASSERT_TRUE(action);
    RECT area;
    GetWindowRect(action, &area);
    POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};

    Press(action);
    EXPECT_TRUE(WaitUntil([&] { return driver.windows().Armed == 1; }));
    PressAt(centre, kRightButton);
    EXPECT_TRUE(WaitUntil([&] { return ButtonShows(window); }))
        << "a right press abandons the wait";
    EXPECT_EQ(driver.windows().Armed, 0) << "and disarms the driver";

    Press(action);
    EXPECT_TRUE(WaitUntil([&] { return driver.windows().Armed == 1; }));
    SetForegroundWindow(window);
    TypeText("x");
    EXPECT_TRUE(WaitUntil([&] { return ButtonShows(window); })) << "a typed character abandons it";
    EXPECT_EQ(driver.windows().Armed, 0);
    EXPECT_TRUE(QuitsCleanly(*tool, window));
}

TEST_F(RightButtonTool, QuittingWhileArmedEndsCleanly) {
    HWND window = StartTool();
    ASSERT_TRUE(window);
    Press(FindControlByName(window, "cmdAction"));
    EXPECT_TRUE(WaitUntil([&] { return driver.windows().Armed == 1; }));
    EXPECT_TRUE(QuitsCleanly(*tool, window)) << "no renewed registration after the close";
    PumpFor(100);
    EXPECT_EQ(driver.windows().RightButtonHandle, kNoWindow);
}

TEST_F(RightButtonTool, TheEndOfTheSessionWithdrawsTheRegistration) {
    HWND window = StartTool();
    ASSERT_TRUE(window);
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer);
    EXPECT_EQ(driver.windows().RightButtonHandle, HandleOf(window)) << "not before it is sure";
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &answer);
    EXPECT_EQ(driver.windows().RightButtonHandle, kNoWindow)
        << "withdrawn before Windows ends the tool";
    tool->kill();
}

TEST_F(RightButtonTool, ARegistrationLeftByAKilledToolIsTakenOver) {
    HWND dead = StartTool();
    ASSERT_TRUE(dead);
    tool->kill();
    EXPECT_EQ(driver.windows().RightButtonHandle, HandleOf(dead)) << "the driver still holds it";
    Program next("NXWLHCrb.exe");
    HWND window = WaitForTopWindow(kCaption);
    ASSERT_TRUE(window) << "the next start runs instead of handing over to nobody";
    EXPECT_TRUE(WaitUntil([&] { return driver.windows().RightButtonHandle == HandleOf(window); }));
    EXPECT_TRUE(QuitsCleanly(next, window));
}

TEST_F(RightButtonTool, AHungToolDoesNotHangTheSecondStart) {
    struct Hung {
        HWND window = nullptr;
        HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    } hung;
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID param) -> DWORD {
            auto* state = static_cast<Hung*>(param);
            // a tool of ours as Windows tells it: the forms' class and the tool's caption
            WNDCLASSA toolClass{};
            toolClass.lpfnWndProc = DefWindowProcA;
            toolClass.lpszClassName = "NXForm";
            RegisterClassA(&toolClass);
            state->window = CreateWindowA("NXForm", " C-RBF", WS_POPUP, 0, 0, 10, 10, nullptr,
                                          nullptr, nullptr, nullptr);
            WaitForSingleObject(state->release, INFINITE);  // answers no message meanwhile
            DestroyWindow(state->window);
            return 0;
        },
        &hung, 0, nullptr);
    WaitUntil([&] { return hung.window != nullptr; });
    WindowRecord registration{HandleOf(hung.window), 0, 0};
    driver.channel().transact(IOCTL_SET_RB_WINDOW, registration);
    ULONGLONG started = GetTickCount64();
    Program start("NXWLHCrb.exe");
    DWORD code = 1;
    EXPECT_TRUE(start.waitForExit(20000, &code))
        << "the start gives up on a window that never answers";
    EXPECT_TRUE(GetTickCount64() - started < 15000);
    SetEvent(hung.release);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(hung.release);
}

TEST_F(RightButtonTool, WithoutTheDriverItSaysSoAndEnds) {
    bool stopped = StopDriverService();
    if (!stopped) StartDriverService();
    ASSERT_TRUE(stopped);
    Program start("NXWLHCrb.exe");
    MessageBoxInfo box;
    bool shown = WaitForMessageBox(kTitle, box, start.id());
    EXPECT_TRUE(shown);
    if (shown) {
        EXPECT_EQ(box.text, "Fail to open NXWLHCOM.sys!");
        EXPECT_EQ(box.icon, "stop");
        SaveScreenshot(box.handle, "right_button_no_driver");
        AnswerMessageBox(box, "OK");
    }
    EXPECT_TRUE(start.waitForExit(5000)) << "the tool ends after the box";
    EXPECT_TRUE(FindTopWindow(kCaption) == nullptr);
    EXPECT_TRUE(StartDriverService()) << "the driver comes back for the tests after this one";
}
