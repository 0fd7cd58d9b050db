// The startup program's log-on run, its switches and its single instance, as Windows and the
// simulated driver see them.
#include <windows.h>

#include <algorithm>

#include "config_key.h"
#include "driver_service.h"
#include "e2e_test.h"
#include "foreign_window.h"
#include "startup_e2e_support.h"

using namespace e2e;
using namespace startup_e2e;

namespace {

bool Logged(const std::vector<std::string>& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}

// Started with the arguments, the program shows its banner while the run works, then ends by
// itself.
testing::AssertionResult RunsThroughWithBanner(const char* arguments = "", HWND* banner = nullptr) {
    Program startup("NXWLHCao.exe", arguments);
    HWND window = WaitForProgramWindow(startup, "lblSystem");
    if (banner) *banner = window;
    if (!window) return testing::AssertionFailure() << "no banner shows";
    DWORD code = 1;
    if (!startup.waitForExit(10000, &code) || code != 0)
        return testing::AssertionFailure() << "the run does not end by itself with 0";
    return testing::AssertionSuccess();
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

// The startup program on a freshly reset driver, the double-click settings kept as they were.
class StartupTest : public testing::Test {
protected:
    void SetUp() override {
        CloseLeftovers();
        ASSERT_TRUE(driver.reset());
    }

    SimDriver driver;
    StoredDoubleClick guard;
};

class StartupLogon : public StartupTest {};
class StartupSwitches : public StartupTest {};

}  // namespace

TEST_F(StartupLogon, AppliesTheStoredDoubleClickSettingsStartsTheSmiToolAndEnds) {
    WriteConfigNumber("DoubleClickSpeed", 650);
    WriteConfigNumber("DoubleClickWidth", 12);
    WriteConfigNumber("DoubleClickHeight", 14);
    driver.clearLog();
    Program startup("NXWLHCao.exe");
    HWND banner = WaitForProgramWindow(startup, "lblSystem");
    EXPECT_TRUE(banner) << "the banner shows";
    if (banner) {
        SaveScreenshot(banner, "startup_banner");
        EXPECT_EQ(TextOf(banner, "lblSystem"), kVersionLine);
        EXPECT_EQ(TextOf(banner, "lblOemTitle"), *ReadConfigString("VenderName"));
        EXPECT_TRUE(!Shows(banner, "Frame1") && !Shows(banner, "Frame2")) << "the frames hide";
        RECT frame, client, ok;
        GetWindowRect(banner, &frame);
        GetClientRect(banner, &client);
        GetWindowRect(FindControlByName(banner, "cmdOK"), &ok);
        MapWindowPoints(nullptr, banner, reinterpret_cast<POINT*>(&ok), 2);
        EXPECT_TRUE(ok.top >= client.bottom) << "the buttons lie below the title band's window";
        HDC screen = GetDC(nullptr);
        int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        EXPECT_TRUE(std::abs((frame.bottom - frame.top) - MulDiv(2025, dpi, 1440)) <= 1)
            << "the banner is 2025 twips high, got " << frame.bottom - frame.top << " pixels";
    }
    DWORD code = 1;
    EXPECT_TRUE(startup.waitForExit(10000, &code) && code == 0) << "the run ends by itself";

    EXPECT_EQ(DoubleClickInForce(), "650 ms, 12 x 14");
    EXPECT_TRUE(MouseStringIs("DoubleClickSpeed", "650"));
    EXPECT_TRUE(MouseStringIs("DoubleClickWidth", "12"));
    EXPECT_TRUE(MouseStringIs("DoubleClickHeight", "14"));
    EXPECT_TRUE(ReadConfigNumber("DoubleClickSpeed") == 650u);

    EXPECT_TRUE(WaitUntil([&] { return driver.windows().SmiHandle != -1; }))
        << "the SMI tool started and registered";
    std::vector<std::string> log = driver.log();
    EXPECT_EQ(CountRequests(log, "IOCTL_READ_SETTINGS"), size_t(1));
    EXPECT_EQ(CountRequests(log, "IOCTL_SET_SCREEN_SIZE"), size_t(0)) << "the SMI tool started";
    EXPECT_EQ(CountRequests(log, "IOCTL_GET_RB_WINDOW"), size_t(0)) << "the function is off";
    EXPECT_TRUE(FindTopWindow(kToolCaption, false) == nullptr);
    EXPECT_TRUE(CloseSmiTool(driver));
}

TEST_F(StartupLogon, WithoutStoredValuesAppliesAndStoresTheDefaults) {
    for (const char* name : {"DoubleClickSpeed", "DoubleClickWidth", "DoubleClickHeight"})
        DeleteConfigValue(name);
    WriteConfigNumber("DoubleClickWidth", 9);  // one value alone counts as none
    SetWindowsDoubleClick(300, 6, 7);
    EXPECT_TRUE(RunsThroughWithBanner());
    EXPECT_EQ(DoubleClickInForce(), "500 ms, 32 x 32");
    EXPECT_TRUE(MouseStringIs("DoubleClickSpeed", "500"));
    EXPECT_TRUE(MouseStringIs("DoubleClickHeight", "32"));
    EXPECT_TRUE(ReadConfigNumber("DoubleClickSpeed") == 500u);
    EXPECT_TRUE(ReadConfigNumber("DoubleClickWidth") == 32u);
    EXPECT_TRUE(ReadConfigNumber("DoubleClickHeight") == 32u);
    EXPECT_TRUE(CloseSmiTool(driver));
}

TEST_F(StartupLogon, TellsTheDriverTheScreenSizeWhenTheSmiToolCannotStart) {
    std::string smi = InstallPath() + "\\NXWLHCvr.exe";
    std::string away = smi + ".away";
    ASSERT_TRUE(MoveFileA(smi.c_str(), away.c_str())) << "the SMI stand-in is put aside";
    DriverBlock block = driver.block();
    block.ScreenWidth = 640;
    block.ScreenHeight = 480;
    driver.putBlock(block);
    driver.clearLog();
    EXPECT_TRUE(RunsThroughWithBanner());
    EXPECT_TRUE(MoveFileA(away.c_str(), smi.c_str())) << "the SMI stand-in is back";

    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<std::string> log = driver.log();
    EXPECT_TRUE(Logged(log, "IOCTL_SET_SCREEN_SIZE ScreenWidth=" + std::to_string(width) +
                                " ScreenHeight=" + std::to_string(height)))
        << "the screen size was sent once the start failed";
    EXPECT_EQ(driver.block().ScreenWidth, width);
    EXPECT_EQ(driver.block().ScreenHeight, height);
    EXPECT_EQ(driver.windows().SmiHandle, -1);
    MessageBoxInfo box;
    EXPECT_FALSE(WaitForMessageBox(kTitle, box, 0, 200)) << "no box for the SMI tool";
}

TEST_F(StartupLogon, StartsTheRightButtonToolHiddenWhenTheFunctionNeedsIt) {
    SetRightButton(driver, 1, 0, 1);
    EXPECT_TRUE(RunsThroughWithBanner());
    HWND tool = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        tool = FindTopWindow(kToolCaption, false);
        return tool && driver.windows().RightButtonHandle == HandleOf(tool);
    })) << "the right-button tool runs and registered itself";
    if (tool) {
        EXPECT_FALSE(IsWindowVisible(tool)) << "started hidden";
    }
    EXPECT_TRUE(CloseRightButtonTool(driver));
    EXPECT_TRUE(CloseSmiTool(driver));

    SetRightButton(driver, 1, 1, 4);
    driver.clearLog();
    EXPECT_TRUE(RunsThroughWithBanner());
    EXPECT_EQ(CountRequests(driver.log(), "IOCTL_GET_RB_WINDOW"), size_t(0))
        << "automatic switching in drag mode needs no tool";
    EXPECT_TRUE(FindTopWindow(kToolCaption, false) == nullptr);
    EXPECT_TRUE(CloseSmiTool(driver));
}

