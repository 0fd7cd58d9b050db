// The mouse speed dialog as a user reaches it (Alt+M on the main window) and uses it.
#include "e2e_test.h"
#include "control_panel_steps.h"

using namespace panel_steps;

namespace {

const char* const kSpeedControls[] = {"chkBoth",
                                      "hscMouseHSpeed",
                                      "hscMouseVSpeed",
                                      "optAcceleration(1)",
                                      "optAcceleration(2)",
                                      "optAcceleration(3)",
                                      "optAcceleration(4)"};

class MouseSpeedDialog : public ControlPanelTest {};

// The driver's speeds as a test starts the panel on them.
std::function<void(DriverBlock&)> Speeds(int h, int v, int acceleration, int bypass) {
    return [=](DriverBlock& block) {
        block.SpeedH = uint8_t(h);
        block.SpeedV = uint8_t(v);
        block.Acceleration = uint8_t(acceleration);
        block.BypassMode = uint8_t(bypass);
    };
}

// Alt+M on the main window: the dialog is the foreground window that holds the speed bars.
HWND OpenWithAltM(HWND main) {
    SetForegroundWindow(main);
    PressKey('M', true);
    return ForegroundDialog(main, "hscMouseHSpeed");
}

}  // namespace

TEST_F(MouseSpeedDialog, AltMOpensItAndCtrlAltMDoesNot) {
    ASSERT_TRUE(Start(Speeds(10, 10, 1, 0))) << "the main window shows";
    SetForegroundWindow(main);
    PressKey('M', true, true);
    PumpFor(300);
    EXPECT_TRUE(IsWindowVisible(main) && !Find(GetForegroundWindow(), "hscMouseHSpeed"))
        << "Ctrl+Alt+M opens nothing";
    HWND dialog = OpenWithAltM(main);
    ASSERT_TRUE(dialog) << "Alt+M opens the mouse speed dialog";
    SaveScreenshot(dialog, "control_panel_mouse_speed");
    EXPECT_EQ(WindowText(dialog), kTitle);
    EXPECT_EQ(TextOf(dialog, "lblSystem"), TextOf(main, "lblSystem"));
    EXPECT_FALSE(IsWindowVisible(main)) << "the main window hides while the dialog is open";
    EXPECT_FALSE(Enabled(dialog, "cmdApply"));
    Press(Find(dialog, "cmdCandel"));
    EXPECT_TRUE(BackAtMain(main)) << "Cancel brings the main window back with the focus";
    EXPECT_TRUE(driver.log().empty()) << "Cancel sends nothing:" << Lines(driver.log());
    EXPECT_TRUE(Close());
}

TEST_F(MouseSpeedDialog, DifferingSpeedsOpenCoupledAndOkAppliesThem) {
    ASSERT_TRUE(Start(Speeds(4, 12, 2, 0)));
    HWND dialog = OpenWithAltM(main);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(BarValue(dialog, "hscMouseHSpeed"), 12) << "the vertical speed is set last";
    EXPECT_EQ(BarValue(dialog, "hscMouseVSpeed"), 12);
    EXPECT_EQ(TextOf(dialog, "lblHS"), "60%");
    EXPECT_EQ(TextOf(dialog, "lblVS"), "60%");
    EXPECT_TRUE(Ticked(dialog, "chkBoth")) << "chkBoth is ticked at every opening";
    EXPECT_FALSE(Ticked(dialog, "chkBypass"));
    const char* names[] = {"", "Slow", "Medium", "Fast", "Off"};
    for (int index = 1; index <= 4; ++index) {
        std::string option = "optAcceleration(" + std::to_string(index) + ")";
        EXPECT_EQ(TextOf(dialog, option), names[index]);
        EXPECT_EQ(Ticked(dialog, option), index == 2) << option;
        EXPECT_TRUE(CaptionShowsTeal(dialog, option, index != 2)) << option << " caption colour";
    }
    EXPECT_TRUE(CaptionShowsTeal(dialog, "chkBoth", false)) << "a ticked chkBoth is black";
    EXPECT_TRUE(Enabled(dialog, "cmdApply")) << "the horizontal bar differs from the stored speed";
    Press(Find(dialog, "cmdOK"));
    EXPECT_TRUE(BackAtMain(main)) << "OK closes the dialog";
    EXPECT_TRUE(
        driver.logIs({"IOCTL_SET_MOUSE_SPEED BypassMode=0 SpeedH=12 SpeedV=12 Acceleration=2"}))
        << "OK applies first";
    EXPECT_EQ(TextOf(main, "lblMouseSpeed"), "HS=60%, VS=60%, Acceleration=Medium");
    EXPECT_TRUE(Close());
}

