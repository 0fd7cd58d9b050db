// The control panel's main window as a user starts and uses it.
#include <windows.h>

#include <cstdlib>

#include "config_key.h"
#include "desktop.h"
#include "driver_service.h"
#include "e2e_test.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

const char kTitle[] = " TouchScreen Control Panel #NX-COM";

void CloseLeftoverPanels() { CloseLeftoverWindows(kTitle, 0); }

std::string TextOf(HWND window, const char* name) {
    HWND control = FindControlByName(window, name);
    return control ? WindowText(control) : "<no " + std::string(name) + ">";
}

bool Shows(HWND window, const char* name) {
    HWND control = FindControlByName(window, name);
    return control && IsWindowVisible(control);
}

// A drop-down list's window text is its selected entry.
std::string SelectedListText(HWND list) { return list ? WindowText(list) : "<no list>"; }

// The visible window with this title that holds the named control.
HWND FindTopWindowWith(const char* title, const char* control) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
        if (IsWindowVisible(w) && WindowText(w) == title && FindControlByName(w, control)) return w;
    return nullptr;
}

// Starts the control panel on a freshly reset driver; null when its main window did not show.
HWND StartPanel(Program& panel) {
    return panel.started() ? WaitForTopWindow(kTitle) : nullptr;
}

bool EndsAfterBox(Program& panel, const std::string& text) {
    MessageBoxInfo box;
    if (!CHECK(WaitForMessageBox(kTitle, box, panel.id()))) return false;
    CHECK_EQ(box.text, text);
    CHECK_EQ(box.icon, std::string("stop"));
    AnswerMessageBox(box, "OK");
    return bool(CHECK(panel.waitForExit(5000)) << "the program ends after \"" << text << "\"");
}

}  // namespace

E2E_TEST(ControlPanelMain, StartsWithTheDriversSettingsInItsStatusLines) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    ConfigValueGuard method("CalibrationMode");
    DeleteConfigValue("CalibrationMode");
    Program panel("NXWLHCcp.exe");
    HWND main = StartPanel(panel);
    if (!(CHECK(main) << "the main window shows")) return;
    SaveScreenshot(main, "control_panel_main");
    CHECK_EQ(TextOf(main, "lblSystem"), std::string("TouchScreen Control Panel Version 7.5.COM"));
    CHECK_EQ(TextOf(main, "lblOemTitle"), *ReadConfigString("VenderName"));
    CHECK_EQ(TextOf(main, "lblUsingDevice"), std::string("COM1, 9600 BPS (N,8,1) *NXCOM"));
    CHECK_EQ(TextOf(main, "lblVirtualButton"), std::string("Stream Mode, RBF Disable"));
    CHECK_EQ(TextOf(main, "lblFeedbackSound"), std::string("Touch Down Only"));
    CHECK_EQ(TextOf(main, "lblSleepTime"), std::string("Disable Power Down Function"));
    CHECK_EQ(TextOf(main, "lblMouseSpeed"), std::string("HS=50%, VS=50%, Acceleration=Slow"))
        << "the hidden row's label is still filled";
    CHECK(!Shows(main, "cmdMouseSpeed") && !Shows(main, "lblMouseSpeed"));
    CHECK(!IsWindowEnabled(FindControlByName(main, "cmdMouseSpeed")));
    for (const char* hidden : {"cmdSMIon", "cmdSMIoff", "cmdTest", "cmdUsbDevice", "lblDetection"})
        CHECK(!Shows(main, hidden)) << hidden;

    RECT mouseRow, sleepRow, exitButton, serialButton;
    GetWindowRect(FindControlByName(main, "cmdMouseSpeed"), &mouseRow);
    GetWindowRect(FindControlByName(main, "cmdSleepTime"), &sleepRow);
    GetWindowRect(FindControlByName(main, "cmdExit"), &exitButton);
    GetWindowRect(FindControlByName(main, "cmdSerialPort"), &serialButton);
    CHECK_EQ(sleepRow.top, mouseRow.top) << "power save takes the mouse speed row's place";
    CHECK_EQ(exitButton.top - serialButton.top, 4 * (sleepRow.top - serialButton.top) / 3)
        << "the bottom row moved up one row";

    CHECK_EQ(SelectedListText(FindControlByName(main, "cboCalibration")),
             std::string(" 4 points, mode 2"));
    CHECK(ReadConfigNumber("CalibrationMode") == 1u) << "the method is written back at start";
    CHECK_EQ(TextOf(main, "cmdSupport"), std::string("&About")) << "no vendor bitmap";
    std::vector<std::string> log = driver.log();
    CHECK(!log.empty() && log.back() == "IOCTL_READ_SETTINGS") << "the block is read once";

    Click(FindControlByName(main, "cmdExit"));
    DWORD code = 1;
    CHECK(panel.waitForExit(5000, &code)) << "Exit ends the program";
}

