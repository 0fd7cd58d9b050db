// The startup program's log-on run, its switches and its single instance, as Windows and the
// simulated driver see them.
#include <windows.h>

#include <algorithm>

#include "config_key.h"
#include "driver_service.h"
#include "e2e_test.h"
#include "startup_e2e_support.h"

using namespace e2e;
using namespace startup_e2e;

namespace {

bool Logged(const std::vector<std::string>& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}

// The banner shows while the run works, then the program ends by itself.
bool RunsThroughWithBanner(Program& startup, HWND* banner = nullptr) {
    HWND window = WaitForProgramWindow(startup, "lblSystem");
    if (banner) *banner = window;
    if (!(CHECK(window) << "the banner shows")) return false;
    DWORD code = 1;
    return bool(CHECK(startup.waitForExit(10000, &code) && code == 0) << "the run ends by itself");
}

bool EndsAfterBox(Program& startup, const std::string& text) {
    MessageBoxInfo box;
    if (!(CHECK(WaitForMessageBox(kTitle, box, startup.id())) << "a box says \"" << text << "\""))
        return false;
    CHECK_EQ(box.text, text);
    CHECK_EQ(box.icon, std::string("stop"));
    AnswerMessageBox(box, "OK");
    return bool(CHECK(startup.waitForExit(10000)) << "the program ends after \"" << text << "\"");
}

int32_t HandleOf(HWND window) {
    return int32_t(reinterpret_cast<INT_PTR>(window));
}

int CountToolWindows() {
    int count = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, kToolCaption); window;
         window = FindWindowExA(nullptr, window, nullptr, kToolCaption))
        ++count;
    return count;
}

void SetRightButton(const SimDriver& driver, uint8_t enable, uint8_t automatic, uint8_t mode) {
    DriverBlock block = driver.block();
    block.RightButtonEnable = enable;
    block.RightButtonAuto = automatic;
    block.ButtonMode = mode;
    driver.putBlock(block);
}

// Keeps the stored settings and Windows' own as they were.
struct DoubleClickValuesGuard {
    ConfigValueGuard speed{"DoubleClickSpeed"};
    ConfigValueGuard width{"DoubleClickWidth"};
    ConfigValueGuard height{"DoubleClickHeight"};
    WindowsDoubleClickGuard windows;
};

}  // namespace

E2E_TEST(StartupLogon, AppliesTheStoredDoubleClickSettingsStartsTheSmiToolAndEnds) {
    CloseLeftovers();
    SimDriver driver;
    if (!CHECK(driver.reset())) return;
    DoubleClickValuesGuard guard;
    WriteConfigNumber("DoubleClickSpeed", 650);
    WriteConfigNumber("DoubleClickWidth", 12);
    WriteConfigNumber("DoubleClickHeight", 14);
    driver.clearLog();
    Program startup("NXWLHCao.exe");
    HWND banner = WaitForProgramWindow(startup, "lblSystem");
    if (CHECK(banner) << "the banner shows") {
        SaveScreenshot(banner, "startup_banner");
        CHECK_EQ(TextOf(banner, "lblSystem"), std::string(kVersionLine));
        CHECK_EQ(TextOf(banner, "lblOemTitle"), *ReadConfigString("VenderName"));
        CHECK(!Shows(banner, "Frame1") && !Shows(banner, "Frame2")) << "the frames hide";
        RECT frame, client, ok;
        GetWindowRect(banner, &frame);
        GetClientRect(banner, &client);
        GetWindowRect(FindControlByName(banner, "cmdOK"), &ok);
        MapWindowPoints(nullptr, banner, reinterpret_cast<POINT*>(&ok), 2);
        CHECK(ok.top >= client.bottom) << "the buttons lie below the title band's window";
        HDC screen = GetDC(nullptr);
        int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        CHECK(std::abs((frame.bottom - frame.top) - MulDiv(2025, dpi, 1440)) <= 1)
            << "the banner is 2025 twips high, got " << frame.bottom - frame.top << " pixels";
    }
    DWORD code = 1;
    CHECK(startup.waitForExit(10000, &code) && code == 0) << "the run ends by itself";

    DoubleClickInForce now = ReadDoubleClickInForce();
    CHECK(InForce(now, 650, 12, 14)) << now;
    CHECK(MouseStringIs("DoubleClickSpeed", "650"));
    CHECK(MouseStringIs("DoubleClickWidth", "12"));
    CHECK(MouseStringIs("DoubleClickHeight", "14"));
    CHECK(ReadConfigNumber("DoubleClickSpeed") == 650u);

    CHECK(WaitUntil([&] { return driver.windows().SmiHandle != -1; }))
        << "the SMI tool started and registered";
    std::vector<std::string> log = driver.log();
    CHECK_EQ(CountRequests(log, "IOCTL_READ_SETTINGS"), size_t(1));
    CHECK_EQ(CountRequests(log, "IOCTL_SET_SCREEN_SIZE"), size_t(0)) << "the SMI tool started";
    CHECK_EQ(CountRequests(log, "IOCTL_GET_RB_WINDOW"), size_t(0)) << "the function is off";
    CHECK(FindTopWindow(kToolCaption, false) == nullptr);
    CHECK(CloseSmiTool(driver));
}

