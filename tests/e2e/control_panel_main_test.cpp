// The control panel's main window as a user starts and uses it.
#include <cstdlib>

#include "config_key.h"
#include "driver_service.h"
#include "control_panel_steps.h"

using namespace panel_steps;

namespace {

// A drop-down list's window text is its selected entry.
std::string SelectedListText(HWND list) {
    return list ? WindowText(list) : "<no list>";
}

class ControlPanelMain : public ControlPanelTest {};

}  // namespace

TEST_F(ControlPanelMain, StartsWithTheDriversSettingsInItsStatusLines) {
    CloseLeftovers();
    driver.reset();
    ConfigValueGuard method("CalibrationMode");
    DeleteConfigValue("CalibrationMode");
    Program panel("NXWLHCcp.exe");
    HWND main = StartPanel(panel);  // the log of the start is read below
    ASSERT_TRUE(main) << "the main window shows";
    SaveScreenshot(main, "control_panel_main");
    EXPECT_EQ(TextOf(main, "lblSystem"), "TouchScreen Control Panel Version 7.5.COM");
    EXPECT_EQ(TextOf(main, "lblOemTitle"), *ReadConfigString("VenderName"));
    EXPECT_EQ(TextOf(main, "lblUsingDevice"), "COM1, 9600 BPS (N,8,1) *NXCOM");
    EXPECT_EQ(TextOf(main, "lblVirtualButton"), "Stream Mode, RBF Disable");
    EXPECT_EQ(TextOf(main, "lblFeedbackSound"), "Touch Down Only");
    EXPECT_EQ(TextOf(main, "lblSleepTime"), "Disable Power Down Function");
    EXPECT_EQ(TextOf(main, "lblMouseSpeed"), "HS=50%, VS=50%, Acceleration=Slow")
        << "the hidden row's label is still filled";
    EXPECT_TRUE(!Shows(main, "cmdMouseSpeed") && !Shows(main, "lblMouseSpeed"));
    EXPECT_FALSE(IsWindowEnabled(Find(main, "cmdMouseSpeed")));
    for (const char* hidden : {"cmdSMIon", "cmdSMIoff", "cmdTest", "cmdUsbDevice", "lblDetection"})
        EXPECT_FALSE(Shows(main, hidden)) << hidden;

    RECT mouseRow, sleepRow, exitButton, serialButton;
    GetWindowRect(Find(main, "cmdMouseSpeed"), &mouseRow);
    GetWindowRect(Find(main, "cmdSleepTime"), &sleepRow);
    GetWindowRect(Find(main, "cmdExit"), &exitButton);
    GetWindowRect(Find(main, "cmdSerialPort"), &serialButton);
    EXPECT_EQ(sleepRow.top, mouseRow.top) << "power save takes the mouse speed row's place";
    EXPECT_EQ(exitButton.top - serialButton.top, 4 * (sleepRow.top - serialButton.top) / 3)
        << "the bottom row moved up one row";

    EXPECT_EQ(SelectedListText(Find(main, "cboCalibration")), " 4 points, mode 2");
    EXPECT_TRUE(ReadConfigNumber("CalibrationMode") == 1u) << "the method is written back at start";
    EXPECT_EQ(TextOf(main, "cmdSupport"), "&About") << "no vendor bitmap";
    std::vector<std::string> log = driver.log();
    EXPECT_TRUE(!log.empty() && log.back() == "IOCTL_READ_SETTINGS") << "the block is read once";

    Press(Find(main, "cmdExit"));
    DWORD code = 1;
    EXPECT_TRUE(panel.waitForExit(5000, &code)) << "Exit ends the program";
}

TEST_F(ControlPanelMain, ASecondStartBringsTheFirstForwardSilently) {
    ASSERT_TRUE(Start());
    Program second("NXWLHCcp.exe");
    DWORD code = 1;
    EXPECT_TRUE(second.waitForExit(10000, &code)) << "the second start ends";
    MessageBoxInfo box;
    EXPECT_FALSE(WaitForMessageBox(kTitle, box, second.id(), 300)) << "without a box";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }))
        << "the first is in front";
    EXPECT_TRUE(Close());
}