E2E_TEST(ControlPanelMain, ASecondStartBringsTheFirstForwardSilently) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    Program first("NXWLHCcp.exe");
    HWND main = StartPanel(first);
    if (!CHECK(main)) return;
    Program second("NXWLHCcp.exe");
    DWORD code = 1;
    CHECK(second.waitForExit(10000, &code)) << "the second start ends";
    MessageBoxInfo box;
    CHECK(!WaitForMessageBox(kTitle, box, second.id(), 300)) << "without a box";
    CHECK(WaitUntil([&] { return GetForegroundWindow() == main; })) << "the first is in front";
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(first.waitForExit(5000));
}

E2E_TEST(ControlPanelMain, StoredCalibrationMethodIsKeptOrMended) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
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
        if (c.asString) WriteConfigString("CalibrationMode", "0");
        else WriteConfigNumber("CalibrationMode", c.stored);
        Program panel("NXWLHCcp.exe");
        HWND main = StartPanel(panel);
        if (!CHECK(main)) return;
        CHECK_EQ(SelectedListText(FindControlByName(main, "cboCalibration")), std::string(c.shown))
            << "stored " << c.stored << (c.asString ? " as text" : "");
        CHECK(ReadConfigNumber("CalibrationMode") == c.written) << "stored " << c.stored;
        PostMessageA(main, WM_CLOSE, 0, 0);
        panel.waitForExit(5000);
    }
}

E2E_TEST(ControlPanelMain, DeviceLineFollowsPortRateAndProtocol) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    DriverBlock block = driver.block();
    block.ComPort = 3;
    block.BaudIndex = 11;
    block.Protocol = 1;
    block.ButtonMode = 4;
    block.RightButtonEnable = 1;
    block.SleepTime = 6;
    driver.putBlock(block);
    Program panel("NXWLHCcp.exe");
    HWND main = StartPanel(panel);
    if (!CHECK(main)) return;
    CHECK_EQ(TextOf(main, "lblUsingDevice"), std::string("COM3, 115200 BPS (N,8,1) *VTCOM"));
    CHECK_EQ(TextOf(main, "lblVirtualButton"),
             std::string("Drag Drop Mode, RBF Enable ( Manual Mode )"));
    CHECK_EQ(TextOf(main, "lblSleepTime"), std::string("Power Down When Idle  1 Min. "));
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    driver.reset();
}

E2E_TEST(ControlPanelMain, StartFailuresEndWithTheirBox) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    DriverBlock block = driver.block();
    block.ComPort = 0;
    driver.putBlock(block);
    {
        Program panel("NXWLHCcp.exe");
        EndsAfterBox(panel, "TouchScreen Controller Not Found!");
    }
    driver.reset();
    {
        ConfigValueGuard hardware("HardwareID");
        DeleteConfigValue("HardwareID");
        Program panel("NXWLHCcp.exe");
        EndsAfterBox(panel, "Fail to load data from Register File!");
    }
    if (CHECK(StopDriverService())) {
        Program panel("NXWLHCcp.exe");
        EndsAfterBox(panel, "Fail to open NXWLHCOM.sys!");
    }
    CHECK(StartDriverService());
}