E2E_TEST(StartupLogon, WithoutStoredValuesAppliesAndStoresTheDefaults) {
    CloseLeftovers();
    SimDriver driver;
    if (!CHECK(driver.reset())) return;
    DoubleClickValuesGuard guard;
    for (const char* name : {"DoubleClickSpeed", "DoubleClickWidth", "DoubleClickHeight"})
        DeleteConfigValue(name);
    WriteConfigNumber("DoubleClickWidth", 9);  // one value alone counts as none
    SetWindowsDoubleClick(300, 6, 7);
    Program startup("NXWLHCao.exe");
    RunsThroughWithBanner(startup);
    DoubleClickInForce now = ReadDoubleClickInForce();
    CHECK(InForce(now, 500, 32, 32)) << now;
    CHECK(MouseStringIs("DoubleClickSpeed", "500"));
    CHECK(MouseStringIs("DoubleClickHeight", "32"));
    CHECK(ReadConfigNumber("DoubleClickSpeed") == 500u);
    CHECK(ReadConfigNumber("DoubleClickWidth") == 32u);
    CHECK(ReadConfigNumber("DoubleClickHeight") == 32u);
    CHECK(CloseSmiTool(driver));
}

E2E_TEST(StartupLogon, TellsTheDriverTheScreenSizeWhenTheSmiToolCannotStart) {
    CloseLeftovers();
    SimDriver driver;
    if (!CHECK(driver.reset())) return;
    DoubleClickValuesGuard guard;
    std::string smi = InstallPath() + "\\NXWLHCvr.exe";
    std::string away = smi + ".away";
    if (!(CHECK(MoveFileA(smi.c_str(), away.c_str())) << "the SMI stand-in is put aside")) return;
    DriverBlock block = driver.block();
    block.ScreenWidth = 640;
    block.ScreenHeight = 480;
    driver.putBlock(block);
    driver.clearLog();
    Program startup("NXWLHCao.exe");
    RunsThroughWithBanner(startup);
    CHECK(MoveFileA(away.c_str(), smi.c_str())) << "the SMI stand-in is back";

    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<std::string> log = driver.log();
    CHECK(Logged(log, "IOCTL_SET_SCREEN_SIZE ScreenWidth=" + std::to_string(width) +
                          " ScreenHeight=" + std::to_string(height)))
        << "the screen size was sent once the start failed";
    CHECK_EQ(driver.block().ScreenWidth, width);
    CHECK_EQ(driver.block().ScreenHeight, height);
    CHECK_EQ(driver.windows().SmiHandle, -1);
    MessageBoxInfo box;
    CHECK(!WaitForMessageBox(kTitle, box, 0, 200)) << "no box for the SMI tool";
}

E2E_TEST(StartupLogon, StartsTheRightButtonToolHiddenWhenTheFunctionNeedsIt) {
    CloseLeftovers();
    SimDriver driver;
    if (!CHECK(driver.reset())) return;
    DoubleClickValuesGuard guard;
    SetRightButton(driver, 1, 0, 1);
    Program startup("NXWLHCao.exe");
    RunsThroughWithBanner(startup);
    HWND tool = nullptr;
    CHECK(WaitUntil([&] {
        tool = FindTopWindow(kToolCaption, false);
        return tool && driver.windows().RightButtonHandle == HandleOf(tool);
    })) << "the right-button tool runs and registered itself";
    if (tool) CHECK(!IsWindowVisible(tool)) << "started hidden";
    CHECK(CloseRightButtonTool(driver));
    CHECK(CloseSmiTool(driver));

    SetRightButton(driver, 1, 1, 4);
    driver.clearLog();
    Program dragMode("NXWLHCao.exe");
    RunsThroughWithBanner(dragMode);
    CHECK_EQ(CountRequests(driver.log(), "IOCTL_GET_RB_WINDOW"), size_t(0))
        << "automatic switching in drag mode needs no tool";
    CHECK(FindTopWindow(kToolCaption, false) == nullptr);
    CHECK(CloseSmiTool(driver));
}

