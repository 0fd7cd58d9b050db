// The virtual button dialog as a user opens it from the main window, and the right-button tool
// that its Apply starts or closes.
#include <algorithm>

#include "e2e_test.h"
#include "control_panel_steps.h"

using namespace panel_steps;

namespace {

struct ButtonFields {
    int mode, function, switching, onTime, offTime, beep;
};

class VirtualButtonDialog : public ControlPanelTest {};

std::function<void(DriverBlock&)> Button(const ButtonFields& fields) {
    return [=](DriverBlock& block) {
        block.ButtonMode = uint8_t(fields.mode);
        block.RightButtonEnable = uint8_t(fields.function);
        block.RightButtonAuto = uint8_t(fields.switching);
        block.RightButtonOnTime = uint8_t(fields.onTime);
        block.RightButtonOffTime = uint8_t(fields.offTime);
        block.RightButtonBeep = uint8_t(fields.beep);
    };
}

std::string ButtonRequest(const ButtonFields& f) {
    return "IOCTL_SET_BUTTON_MODE ButtonMode=" + std::to_string(f.mode) +
           " RightButtonEnable=" + std::to_string(f.function) +
           " RightButtonAuto=" + std::to_string(f.switching) +
           " RightButtonOnTime=" + std::to_string(f.onTime) +
           " RightButtonOffTime=" + std::to_string(f.offTime) +
           " RightButtonBeep=" + std::to_string(f.beep);
}

const char* const kAutomaticRow[] = {"lblRBAutoSTime", "cboRBAutoSTime", "lblRBAutoSTimeSec",
                                     "lblRBAutoETime", "cboRBAutoETime", "lblRBAutoETimeSec",
                                     "lblRBAutoBeep",  "cboRBAutoBeep"};

// Whether the switching list and the automatic row are enabled as expected.
bool AutomaticControls(HWND dialog, bool switching, bool row) {
    return WaitUntil([&] {
        if (Enabled(dialog, "cboRBAutoMode") != switching) return false;
        for (const char* name : kAutomaticRow)
            if (Enabled(dialog, name) != row) return false;
        return true;
    });
}

bool ToolRegistered(const SimDriver& driver) {
    return driver.windows().RightButtonHandle != kNoWindow;
}

// The panel's requests come first; the rest are the right-button tool's own, registering or
// withdrawing its window.
bool PanelSent(const SimDriver& driver, const std::vector<std::string>& expected) {
    std::vector<std::string> log = driver.log();
    if (log.size() < expected.size() || !std::equal(expected.begin(), expected.end(), log.begin()))
        return false;
    for (size_t i = expected.size(); i < log.size(); ++i)
        if (log[i] != "IOCTL_GET_RB_WINDOW" && log[i].rfind("IOCTL_SET_RB_WINDOW ", 0) != 0)
            return false;
    return true;
}

void ClickApply(HWND dialog) {
    Press(Find(dialog, "cmdApply"));
    WaitUntil([&] { return !Enabled(dialog, "cmdApply"); });
}

}  // namespace