TEST_F(MouseSpeedDialog, BarsChoicesAndBypassEnableApplyExactlyWhileSomethingDiffers) {
    ASSERT_TRUE(Start(Speeds(10, 10, 1, 0)));
    HWND dialog = OpenWithAltM(main);
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(Enabled(dialog, "cmdApply"));
    EXPECT_EQ(TextOf(dialog, "lblHS"), "50%");

    ClickArrow(dialog, "hscMouseHSpeed", true);
    EXPECT_TRUE(WaitUntil([&] { return BarValue(dialog, "hscMouseVSpeed") == 11; }))
        << "the coupled vertical bar follows";
    EXPECT_EQ(TextOf(dialog, "lblHS"), "55%");
    EXPECT_EQ(TextOf(dialog, "lblVS"), "55%");
    EXPECT_TRUE(Enabled(dialog, "cmdApply"));
    ClickArrow(dialog, "hscMouseVSpeed", false);
    EXPECT_TRUE(WaitUntil([&] { return BarValue(dialog, "hscMouseHSpeed") == 10; }));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }))
        << "back at the stored speeds";

    Press(Find(dialog, "chkBoth"));
    EXPECT_TRUE(WaitUntil([&] { return !Ticked(dialog, "chkBoth"); }));
    EXPECT_TRUE(CaptionShowsTeal(dialog, "chkBoth", true)) << "an unticked chkBoth is teal";
    ClickArrow(dialog, "hscMouseHSpeed", true);
    EXPECT_TRUE(WaitUntil([&] { return BarValue(dialog, "hscMouseHSpeed") == 11; }));
    EXPECT_EQ(BarValue(dialog, "hscMouseVSpeed"), 10) << "uncoupled, the partner stays";
    Press(Find(dialog, "chkBoth"));
    EXPECT_TRUE(WaitUntil([&] { return Ticked(dialog, "chkBoth"); }));
    EXPECT_EQ(BarValue(dialog, "hscMouseVSpeed"), 10) << "ticking again does not realign";

    Press(Find(dialog, "optAcceleration(3)"));
    EXPECT_TRUE(WaitUntil([&] { return Ticked(dialog, "optAcceleration(3)"); }));
    EXPECT_FALSE(Ticked(dialog, "optAcceleration(1)"));
    EXPECT_TRUE(CaptionShowsTeal(dialog, "optAcceleration(1)", true));
    EXPECT_TRUE(CaptionShowsTeal(dialog, "optAcceleration(3)", false));

    Press(Find(dialog, "chkBypass"));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "chkBoth"); })) << "bypass greys";
    for (const char* name : kSpeedControls)
        EXPECT_FALSE(Enabled(dialog, name)) << name << " greyed";
    for (const char* name : {"chkBypass", "cmdCandel", "cmdOK", "cmdApply"})
        EXPECT_TRUE(Enabled(dialog, name)) << name << " stays enabled";
    SaveScreenshot(dialog, "control_panel_mouse_speed_bypass");

    Press(Find(dialog, "cmdApply"));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); })) << "Apply goes dark";
    EXPECT_TRUE(
        driver.logIs({"IOCTL_SET_MOUSE_SPEED BypassMode=1 SpeedH=11 SpeedV=10 Acceleration=3"}))
        << "the greyed values are stored too";
    EXPECT_EQ(TextOf(main, "lblMouseSpeed"), "Enable Bypass Mode");
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Apply keeps the dialog open";

    Press(Find(dialog, "chkBypass"));
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    for (const char* name : kSpeedControls)
        EXPECT_TRUE(Enabled(dialog, name)) << name << " enabled again";
    driver.clearLog();
    Press(Find(dialog, "cmdCandel"));
    EXPECT_TRUE(BackAtMain(main));
    EXPECT_TRUE(driver.log().empty()) << "Cancel drops the edit:" << Lines(driver.log());
    DriverBlock held = driver.block();
    EXPECT_EQ(int(held.BypassMode), 1) << "the Apply made stays in force";
    EXPECT_EQ(TextOf(main, "lblMouseSpeed"), "Enable Bypass Mode");
    EXPECT_TRUE(Close());
}