E2E_TEST(ControlPanelMain, SupportButtonFollowsTheVendorFiles) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    {
        InstallFileGuard cut("NXVender.Cut", "");
        InstallFileGuard bitmap("NXVender.Bmp", BitmapFileBytes(200, 133, RGB(0, 128, 255)));
        Program panel("NXWLHCcp.exe");
        HWND main = StartPanel(panel);
        if (!CHECK(main)) return;
        HWND support = FindControlByName(main, "cmdSupport");
        CHECK_EQ(WindowText(support), std::string(""));
        CHECK(!IsWindowEnabled(support)) << "the cut file disables support";
        PostMessageA(main, WM_CLOSE, 0, 0);
        panel.waitForExit(5000);
    }
    InstallFileGuard bitmap("NXVender.Bmp", BitmapFileBytes(200, 133, RGB(0, 128, 255)));
    Program panel("NXWLHCcp.exe");
    HWND main = StartPanel(panel);
    if (!CHECK(main)) return;
    CHECK_EQ(TextOf(main, "cmdSupport"), std::string("S&upport"));
    Click(FindControlByName(main, "cmdSupport"));
    HWND box = nullptr;
    CHECK(WaitUntil([&] {
        box = FindTopWindowWith(kTitle, "picSupport");
        return box != nullptr;
    })) << "the support box shows with the program title; the panel "
         << (panel.running() ? "runs" : "has ended");
    CHECK(!IsWindowVisible(main)) << "the main window hides meanwhile";
    if (box && FindControlByName(box, "picSupport")) {
        SaveScreenshot(box, "control_panel_support");
        RECT picture, ok, client;
        GetWindowRect(FindControlByName(box, "picSupport"), &picture);
        GetWindowRect(FindControlByName(box, "cmdOK"), &ok);
        GetClientRect(box, &client);
        CHECK(picture.right - picture.left >= 200) << "the picture takes the bitmap's size";
        CHECK(ok.top > picture.bottom) << "OK sits under the picture";
        CHECK(std::abs((ok.left + ok.right) / 2 - (picture.left + picture.right) / 2) <= 2)
            << "and is centred";
        Click(FindControlByName(box, "cmdOK"));
    }
    CHECK(WaitUntil([&] { return IsWindowVisible(main) != FALSE; })) << "OK brings the main back";
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
}

E2E_TEST(ControlPanelMain, AboutBoxComesFromSupportAndFromTheIcon) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    Program panel("NXWLHCcp.exe");
    HWND main = StartPanel(panel);
    if (!CHECK(main)) return;
    for (int way = 0; way < 2; ++way) {
        if (way == 0) Click(FindControlByName(main, "cmdSupport"));
        else DoubleClick(FindControlByName(main, "imgIcon"));
        HWND about = WaitForTopWindow(" About");
        if (!(CHECK(about) << (way == 0 ? "&About" : "the icon") << " opens the about box")) break;
        if (way == 0) SaveScreenshot(about, "control_panel_about");
        CHECK_EQ(TextOf(about, "lblSystem"), std::string("TouchScreen Control Panel Version 7.5.COM"));
        CHECK(TextOf(about, "lblCopyright").find("Copyright") != std::string::npos);
        CHECK(!IsWindowVisible(main));
        Click(FindControlByName(about, "cmdOK"));
        CHECK(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
}

E2E_TEST(ControlPanelMain, ShiftCtrlAltRightPressOnSerialPortShowsTheControllerInformation) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    Program panel("NXWLHCcp.exe");
    HWND main = StartPanel(panel);
    if (!CHECK(main)) return;
    HWND serial = FindControlByName(main, "cmdSerialPort");
    ClickWithKeys(serial, true, true, true, false);
    PumpFor(300);
    CHECK(IsWindowVisible(main)) << "without Alt nothing happens";
    ClickWithKeys(serial, true, true, true, true);
    HWND info = nullptr;
    CHECK(WaitUntil([&] {
        info = FindTopWindowWith(kTitle, "lblMcuInfo");
        return info != nullptr;
    })) << "the controller information box shows";
    if (info && FindControlByName(info, "lblMcuInfo")) {
        SaveScreenshot(info, "control_panel_mcu_information");
        CHECK_EQ(WindowText(info), std::string(kTitle));
        CHECK_EQ(TextOf(info, "lblMcuInfo"),
                 std::string("MCU-Mode=01  MCU-Version=4.2  MCU-Code=4E580705"));
        PressKey(VK_ESCAPE);
        CHECK(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
}

E2E_TEST(ControlPanelMain, AccessKeysTabAndEscWorkAsInAnyWindowsUtility) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    Program panel("NXWLHCcp.exe");
    HWND main = StartPanel(panel);
    if (!CHECK(main)) return;
    SetForegroundWindow(main);
    WaitUntil([&] { return GetForegroundWindow() == main; });
    PressKey('A', true);
    HWND about = WaitForTopWindow(" About");
    if (CHECK(about) << "Alt+A presses \"&About\"") {
        PressKey(VK_ESCAPE);
        CHECK(WaitForWindowGone(about, 5000)) << "Esc closes the about box";
        CHECK(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    }
    SetForegroundWindow(main);
    WaitUntil([&] { return GetForegroundWindow() == main; });
    auto focused = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
        return info.hwndFocus;
    };
    PressKey(VK_TAB);
    HWND first = focused();
    PressKey(VK_TAB);
    HWND second = focused();
    CHECK(first && second && first != second && IsChild(main, first) && IsChild(main, second))
        << "Tab moves the focus from control to control";
    PressKey('X', true);
    CHECK(panel.waitForExit(5000)) << "Alt+X presses \"E&xit\"";
}