TEST_F(VirtualButtonDialog, ApplyStartsTheToolForAManualRightButtonAndClosesItOtherwise) {
    ASSERT_TRUE(Start(Button({1, 0, 0, 1, 3, 1})));
    HWND dialog = OpenDialog(main, "cmdVirtualButton", "cboRBAutoMode");
    ASSERT_TRUE(dialog) << "Virtual Button opens its dialog";
    SaveScreenshot(dialog, "control_panel_virtual_button");
    EXPECT_FALSE(IsWindowVisible(main));
    const char* captions[] = {"", " Stream Mode", " Lift Off Mode", " Touch Down Mode",
                              " Drag Drop Mode"};
    for (int index = 1; index <= 4; ++index) {
        std::string option = "optVirtualButton(" + std::to_string(index) + ")";
        EXPECT_EQ(TextOf(dialog, option), captions[index]);
        EXPECT_EQ(Ticked(dialog, option), index == 1) << option;
        EXPECT_TRUE(CaptionShowsTeal(dialog, option, index != 1)) << option << " caption colour";
    }
    EXPECT_EQ(TextOf(dialog, "optRBFunction(0)"), "Disable ( Off )");
    EXPECT_EQ(TextOf(dialog, "optRBFunction(1)"), "Enable  ( On )");
    EXPECT_TRUE(Ticked(dialog, "optRBFunction(0)") && !Ticked(dialog, "optRBFunction(1)"));
    EXPECT_TRUE(CaptionShowsTeal(dialog, "optRBFunction(1)", true));
    EXPECT_EQ(TextOf(dialog, "cboRBAutoMode"), " Manual Mode");
    EXPECT_EQ(ListCount(dialog, "cboRBAutoMode"), 2);
    EXPECT_EQ(ListCount(dialog, "cboRBAutoSTime"), 10);
    EXPECT_EQ(TextOf(dialog, "cboRBAutoSTime"), "1");
    EXPECT_EQ(TextOf(dialog, "cboRBAutoETime"), "2");
    EXPECT_EQ(TextOf(dialog, "cboRBAutoBeep"), "On");
    EXPECT_TRUE(AutomaticControls(dialog, false, false));
    EXPECT_FALSE(Enabled(dialog, "cmdApply"));

    // the function on in stream mode: the tool is needed
    Press(Find(dialog, "optRBFunction(1)"));
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    EXPECT_TRUE(AutomaticControls(dialog, false, false)) << "stream mode does not switch by itself";
    ClickApply(dialog);
    EXPECT_TRUE(WaitUntil([&] { return ToolRegistered(driver); }, 10000)) << "the tool was started";
    EXPECT_TRUE(PanelSent(driver, {ButtonRequest({1, 1, 0, 1, 3, 1})})) << Lines(driver.log());
    int32_t tool = driver.windows().RightButtonHandle;
    EXPECT_EQ(TextOf(main, "lblVirtualButton"), "Stream Mode, RBF Enable");

    // drag and drop by hand: the tool is started again and the running one stays
    driver.clearLog();
    Press(Find(dialog, "optVirtualButton(4)"));
    EXPECT_TRUE(AutomaticControls(dialog, true, false));
    EXPECT_TRUE(CaptionShowsTeal(dialog, "optVirtualButton(1)", true));
    EXPECT_TRUE(CaptionShowsTeal(dialog, "optVirtualButton(4)", false));
    ClickApply(dialog);
    EXPECT_TRUE(PanelSent(driver, {ButtonRequest({4, 1, 0, 1, 3, 1})})) << Lines(driver.log());
    EXPECT_EQ(TextOf(main, "lblVirtualButton"), "Drag Drop Mode, RBF Enable ( Manual Mode )");
    EXPECT_TRUE(ToolRegistered(driver) && driver.windows().RightButtonHandle == tool)
        << "the running tool stays";

    // drag and drop switched by the driver: the tool is told to quit
    EXPECT_TRUE(ChooseFromList(dialog, "cboRBAutoMode", 1));
    EXPECT_TRUE(WaitUntil([&] { return ListIndex(dialog, "cboRBAutoMode") == 1; }));
    EXPECT_TRUE(AutomaticControls(dialog, true, true));
    EXPECT_TRUE(ChooseFromList(dialog, "cboRBAutoSTime", 4));
    EXPECT_TRUE(ChooseFromList(dialog, "cboRBAutoBeep", 0));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(dialog, "cboRBAutoBeep") == "Off"; }));
    EXPECT_EQ(TextOf(dialog, "cboRBAutoSTime"), "2.5");
    SaveScreenshot(dialog, "control_panel_virtual_button_automatic");
    driver.clearLog();
    ClickApply(dialog);
    EXPECT_TRUE(WaitUntil([&] { return !ToolRegistered(driver); }, 10000)) << "the tool quit";
    EXPECT_TRUE(PanelSent(driver, {ButtonRequest({4, 1, 1, 4, 3, 0}), "IOCTL_GET_RB_WINDOW"}))
        << "the block, then the tool's window asked for:" << Lines(driver.log());
    EXPECT_EQ(TextOf(main, "lblVirtualButton"), "Drag Drop Mode, RBF Enable ( Automatic Mode )");
    EXPECT_TRUE(!FindTopWindow(kRightButtonCaption, false) ||
                WaitForWindowGone(FindTopWindow(kRightButtonCaption, false), 5000));

    // the function off with no tool running: asked for, nothing to tell
    Press(Find(dialog, "optRBFunction(0)"));
    EXPECT_TRUE(AutomaticControls(dialog, false, false));
    driver.clearLog();
    Press(Find(dialog, "cmdOK"));
    EXPECT_TRUE(BackAtMain(main)) << "OK applies and closes";
    EXPECT_TRUE(driver.logIs({ButtonRequest({4, 0, 1, 4, 3, 0}), "IOCTL_GET_RB_WINDOW"}))
        << "no tool runs, so nothing but the panel asks";
    EXPECT_EQ(TextOf(main, "lblVirtualButton"), "Drag Drop Mode, RBF Disable");
    EXPECT_FALSE(ToolRegistered(driver));
    EXPECT_TRUE(Close());
    CloseLeftovers();
}