TEST_F(ControlPanelMain, StoredCalibrationMethodIsKeptOrMended) {
    ConfigValueGuard method("CalibrationMode");
    const struct {
        DWORD stored;
        bool asString;
        const char* shown;
        DWORD written;
    } cases[] = {{0, false, " 4 points, mode 1", 0},
                 {5, false, " 4 points, mode 2", 1},
                 {0, true, " 4 points, mode 2", 1}};
    for (const auto& c : cases) {
        if (c.asString)
            WriteConfigString("CalibrationMode", "0");
        else
            WriteConfigNumber("CalibrationMode", c.stored);
        ASSERT_TRUE(Start());
        EXPECT_EQ(SelectedListText(Find(main, "cboCalibration")), c.shown)
            << "stored " << c.stored << (c.asString ? " as text" : "");
        EXPECT_TRUE(ReadConfigNumber("CalibrationMode") == c.written) << "stored " << c.stored;
    }
}

TEST_F(ControlPanelMain, DeviceLineFollowsPortRateAndProtocol) {
    ASSERT_TRUE(Start([](DriverBlock& block) {
        block.ComPort = 3;
        block.BaudIndex = 11;
        block.Protocol = 1;
        block.ButtonMode = 4;
        block.RightButtonEnable = 1;
        block.SleepTime = 6;
    }));
    EXPECT_EQ(TextOf(main, "lblUsingDevice"), "COM3, 115200 BPS (N,8,1) *VTCOM");
    EXPECT_EQ(TextOf(main, "lblVirtualButton"), "Drag Drop Mode, RBF Enable ( Manual Mode )");
    EXPECT_EQ(TextOf(main, "lblSleepTime"), "Power Down When Idle  1 Min. ");
    EXPECT_TRUE(Close());
}

TEST_F(ControlPanelMain, StartFailuresEndWithTheirBox) {
    CloseLeftovers();
    driver.reset();
    DriverBlock block = driver.block();
    block.ComPort = 0;
    driver.putBlock(block);
    {
        Program panel("NXWLHCcp.exe");
        EXPECT_TRUE(EndsAfterBox(panel, kTitle, "TouchScreen Controller Not Found!", 5000));
    }
    driver.reset();
    {
        ConfigValueGuard hardware("HardwareID");
        DeleteConfigValue("HardwareID");
        Program panel("NXWLHCcp.exe");
        EXPECT_TRUE(EndsAfterBox(panel, kTitle, "Fail to load data from Register File!", 5000));
    }
    bool stopped = StopDriverService();
    EXPECT_TRUE(stopped);
    if (stopped) {
        Program panel("NXWLHCcp.exe");
        EXPECT_TRUE(EndsAfterBox(panel, kTitle, "Fail to open NXWLHCOM.sys!", 5000));
    }
    EXPECT_TRUE(StartDriverService());
}

TEST_F(ControlPanelMain, SupportButtonFollowsTheVendorFiles) {
    {
        InstallFileGuard cut("NXVender.Cut", "");
        InstallFileGuard bitmap("NXVender.Bmp", BitmapFileBytes(200, 133, RGB(0, 128, 255)));
        ASSERT_TRUE(Start());
        HWND support = Find(main, "cmdSupport");
        EXPECT_EQ(WindowText(support), "");
        EXPECT_FALSE(IsWindowEnabled(support)) << "the cut file disables support";
        Close();
    }
    InstallFileGuard bitmap("NXVender.Bmp", BitmapFileBytes(200, 133, RGB(0, 128, 255)));
    ASSERT_TRUE(Start());
    EXPECT_EQ(TextOf(main, "cmdSupport"), "S&upport");
    Press(Find(main, "cmdSupport"));
    HWND box = WaitForWindowWith(kTitle, "picSupport", 0, kDefaultTimeoutMs);
    EXPECT_TRUE(box) << "the support box shows with the program title; the panel "
                     << (panel->running() ? "runs" : "has ended");
    EXPECT_FALSE(IsWindowVisible(main)) << "the main window hides meanwhile";
    if (box && Find(box, "picSupport")) {
        SaveScreenshot(box, "control_panel_support");
        RECT picture, ok, client;
        GetWindowRect(Find(box, "picSupport"), &picture);
        GetWindowRect(Find(box, "cmdOK"), &ok);
        GetClientRect(box, &client);
        EXPECT_TRUE(picture.right - picture.left >= 200) << "the picture takes the bitmap's size";
        EXPECT_TRUE(ok.top > picture.bottom) << "OK sits under the picture";
        EXPECT_TRUE(std::abs((ok.left + ok.right) / 2 - (picture.left + picture.right) / 2) <= 2)
            << "and is centred";
        Press(Find(box, "cmdOK"));
    }
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }))
        << "OK brings the main back";
    EXPECT_TRUE(Close());
}

