// The right-button tool as a user and the other programs meet it.
#include <windows.h>

#include <cstdlib>

#include "desktop.h"
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

int32_t HandleOf(HWND window) { return int32_t(reinterpret_cast<INT_PTR>(window)); }

void Notify(HWND window, WPARAM code) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_USER, code, 0, SMTO_NORMAL, 5000, &answer);
}

// A tool left by an earlier run would answer in place of the one under test.
void CloseLeftoverTools() { CloseLeftoverWindows(kCaption, 0x100E); }

// Starts a tool and waits until it shows and has registered itself.
HWND StartRegisteredTool(Program& tool, const SimDriver& driver) {
    HWND window = WaitForTopWindow(kCaption);
    if (!window) return nullptr;
    WaitUntil([&] { return driver.windows().RightButtonHandle == HandleOf(window); });
    (void)tool;
    return window;
}

bool ButtonShows(HWND window) {
    HWND action = FindControlByName(window, "cmdAction");
    return action && IsWindowVisible(action);
}

bool QuitsCleanly(Program& tool, HWND window, const SimDriver& driver) {
    Notify(window, 0x100E);
    DWORD code = 1;
    bool ended = tool.waitForExit(5000, &code);
    SimWindows windows = driver.windows();
    return ended && code == 0 && windows.RightButtonHandle == kNoWindow && windows.Armed == 0;
}

}  // namespace

E2E_TEST(RightButtonTool, RegistersOnceAndASecondStartShowsTheFirst) {
    SimDriver driver;
    CloseLeftoverTools();
    if (!CHECK(driver.reset())) return;
    Program first("NXWLHCrb.exe");
    HWND window = StartRegisteredTool(first, driver);
    if (!(CHECK(window) << "the tool shows a window captioned \" C-RBF\"")) return;
    SaveScreenshot(window, "right_button_tool");
    CHECK_EQ(driver.windows().RightButtonHandle, HandleOf(window));
    CHECK_EQ(driver.windows().Armed, 0);
    CHECK(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) << "the tool stays on top";
    RECT frame, work;
    GetWindowRect(window, &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CHECK(std::abs(frame.right - work.right) <= 1 && std::abs(frame.bottom - work.bottom) <= 1)
        << "bottom-right corner of the work area, got " << frame.right << "," << frame.bottom;
    HWND action = FindControlByName(window, "cmdAction");
    RECT client, button;
    GetClientRect(window, &client);
    if (CHECK(action)) {
        GetClientRect(action, &button);
        CHECK_EQ(client.right, button.right) << "the client area is exactly the button";
        CHECK_EQ(client.bottom, button.bottom);
    }

    Notify(window, 0x1000);
    CHECK(!IsWindowVisible(window)) << "NOTIFY_RB_HIDE hides it";
    Program second("NXWLHCrb.exe");
    DWORD code = 1;
    CHECK(second.waitForExit(10000, &code)) << "the second start ends";
    CHECK_EQ(code, 0u);
    CHECK(WaitUntil([&] { return IsWindowVisible(window) != FALSE; })) << "the first shows again";
    CHECK_EQ(driver.windows().RightButtonHandle, HandleOf(window)) << "still the first one";
    Notify(window, 0x1000);
    Notify(window, 0x1001);
    CHECK(IsWindowVisible(window)) << "NOTIFY_RB_SHOW shows it";
    CHECK(QuitsCleanly(first, window, driver)) << "NOTIFY_RB_QUIT ends it and withdraws";
}

E2E_TEST(RightButtonTool, AnUnknownCommandShowsTheFailBoxAndTheToolGoesOn) {
    SimDriver driver;
    CloseLeftoverTools();
    if (!CHECK(driver.reset())) return;
    Program tool("NXWLHCrb.exe");
    HWND window = StartRegisteredTool(tool, driver);
    if (!CHECK(window)) return;
    PostMessageA(window, WM_USER, 4098, 0);
    MessageBoxInfo box;
    if (CHECK(WaitForMessageBox(kTitle, box, tool.id()))) {
        CHECK_EQ(box.text, std::string("RBF_WndProc Fail! wParam=1002h, lParam=0h"));
        CHECK_EQ(box.buttons.size(), size_t(1));
        CHECK_EQ(box.icon, std::string("none"));
        SaveScreenshot(box.handle, "right_button_unknown_command");
        CHECK(AnswerMessageBox(box, "OK"));
    }
    CHECK(tool.running());
    CHECK(QuitsCleanly(tool, window, driver));
}

E2E_TEST(RightButtonTool, APressArmsTheDriverAndTheRightClickBringsTheButtonBack) {
    SimDriver driver;
    CloseLeftoverTools();
    if (!CHECK(driver.reset())) return;
    Program tool("NXWLHCrb.exe");
    HWND window = StartRegisteredTool(tool, driver);
    if (!CHECK(window)) return;
    HWND action = FindControlByName(window, "cmdAction");
    if (!CHECK(action)) return;
    Click(action);
    CHECK(WaitUntil([&] { return driver.windows().Armed == 1; })) << "the press arms the driver";
    CHECK(!IsWindowVisible(action)) << "the button hides while armed";
    SaveScreenshot(window, "right_button_armed");
    driver.touch(400, 400);
    PumpFor(50);
    CHECK(!ButtonShows(window)) << "the touch is not over until it is lifted";
    driver.lift();
    CHECK(WaitUntil([&] { return ButtonShows(window); })) << "the button comes back";
    CHECK_EQ(driver.windows().Armed, 0);
    CHECK_EQ(driver.windows().RightButtonHandle, HandleOf(window));
    CHECK(QuitsCleanly(tool, window, driver));
}

E2E_TEST(RightButtonTool, AMousePressOrAKeyOnTheWindowAbandonsTheWait) {
    SimDriver driver;
    CloseLeftoverTools();
    if (!CHECK(driver.reset())) return;
    Program tool("NXWLHCrb.exe");
    HWND window = StartRegisteredTool(tool, driver);
    if (!CHECK(window)) return;
    HWND action = FindControlByName(window, "cmdAction");
    if (!CHECK(action)) return;
    RECT area;
    GetWindowRect(action, &area);
    POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};

    Click(action);
    CHECK(WaitUntil([&] { return driver.windows().Armed == 1; }));
    ClickAt(centre, true);
    CHECK(WaitUntil([&] { return ButtonShows(window); })) << "a right press abandons the wait";
    CHECK_EQ(driver.windows().Armed, 0) << "and disarms the driver";

    Click(action);
    CHECK(WaitUntil([&] { return driver.windows().Armed == 1; }));
    SetForegroundWindow(window);
    TypeText("x");
    CHECK(WaitUntil([&] { return ButtonShows(window); })) << "a typed character abandons it";
    CHECK_EQ(driver.windows().Armed, 0);
    CHECK(QuitsCleanly(tool, window, driver));
}

