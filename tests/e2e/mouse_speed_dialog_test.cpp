// The mouse speed dialog as a user reaches it (Alt+M on the main window) and uses it.
#include "e2e_test.h"
#include "settings_dialog_steps.h"

using namespace settings_steps;

namespace {

const char* const kSpeedControls[] = {"chkBoth",
                                      "hscMouseHSpeed",
                                      "hscMouseVSpeed",
                                      "optAcceleration(1)",
                                      "optAcceleration(2)",
                                      "optAcceleration(3)",
                                      "optAcceleration(4)"};

HWND StartWithSpeeds(Program& panel, SimDriver& driver, int h, int v, int acceleration,
                     int bypass) {
    driver.reset();
    DriverBlock block = driver.block();
    block.SpeedH = uint8_t(h);
    block.SpeedV = uint8_t(v);
    block.Acceleration = uint8_t(acceleration);
    block.BypassMode = uint8_t(bypass);
    driver.putBlock(block);
    HWND main = StartPanel(panel);
    driver.clearLog();
    return main;
}

// Alt+M on the main window: the dialog is the foreground window that holds the speed bars.
HWND OpenWithAltM(HWND main) {
    SetForegroundWindow(main);
    PressKey('M', true);
    HWND dialog = nullptr;
    WaitUntil([&] {
        dialog = GetForegroundWindow();
        return dialog != main && Find(dialog, "hscMouseHSpeed") != nullptr;
    });
    return dialog && Find(dialog, "hscMouseHSpeed") ? dialog : nullptr;
}

}  // namespace

E2E_TEST(MouseSpeedDialog, AltMOpensItAndCtrlAltMDoesNot) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    HWND main = StartWithSpeeds(panel, driver, 10, 10, 1, 0);
    if (!(CHECK(main) << "the main window shows")) return;
    SetForegroundWindow(main);
    PressKey('M', true, true);
    PumpFor(300);
    CHECK(IsWindowVisible(main) && !Find(GetForegroundWindow(), "hscMouseHSpeed"))
        << "Ctrl+Alt+M opens nothing";
    HWND dialog = OpenWithAltM(main);
    if (!(CHECK(dialog) << "Alt+M opens the mouse speed dialog")) return;
    SaveScreenshot(dialog, "control_panel_mouse_speed");
    CHECK_EQ(WindowText(dialog), std::string(kTitle));
    CHECK_EQ(TextOf(dialog, "lblSystem"), TextOf(main, "lblSystem"));
    CHECK(!IsWindowVisible(main)) << "the main window hides while the dialog is open";
    CHECK(!Enabled(dialog, "cmdApply"));
    Press(Find(dialog, "cmdCandel"));
    CHECK(BackAtMain(main)) << "Cancel brings the main window back with the focus";
    CHECK(driver.log().empty()) << "Cancel sends nothing:" << Joined(driver.log());
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
}