TEST_F(VirtualButtonDialog, UnusedAutomaticSettingsAreNotComparedButStoredAndCancelKeepsTheTool) {
    ASSERT_TRUE(Start(Button({4, 1, 0, 1, 3, 1})));
    HWND dialog = OpenDialog(main, "cmdVirtualButton", "cboRBAutoMode");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(AutomaticControls(dialog, true, false));
    EXPECT_FALSE(Enabled(dialog, "cmdApply"));
    EXPECT_TRUE(ChooseFromList(dialog, "cboRBAutoMode", 1));
    EXPECT_TRUE(AutomaticControls(dialog, true, true));
    EXPECT_TRUE(Enabled(dialog, "cmdApply"));
    EXPECT_TRUE(ChooseFromList(dialog, "cboRBAutoETime", 9));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(dialog, "cboRBAutoETime") == "5"; }));
    EXPECT_TRUE(ChooseFromList(dialog, "cboRBAutoMode", 0));
    EXPECT_TRUE(AutomaticControls(dialog, true, false));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }))
        << "under manual switching the times are not compared";

    Press(Find(dialog, "optVirtualButton(2)"));
    EXPECT_TRUE(AutomaticControls(dialog, false, false));
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    Press(Find(dialog, "cmdCandel"));
    EXPECT_TRUE(BackAtMain(main));
    EXPECT_TRUE(driver.log().empty()) << "Cancel sends nothing:" << Lines(driver.log());
    EXPECT_FALSE(ToolRegistered(driver)) << "and starts no tool";

    dialog = OpenDialog(main, "cmdVirtualButton", "cboRBAutoMode");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(TextOf(dialog, "cboRBAutoETime"), "2") << "the dropped edit is gone";
    EXPECT_TRUE(ChooseFromList(dialog, "cboRBAutoMode", 1));
    EXPECT_TRUE(ChooseFromList(dialog, "cboRBAutoETime", 9));
    EXPECT_TRUE(ChooseFromList(dialog, "cboRBAutoMode", 0));
    EXPECT_TRUE(AutomaticControls(dialog, true, false));
    Press(Find(dialog, "optVirtualButton(2)"));
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    ClickApply(dialog);
    EXPECT_TRUE(WaitUntil([&] { return ToolRegistered(driver); }, 10000))
        << "lift-off mode with the function on starts the tool";
    EXPECT_TRUE(PanelSent(driver, {ButtonRequest({2, 1, 0, 1, 9, 1})}))
        << "the kept time is stored with the next Apply:" << Lines(driver.log());
    EXPECT_EQ(TextOf(main, "lblVirtualButton"), "Lift Off Mode, RBF Enable");
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(BackAtMain(main)) << "the close box brings the main window back";
    EXPECT_TRUE(ToolRegistered(driver)) << "closing the dialog leaves the tool running";
    EXPECT_TRUE(Close());
    CloseLeftovers();
}

TEST_F(VirtualButtonDialog, TabReachesEachGroupOnceAndTheArrowKeysChooseWithinIt) {
    // a stored mode outside 1 to 4 leaves the first group without a selection
    ASSERT_TRUE(Start(Button({0, 0, 0, 1, 3, 1})));
    HWND dialog = OpenDialog(main, "cmdVirtualButton", "cboRBAutoMode");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(WaitUntil([&] { return FocusName(dialog) == "optVirtualButton(1)"; }))
        << "a group without a selection is reached at its first option, not " << FocusName(dialog);
    EXPECT_FALSE(Ticked(dialog, "optVirtualButton(1)")) << "the focus alone chooses nothing";
    // the disabled lists and Apply are passed by
    for (const char* stop : {"optRBFunction(0)", "cmdCandel", "cmdOK", "optVirtualButton(1)"})
        EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, stop))
            << "Tab to " << stop << ", not " << FocusName(dialog);
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, "cmdOK", true)) << "Shift+Tab goes back";
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, "optVirtualButton(1)"));

    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_DOWN, "optVirtualButton(2)"));
    EXPECT_TRUE(WaitUntil([&] { return Ticked(dialog, "optVirtualButton(2)"); }))
        << "Down chooses the next option";
    EXPECT_TRUE(Enabled(dialog, "cmdApply")) << "as a click does, it runs the Apply rule";
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_UP, "optVirtualButton(1)"));
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_LEFT, "optVirtualButton(4)")) << "the arrows wrap";
    EXPECT_TRUE(WaitUntil([&] {
        return Ticked(dialog, "optVirtualButton(4)") && !Ticked(dialog, "optVirtualButton(1)");
    }));
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, "optRBFunction(0)"))
        << "a group with a selection is reached at it";
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_RIGHT, "optRBFunction(1)"));
    EXPECT_TRUE(AutomaticControls(dialog, true, false)) << "drag and drop with the function on";
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, "cboRBAutoMode")) << "the list enabled is a stop";
    EXPECT_TRUE(KeyTakesFocusTo(dialog, VK_TAB, "optRBFunction(1)", true));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(BackAtMain(main)) << "Esc cancels";
    EXPECT_TRUE(driver.log().empty()) << "and sends nothing:" << Lines(driver.log());
    EXPECT_TRUE(Close());
}