TEST_F(StartupLogon, HidesOnlyAToolThatWasAlreadyRunning) {
    Program tool("NXWLHCrb.exe");
    HWND window = WaitForTopWindow(kToolCaption);
    ASSERT_TRUE(window) << "the tool shows";
    WaitUntil([&] { return driver.windows().RightButtonHandle == HandleOf(window); });

    SetRightButton(driver, 1, 0, 2);
    driver.clearLog();
    EXPECT_TRUE(RunsThroughWithBanner());
    EXPECT_TRUE(IsWindowVisible(window)) << "manual switching leaves the tool as it is";
    EXPECT_EQ(CountToolWindows(), 1) << "no second tool";
    EXPECT_EQ(CountRequests(driver.log(), "IOCTL_GET_RB_WINDOW"), size_t(1));
    EXPECT_TRUE(CloseSmiTool(driver));

    SetRightButton(driver, 1, 1, 2);
    driver.clearLog();
    EXPECT_TRUE(RunsThroughWithBanner());
    EXPECT_FALSE(IsWindowVisible(window)) << "the running tool was told to hide";
    EXPECT_EQ(CountToolWindows(), 1) << "no second tool";
    std::vector<std::string> log = driver.log();
    EXPECT_EQ(CountRequests(log, "IOCTL_GET_RB_WINDOW"), size_t(2))
        << "asked again before the hide";
    EXPECT_EQ(CountRequests(log, "IOCTL_SET_RB_WINDOW"), size_t(0)) << "nothing new registered";
    EXPECT_TRUE(CloseRightButtonTool(driver));
    EXPECT_TRUE(tool.waitForExit(5000));
    EXPECT_TRUE(CloseSmiTool(driver));
}