TEST_F(MouseSpeedDialog, ADraggedThumbCarriesThePartnerAndBothLabels) {
    ASSERT_TRUE(Start(Speeds(5, 5, 1, 0)));
    HWND dialog = OpenWithAltM(main);
    ASSERT_TRUE(dialog);
    RECT bar;
    GetWindowRect(Find(dialog, "hscMouseHSpeed"), &bar);
    DragThumb(dialog, "hscMouseHSpeed", 1, 20, (bar.right - bar.left) / 3, [&] {
        EXPECT_TRUE(WaitUntil([&] { return BarValue(dialog, "hscMouseHSpeed") > 5; }))
            << "the thumb moved";
        int value = BarValue(dialog, "hscMouseHSpeed");
        std::string percent = std::to_string(value * 5) + "%";
        EXPECT_TRUE(WaitUntil([&] { return BarValue(dialog, "hscMouseVSpeed") == value; }))
            << "the partner follows while the thumb is held";
        EXPECT_EQ(TextOf(dialog, "lblHS"), percent) << "the dragged bar's label follows";
        EXPECT_EQ(TextOf(dialog, "lblVS"), percent);
        EXPECT_TRUE(Enabled(dialog, "cmdApply"));
    });
    EXPECT_TRUE(WaitUntil(
        [&] { return BarValue(dialog, "hscMouseVSpeed") == BarValue(dialog, "hscMouseHSpeed"); }));
    Press(Find(dialog, "cmdCandel"));
    EXPECT_TRUE(BackAtMain(main));
    EXPECT_TRUE(driver.log().empty()) << Lines(driver.log());
    EXPECT_TRUE(Close());
}

TEST_F(MouseSpeedDialog, TheKeyboardTicksChoosesAndPressesAsInAnyDialog) {
    ASSERT_TRUE(Start(Speeds(10, 10, 1, 0)));
    HWND dialog = OpenWithAltM(main);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(WaitUntil([&] { return FocusName(dialog) == "chkBoth"; }))
        << "the first tab stop has the focus, not " << FocusName(dialog);
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return !Ticked(dialog, "chkBoth"); }))
        << "Space toggles a check box";
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return Ticked(dialog, "chkBoth"); }));
    for (const char* stop : {"chkBypass", "hscMouseHSpeed", "hscMouseVSpeed", "optAcceleration(1)"})
        EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, stop))
            << "Tab to " << stop << ", not " << FocusName(dialog);
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_DOWN, "optAcceleration(2)"));
    EXPECT_TRUE(WaitUntil([&] { return Ticked(dialog, "optAcceleration(2)"); }));
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdApply"); })) << "an arrow key's choice";
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_UP, "optAcceleration(1)"));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }))
        << "back at the stored level";
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_UP, "optAcceleration(4)")) << "the arrows wrap";
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    for (const char* stop : {"cmdCandel", "cmdOK", "cmdApply"})
        EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, stop)) << "Tab to " << stop;
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }))
        << "Space presses a button";
    EXPECT_TRUE(driver.log() ==
                std::vector<std::string>{"IOCTL_SET_MOUSE_SPEED BypassMode=0 SpeedH=10 "
                                         "SpeedV=10 Acceleration=4"})
        << Lines(driver.log());
    EXPECT_TRUE(WaitUntil([&] { return FocusName(dialog) == "chkBoth"; }))
        << "Apply gone dark hands the focus on, here to " << FocusName(dialog);
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, "chkBypass"));
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "hscMouseHSpeed"); }));
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, "cmdCandel")) << "greyed controls are passed by";
    PressKey(VK_SPACE);
    EXPECT_TRUE(BackAtMain(main)) << "Space on Cancel closes";
    EXPECT_EQ(driver.log().size(), size_t(1)) << Lines(driver.log());
    EXPECT_TRUE(Close());
}