E2E_TEST(MouseSpeedDialog, DifferingSpeedsOpenCoupledAndOkAppliesThem) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    HWND main = StartWithSpeeds(panel, driver, 4, 12, 2, 0);
    if (!CHECK(main)) return;
    HWND dialog = OpenWithAltM(main);
    if (!CHECK(dialog)) return;
    CHECK_EQ(BarValue(dialog, "hscMouseHSpeed"), 12) << "the vertical speed is set last";
    CHECK_EQ(BarValue(dialog, "hscMouseVSpeed"), 12);
    CHECK_EQ(TextOf(dialog, "lblHS"), std::string("60%"));
    CHECK_EQ(TextOf(dialog, "lblVS"), std::string("60%"));
    CHECK(Ticked(dialog, "chkBoth")) << "chkBoth is ticked at every opening";
    CHECK(!Ticked(dialog, "chkBypass"));
    const char* names[] = {"", "Slow", "Medium", "Fast", "Off"};
    for (int index = 1; index <= 4; ++index) {
        std::string option = "optAcceleration(" + std::to_string(index) + ")";
        CHECK_EQ(TextOf(dialog, option), std::string(names[index]));
        CHECK_EQ(Ticked(dialog, option), index == 2) << option;
        CHECK(CaptionShowsTeal(dialog, option, index != 2)) << option << " caption colour";
    }
    CHECK(CaptionShowsTeal(dialog, "chkBoth", false)) << "a ticked chkBoth is black";
    CHECK(Enabled(dialog, "cmdApply")) << "the horizontal bar differs from the stored speed";
    Press(Find(dialog, "cmdOK"));
    CHECK(BackAtMain(main)) << "OK closes the dialog";
    std::vector<std::string> log = driver.log();
    CHECK(log ==
          std::vector<std::string>{
              "IOCTL_SET_MOUSE_SPEED BypassMode=0 SpeedH=12 SpeedV=12 Acceleration=2"})
        << "OK applies first:" << Joined(log);
    CHECK_EQ(TextOf(main, "lblMouseSpeed"), std::string("HS=60%, VS=60%, Acceleration=Medium"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    driver.reset();
}

E2E_TEST(MouseSpeedDialog, BarsChoicesAndBypassEnableApplyExactlyWhileSomethingDiffers) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    HWND main = StartWithSpeeds(panel, driver, 10, 10, 1, 0);
    if (!CHECK(main)) return;
    HWND dialog = OpenWithAltM(main);
    if (!CHECK(dialog)) return;
    CHECK(!Enabled(dialog, "cmdApply"));
    CHECK_EQ(TextOf(dialog, "lblHS"), std::string("50%"));

    ClickArrow(dialog, "hscMouseHSpeed", true);
    CHECK(WaitUntil([&] { return BarValue(dialog, "hscMouseVSpeed") == 11; }))
        << "the coupled vertical bar follows";
    CHECK_EQ(TextOf(dialog, "lblHS"), std::string("55%"));
    CHECK_EQ(TextOf(dialog, "lblVS"), std::string("55%"));
    CHECK(Enabled(dialog, "cmdApply"));
    ClickArrow(dialog, "hscMouseVSpeed", false);
    CHECK(WaitUntil([&] { return BarValue(dialog, "hscMouseHSpeed") == 10; }));
    CHECK(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); })) << "back at the stored speeds";

    Press(Find(dialog, "chkBoth"));
    CHECK(WaitUntil([&] { return !Ticked(dialog, "chkBoth"); }));
    CHECK(CaptionShowsTeal(dialog, "chkBoth", true)) << "an unticked chkBoth is teal";
    ClickArrow(dialog, "hscMouseHSpeed", true);
    CHECK(WaitUntil([&] { return BarValue(dialog, "hscMouseHSpeed") == 11; }));
    CHECK_EQ(BarValue(dialog, "hscMouseVSpeed"), 10) << "uncoupled, the partner stays";
    Press(Find(dialog, "chkBoth"));
    CHECK(WaitUntil([&] { return Ticked(dialog, "chkBoth"); }));
    CHECK_EQ(BarValue(dialog, "hscMouseVSpeed"), 10) << "ticking again does not realign";

    Press(Find(dialog, "optAcceleration(3)"));
    CHECK(WaitUntil([&] { return Ticked(dialog, "optAcceleration(3)"); }));
    CHECK(!Ticked(dialog, "optAcceleration(1)"));
    CHECK(CaptionShowsTeal(dialog, "optAcceleration(1)", true));
    CHECK(CaptionShowsTeal(dialog, "optAcceleration(3)", false));

    Press(Find(dialog, "chkBypass"));
    CHECK(WaitUntil([&] { return !Enabled(dialog, "chkBoth"); })) << "bypass greys";
    for (const char* name : kSpeedControls) CHECK(!Enabled(dialog, name)) << name << " greyed";
    for (const char* name : {"chkBypass", "cmdCandel", "cmdOK", "cmdApply"})
        CHECK(Enabled(dialog, name)) << name << " stays enabled";
    SaveScreenshot(dialog, "control_panel_mouse_speed_bypass");

    Press(Find(dialog, "cmdApply"));
    CHECK(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); })) << "Apply goes dark";
    std::vector<std::string> log = driver.log();
    CHECK(log ==
          std::vector<std::string>{
              "IOCTL_SET_MOUSE_SPEED BypassMode=1 SpeedH=11 SpeedV=10 Acceleration=3"})
        << "the greyed values are stored too:" << Joined(log);
    CHECK_EQ(TextOf(main, "lblMouseSpeed"), std::string("Enable Bypass Mode"));
    CHECK(IsWindowVisible(dialog)) << "Apply keeps the dialog open";

    Press(Find(dialog, "chkBypass"));
    CHECK(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    for (const char* name : kSpeedControls)
        CHECK(Enabled(dialog, name)) << name << " enabled again";
    driver.clearLog();
    Press(Find(dialog, "cmdCandel"));
    CHECK(BackAtMain(main));
    CHECK(driver.log().empty()) << "Cancel drops the edit:" << Joined(driver.log());
    DriverBlock held = driver.block();
    CHECK_EQ(int(held.BypassMode), 1) << "the Apply made stays in force";
    CHECK_EQ(TextOf(main, "lblMouseSpeed"), std::string("Enable Bypass Mode"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    driver.reset();
}

E2E_TEST(MouseSpeedDialog, ADraggedThumbCarriesThePartnerAndBothLabels) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    HWND main = StartWithSpeeds(panel, driver, 5, 5, 1, 0);
    if (!CHECK(main)) return;
    HWND dialog = OpenWithAltM(main);
    if (!CHECK(dialog)) return;
    RECT bar;
    GetWindowRect(Find(dialog, "hscMouseHSpeed"), &bar);
    DragThumb(dialog, "hscMouseHSpeed", 1, 20, (bar.right - bar.left) / 3, [&] {
        CHECK(WaitUntil([&] { return BarValue(dialog, "hscMouseHSpeed") > 5; }))
            << "the thumb moved";
        int value = BarValue(dialog, "hscMouseHSpeed");
        std::string percent = std::to_string(value * 5) + "%";
        CHECK(WaitUntil([&] { return BarValue(dialog, "hscMouseVSpeed") == value; }))
            << "the partner follows while the thumb is held";
        CHECK_EQ(TextOf(dialog, "lblHS"), percent) << "the dragged bar's label follows";
        CHECK_EQ(TextOf(dialog, "lblVS"), percent);
        CHECK(Enabled(dialog, "cmdApply"));
    });
    CHECK(WaitUntil(
        [&] { return BarValue(dialog, "hscMouseVSpeed") == BarValue(dialog, "hscMouseHSpeed"); }));
    Press(Find(dialog, "cmdCandel"));
    CHECK(BackAtMain(main));
    CHECK(driver.log().empty()) << Joined(driver.log());
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    driver.reset();
}

E2E_TEST(MouseSpeedDialog, TheKeyboardTicksChoosesAndPressesAsInAnyDialog) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    HWND main = StartWithSpeeds(panel, driver, 10, 10, 1, 0);
    if (!CHECK(main)) return;
    HWND dialog = OpenWithAltM(main);
    if (!CHECK(dialog)) return;
    CHECK(WaitUntil([&] { return FocusName(dialog) == "chkBoth"; }))
        << "the first tab stop has the focus, not " << FocusName(dialog);
    PressKey(VK_SPACE);
    CHECK(WaitUntil([&] { return !Ticked(dialog, "chkBoth"); })) << "Space toggles a check box";
    PressKey(VK_SPACE);
    CHECK(WaitUntil([&] { return Ticked(dialog, "chkBoth"); }));
    for (const char* stop : {"chkBypass", "hscMouseHSpeed", "hscMouseVSpeed", "optAcceleration(1)"})
        CHECK(KeyTakesFocusTo(dialog, VK_TAB, stop)) << "Tab to " << stop << ", not "
                                                     << FocusName(dialog);
    CHECK(KeyTakesFocusTo(dialog, VK_DOWN, "optAcceleration(2)"));
    CHECK(WaitUntil([&] { return Ticked(dialog, "optAcceleration(2)"); }));
    CHECK(WaitUntil([&] { return Enabled(dialog, "cmdApply"); })) << "an arrow key's choice";
    CHECK(KeyTakesFocusTo(dialog, VK_UP, "optAcceleration(1)"));
    CHECK(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); })) << "back at the stored level";
    CHECK(KeyTakesFocusTo(dialog, VK_UP, "optAcceleration(4)")) << "the arrows wrap";
    CHECK(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    for (const char* stop : {"cmdCandel", "cmdOK", "cmdApply"})
        CHECK(KeyTakesFocusTo(dialog, VK_TAB, stop)) << "Tab to " << stop;
    PressKey(VK_SPACE);
    CHECK(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); })) << "Space presses a button";
    CHECK(driver.log() == std::vector<std::string>{"IOCTL_SET_MOUSE_SPEED BypassMode=0 SpeedH=10 "
                                                   "SpeedV=10 Acceleration=4"})
        << Joined(driver.log());
    CHECK(WaitUntil([&] { return FocusName(dialog) == "chkBoth"; }))
        << "Apply gone dark hands the focus on, here to " << FocusName(dialog);
    CHECK(KeyTakesFocusTo(dialog, VK_TAB, "chkBypass"));
    PressKey(VK_SPACE);
    CHECK(WaitUntil([&] { return !Enabled(dialog, "hscMouseHSpeed"); }));
    CHECK(KeyTakesFocusTo(dialog, VK_TAB, "cmdCandel")) << "greyed controls are passed by";
    PressKey(VK_SPACE);
    CHECK(BackAtMain(main)) << "Space on Cancel closes";
    CHECK_EQ(driver.log().size(), size_t(1)) << Joined(driver.log());
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    driver.reset();
}