TEST_F(ControlPanelMain, AboutBoxComesFromSupportAndFromTheIcon) {
    ASSERT_TRUE(Start());
    for (int way = 0; way < 2; ++way) {
        if (way == 0)
            Press(Find(main, "cmdSupport"));
        else
            Press(Find(main, "imgIcon"), kTwice);
        HWND about = WaitForTopWindow(" About");
        EXPECT_TRUE(about) << (way == 0 ? "&About" : "the icon") << " opens the about box";
        if (!about) break;
        if (way == 0) SaveScreenshot(about, "control_panel_about");
        EXPECT_EQ(TextOf(about, "lblSystem"), "TouchScreen Control Panel Version 7.5.COM");
        EXPECT_TRUE(TextOf(about, "lblCopyright").find("Copyright") != std::string::npos);
        EXPECT_FALSE(IsWindowVisible(main));
        Press(Find(about, "cmdOK"));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    }
    EXPECT_TRUE(Close());
}

TEST_F(ControlPanelMain, ShiftCtrlAltRightPressOnSerialPortShowsTheControllerInformation) {
    ASSERT_TRUE(Start());
    HWND serial = Find(main, "cmdSerialPort");
    Press(serial, kRightButton | kShift | kCtrl);
    PumpFor(300);
    EXPECT_TRUE(IsWindowVisible(main)) << "without Alt nothing happens";
    Press(serial, kRightButton | kShift | kCtrl | kAlt);
    HWND info = WaitForWindowWith(kTitle, "lblMcuInfo", 0, kDefaultTimeoutMs);
    EXPECT_TRUE(info) << "the controller information box shows";
    if (info && Find(info, "lblMcuInfo")) {
        SaveScreenshot(info, "control_panel_mcu_information");
        EXPECT_EQ(WindowText(info), kTitle);
        EXPECT_EQ(TextOf(info, "lblMcuInfo"), "MCU-Mode=01  MCU-Version=4.2  MCU-Code=4E580705");
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    }
    EXPECT_TRUE(Close());
}

TEST_F(ControlPanelMain, AccessKeysTabAndEscWorkAsInAnyWindowsUtility) {
    ASSERT_TRUE(Start());
    auto aboutOpensAndEscCloses = [&](auto press, const char* how) {
        BringForward(main);
        press();
        HWND about = WaitForTopWindow(" About");
        EXPECT_TRUE(about) << how << " presses \"&About\"";
        if (!about) return;
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitForWindowGone(about, 5000)) << "Esc closes the about box";
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    };
    aboutOpensAndEscCloses([] { PressKey('A', true); }, "Alt+A");
    // a Russian layout's A key types "\xF4" (code page 1251): the key still reaches its letter
    LPARAM keyA = LPARAM(1 | (MapVirtualKeyA('A', MAPVK_VK_TO_VSC) << 16) | (1 << 29));
    aboutOpensAndEscCloses([&] { PostMessageA(main, WM_SYSCHAR, 0xF4, keyA); },
                           "Alt and the A key under a Cyrillic layout");
    BringForward(main);
    PressKey(VK_TAB);
    HWND first = FocusOf(main);
    PressKey(VK_TAB);
    HWND second = FocusOf(main);
    EXPECT_TRUE(first && second && first != second && IsChild(main, first) && IsChild(main, second))
        << "Tab moves the focus from control to control";
    PressKey('X', true);
    EXPECT_TRUE(panel->waitForExit(5000)) << "Alt+X presses \"E&xit\"";
}