E2E_TEST(RightButtonTool, QuittingWhileArmedEndsCleanly) {
    SimDriver driver;
    CloseLeftoverTools();
    if (!CHECK(driver.reset())) return;
    Program tool("NXWLHCrb.exe");
    HWND window = StartRegisteredTool(tool, driver);
    if (!CHECK(window)) return;
    Click(FindControlByName(window, "cmdAction"));
    CHECK(WaitUntil([&] { return driver.windows().Armed == 1; }));
    CHECK(QuitsCleanly(tool, window, driver)) << "no renewed registration after the close";
    PumpFor(100);
    CHECK_EQ(driver.windows().RightButtonHandle, kNoWindow);
}

E2E_TEST(RightButtonTool, ARegistrationLeftByAKilledToolIsTakenOver) {
    SimDriver driver;
    CloseLeftoverTools();
    if (!CHECK(driver.reset())) return;
    HWND dead = nullptr;
    {
        Program crashed("NXWLHCrb.exe");
        dead = StartRegisteredTool(crashed, driver);
        if (!CHECK(dead)) return;
        crashed.kill();
    }
    CHECK_EQ(driver.windows().RightButtonHandle, HandleOf(dead)) << "the driver still holds it";
    Program next("NXWLHCrb.exe");
    HWND window = WaitForTopWindow(kCaption);
    if (!(CHECK(window) << "the next start runs instead of handing over to nobody")) return;
    CHECK(WaitUntil([&] { return driver.windows().RightButtonHandle == HandleOf(window); }));
    CHECK(QuitsCleanly(next, window, driver));
}

E2E_TEST(RightButtonTool, AHungToolDoesNotHangTheSecondStart) {
    SimDriver driver;
    CloseLeftoverTools();
    if (!CHECK(driver.reset())) return;
    struct Hung {
        HWND window = nullptr;
        HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    } hung;
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID param) -> DWORD {
            auto* state = static_cast<Hung*>(param);
            state->window = CreateWindowA("STATIC", "hung companion", WS_POPUP, 0, 0, 10, 10,
                                          nullptr, nullptr, nullptr, nullptr);
            WaitForSingleObject(state->release, INFINITE);  // answers no message meanwhile
            DestroyWindow(state->window);
            return 0;
        },
        &hung, 0, nullptr);
    WaitUntil([&] { return hung.window != nullptr; });
    WindowRecord registration{HandleOf(hung.window), 0, 0};
    driver.channel().transact(IOCTL_SET_RB_WINDOW, registration);
    ULONGLONG started = GetTickCount64();
    Program tool("NXWLHCrb.exe");
    DWORD code = 1;
    CHECK(tool.waitForExit(20000, &code)) << "the start gives up on a window that never answers";
    CHECK(GetTickCount64() - started < 15000);
    SetEvent(hung.release);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(hung.release);
    driver.reset();
}

E2E_TEST(RightButtonTool, WithoutTheDriverItSaysSoAndEnds) {
    if (!CHECK(StopDriverService())) {
        StartDriverService();
        return;
    }
    Program tool("NXWLHCrb.exe");
    MessageBoxInfo box;
    if (CHECK(WaitForMessageBox(kTitle, box, tool.id()))) {
        CHECK_EQ(box.text, std::string("Fail to open NXWLHCOM.sys!"));
        CHECK_EQ(box.icon, std::string("stop"));
        SaveScreenshot(box.handle, "right_button_no_driver");
        AnswerMessageBox(box, "OK");
    }
    CHECK(tool.waitForExit(5000)) << "the tool ends after the box";
    CHECK(FindTopWindow(kCaption) == nullptr);
    CHECK(StartDriverService()) << "the driver comes back for the tests after this one";
}