TEST_F(StartupLogon, AWindowOfAnotherProgramInTheToolsPlaceIsSentNothingAndOurToolStarts) {
    ForeignWindow other;
    ASSERT_TRUE(driver.registerRightButtonWindow(other.hwnd()));
    SetRightButton(driver, 1, 1, 2);  // a tool that ran would be told to hide
    EXPECT_TRUE(RunsThroughWithBanner());
    EXPECT_TRUE(WaitUntil([&] {
        HWND tool = FindTopWindow(kToolCaption, false);
        return tool && driver.windows().RightButtonHandle == HandleOf(tool);
    })) << "our tool started and took the registration over";
    EXPECT_EQ(other.userMessages(), 0) << "neither the log-on run nor the tool messaged it";
    EXPECT_TRUE(CloseRightButtonTool(driver));
    EXPECT_TRUE(CloseSmiTool(driver));
}

TEST_F(StartupLogon, NoDriverNoControllerOrNoInstallationEndWithTheirBox) {
    WriteConfigNumber("DoubleClickSpeed", 610);
    WriteConfigNumber("DoubleClickWidth", 20);
    WriteConfigNumber("DoubleClickHeight", 21);
    DriverBlock block = driver.block();
    block.ComPort = 0;
    block.RightButtonEnable = 1;
    driver.putBlock(block);
    {
        Program startup("NXWLHCao.exe");
        EXPECT_TRUE(EndsAfterBox(startup, kTitle, "TouchScreen Controller Not Found!"));
        EXPECT_EQ(DoubleClickInForce(), "610 ms, 20 x 21") << "applied before the driver was asked";
        EXPECT_EQ(driver.windows().SmiHandle, -1) << "no SMI tool";
        EXPECT_TRUE(FindTopWindow(kToolCaption, false) == nullptr) << "no right-button tool";
    }
    driver.reset();
    {
        ConfigValueGuard windowsPath("WindowsPath");
        DeleteConfigValue("WindowsPath");
        Program startup("NXWLHCao.exe");
        EXPECT_TRUE(EndsAfterBox(startup, kTitle, "Fail to load data from Register File!"));
    }
    bool stopped = StopDriverService();
    EXPECT_TRUE(stopped);
    if (stopped) {
        Program startup("NXWLHCao.exe");
        EXPECT_TRUE(EndsAfterBox(startup, kTitle, "Fail to open NXWLHCOM.sys!"));
        EXPECT_TRUE(FindTopWindow(kSmiTitle, false) == nullptr) << "no SMI tool without the driver";
    }
    EXPECT_TRUE(StartDriverService());
}

TEST_F(StartupSwitches, AreWholeAndCaseBlind) {
    {
        Program lower("NXWLHCao.exe", "/sdc");
        HWND window = WaitForProgramWindow(lower, "hscTT");
        EXPECT_TRUE(window && Shows(window, "Frame1")) << "\"/sdc\" opens the configuration window";
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(lower.waitForExit(5000)) << "closing it ends the program";
    }
    {
        Program scan("NXWLHCao.exe", "/Sam");
        HWND window = WaitForProgramWindow(scan, "cboDevice");
        EXPECT_TRUE(window) << "\"/Sam\" opens the automatic scan window";
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(scan.waitForExit(5000));
    }
    for (const char* arguments : {" /SDC", "/SDC now"}) {
        HWND banner = nullptr;
        EXPECT_TRUE(RunsThroughWithBanner(arguments, &banner));
        EXPECT_TRUE(banner == nullptr || !Shows(banner, "Frame1"))
            << "\"" << arguments << "\" is the log-on run";
        EXPECT_TRUE(CloseSmiTool(driver));
    }
}

TEST_F(StartupSwitches, ASecondStartBringsTheFirstForward) {
    Program first("NXWLHCao.exe", "/SAM");
    HWND window = WaitForProgramWindow(first, "cboCOM");
    ASSERT_TRUE(window) << "the first shows";
    Program second("NXWLHCao.exe", "/SDC");
    DWORD code = 1;
    EXPECT_TRUE(second.waitForExit(10000, &code)) << "the second start ends";
    MessageBoxInfo box;
    EXPECT_FALSE(WaitForMessageBox(kTitle, box, second.id(), 300)) << "without a box";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }))
        << "the first is in front";
    EXPECT_TRUE(first.running());
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.waitForExit(5000));
}