E2E_TEST(StartupLogon, HidesOnlyAToolThatWasAlreadyRunning) {
    CloseLeftovers();
    SimDriver driver;
    if (!CHECK(driver.reset())) return;
    DoubleClickValuesGuard guard;
    Program tool("NXWLHCrb.exe");
    HWND window = WaitForTopWindow(kToolCaption);
    if (!(CHECK(window) << "the tool shows")) return;
    WaitUntil([&] { return driver.windows().RightButtonHandle == HandleOf(window); });

    SetRightButton(driver, 1, 0, 2);
    driver.clearLog();
    Program manual("NXWLHCao.exe");
    RunsThroughWithBanner(manual);
    CHECK(IsWindowVisible(window)) << "manual switching leaves the tool as it is";
    CHECK_EQ(CountToolWindows(), 1) << "no second tool";
    CHECK_EQ(CountRequests(driver.log(), "IOCTL_GET_RB_WINDOW"), size_t(1));
    CHECK(CloseSmiTool(driver));

    SetRightButton(driver, 1, 1, 2);
    driver.clearLog();
    Program automatic("NXWLHCao.exe");
    RunsThroughWithBanner(automatic);
    CHECK(!IsWindowVisible(window)) << "the running tool was told to hide";
    CHECK_EQ(CountToolWindows(), 1) << "no second tool";
    std::vector<std::string> log = driver.log();
    CHECK_EQ(CountRequests(log, "IOCTL_GET_RB_WINDOW"), size_t(2)) << "asked again before the hide";
    CHECK_EQ(CountRequests(log, "IOCTL_SET_RB_WINDOW"), size_t(0)) << "nothing new registered";
    CHECK(CloseRightButtonTool(driver));
    CHECK(tool.waitForExit(5000));
    CHECK(CloseSmiTool(driver));
}

E2E_TEST(StartupLogon, NoDriverNoControllerOrNoInstallationEndWithTheirBox) {
    CloseLeftovers();
    SimDriver driver;
    if (!CHECK(driver.reset())) return;
    DoubleClickValuesGuard guard;
    WriteConfigNumber("DoubleClickSpeed", 610);
    WriteConfigNumber("DoubleClickWidth", 20);
    WriteConfigNumber("DoubleClickHeight", 21);
    DriverBlock block = driver.block();
    block.ComPort = 0;
    block.RightButtonEnable = 1;
    driver.putBlock(block);
    {
        Program startup("NXWLHCao.exe");
        EndsAfterBox(startup, "TouchScreen Controller Not Found!");
        DoubleClickInForce now = ReadDoubleClickInForce();
        CHECK(InForce(now, 610, 20, 21)) << "applied before the driver was asked; " << now;
        CHECK_EQ(driver.windows().SmiHandle, -1) << "no SMI tool";
        CHECK(FindTopWindow(kToolCaption, false) == nullptr) << "no right-button tool";
    }
    driver.reset();
    {
        ConfigValueGuard windowsPath("WindowsPath");
        DeleteConfigValue("WindowsPath");
        Program startup("NXWLHCao.exe");
        EndsAfterBox(startup, "Fail to load data from Register File!");
    }
    if (CHECK(StopDriverService())) {
        Program startup("NXWLHCao.exe");
        EndsAfterBox(startup, "Fail to open NXWLHCOM.sys!");
        CHECK(FindTopWindow(kSmiTitle, false) == nullptr) << "no SMI tool without the driver";
    }
    CHECK(StartDriverService());
}

E2E_TEST(StartupSwitches, AreWholeAndCaseBlind) {
    CloseLeftovers();
    SimDriver driver;
    if (!CHECK(driver.reset())) return;
    DoubleClickValuesGuard guard;
    {
        Program lower("NXWLHCao.exe", "/sdc");
        HWND window = WaitForProgramWindow(lower, "hscTT");
        CHECK(window && Shows(window, "Frame1")) << "\"/sdc\" opens the configuration window";
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        CHECK(lower.waitForExit(5000)) << "closing it ends the program";
    }
    {
        Program scan("NXWLHCao.exe", "/Sam");
        HWND window = WaitForProgramWindow(scan, "cboDevice");
        CHECK(window) << "\"/Sam\" opens the automatic scan window";
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        CHECK(scan.waitForExit(5000));
    }
    for (const char* arguments : {" /SDC", "/SDC now"}) {
        Program other("NXWLHCao.exe", arguments);
        HWND banner = nullptr;
        RunsThroughWithBanner(other, &banner);
        CHECK(banner == nullptr || !Shows(banner, "Frame1"))
            << "\"" << arguments << "\" is the log-on run";
        CHECK(CloseSmiTool(driver));
    }
}

E2E_TEST(StartupSwitches, ASecondStartBringsTheFirstForward) {
    CloseLeftovers();
    SimDriver driver;
    if (!CHECK(driver.reset())) return;
    Program first("NXWLHCao.exe", "/SAM");
    HWND window = WaitForProgramWindow(first, "cboCOM");
    if (!(CHECK(window) << "the first shows")) return;
    Program second("NXWLHCao.exe", "/SDC");
    DWORD code = 1;
    CHECK(second.waitForExit(10000, &code)) << "the second start ends";
    MessageBoxInfo box;
    CHECK(!WaitForMessageBox(kTitle, box, second.id(), 300)) << "without a box";
    CHECK(WaitUntil([&] { return GetForegroundWindow() == window; })) << "the first is in front";
    CHECK(first.running());
    PostMessageA(window, WM_CLOSE, 0, 0);
    CHECK(first.waitForExit(5000));
}
