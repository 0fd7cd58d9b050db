// The virtual button dialog as a user opens it from the main window, and the right-button tool
// that its Apply starts or closes.
#include <algorithm>

#include "e2e_test.h"
#include "settings_dialog_steps.h"

using namespace settings_steps;

namespace {

struct ButtonFields {
    int mode, function, switching, onTime, offTime, beep;
};

HWND StartWithButton(Program& panel, SimDriver& driver, const ButtonFields& fields) {
    driver.reset();
    DriverBlock block = driver.block();
    block.ButtonMode = uint8_t(fields.mode);
    block.RightButtonEnable = uint8_t(fields.function);
    block.RightButtonAuto = uint8_t(fields.switching);
    block.RightButtonOnTime = uint8_t(fields.onTime);
    block.RightButtonOffTime = uint8_t(fields.offTime);
    block.RightButtonBeep = uint8_t(fields.beep);
    driver.putBlock(block);
    HWND main = StartPanel(panel);
    driver.clearLog();
    return main;
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

E2E_TEST(VirtualButtonDialog, ApplyStartsTheToolForAManualRightButtonAndClosesItOtherwise) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    HWND main = StartWithButton(panel, driver, {1, 0, 0, 1, 3, 1});
    if (!CHECK(main)) return;
    HWND dialog = OpenDialog(main, "cmdVirtualButton", "cboRBAutoMode");
    if (!(CHECK(dialog) << "Virtual Button opens its dialog")) return;
    SaveScreenshot(dialog, "control_panel_virtual_button");
    CHECK(!IsWindowVisible(main));
    const char* captions[] = {"", " Stream Mode", " Lift Off Mode", " Touch Down Mode",
                              " Drag Drop Mode"};
    for (int index = 1; index <= 4; ++index) {
        std::string option = "optVirtualButton(" + std::to_string(index) + ")";
        CHECK_EQ(TextOf(dialog, option), std::string(captions[index]));
        CHECK_EQ(Ticked(dialog, option), index == 1) << option;
        CHECK(CaptionShowsTeal(dialog, option, index != 1)) << option << " caption colour";
    }
    CHECK_EQ(TextOf(dialog, "optRBFunction(0)"), std::string("Disable ( Off )"));
    CHECK_EQ(TextOf(dialog, "optRBFunction(1)"), std::string("Enable  ( On )"));
    CHECK(Ticked(dialog, "optRBFunction(0)") && !Ticked(dialog, "optRBFunction(1)"));
    CHECK(CaptionShowsTeal(dialog, "optRBFunction(1)", true));
    CHECK_EQ(TextOf(dialog, "cboRBAutoMode"), std::string(" Manual Mode"));
    CHECK_EQ(ListCount(dialog, "cboRBAutoMode"), 2);
    CHECK_EQ(ListCount(dialog, "cboRBAutoSTime"), 10);
    CHECK_EQ(TextOf(dialog, "cboRBAutoSTime"), std::string("1"));
    CHECK_EQ(TextOf(dialog, "cboRBAutoETime"), std::string("2"));
    CHECK_EQ(TextOf(dialog, "cboRBAutoBeep"), std::string("On"));
    CHECK(AutomaticControls(dialog, false, false));
    CHECK(!Enabled(dialog, "cmdApply"));

    // the function on in stream mode: the tool is needed
    Press(Find(dialog, "optRBFunction(1)"));
    CHECK(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    CHECK(AutomaticControls(dialog, false, false)) << "stream mode does not switch by itself";
    ClickApply(dialog);
    CHECK(WaitUntil([&] { return ToolRegistered(driver); }, 10000)) << "the tool was started";
    CHECK(PanelSent(driver, {ButtonRequest({1, 1, 0, 1, 3, 1})})) << Joined(driver.log());
    int32_t tool = driver.windows().RightButtonHandle;
    CHECK_EQ(TextOf(main, "lblVirtualButton"), std::string("Stream Mode, RBF Enable"));

    // drag and drop by hand: the tool is started again and the running one stays
    driver.clearLog();
    Press(Find(dialog, "optVirtualButton(4)"));
    CHECK(AutomaticControls(dialog, true, false));
    CHECK(CaptionShowsTeal(dialog, "optVirtualButton(1)", true));
    CHECK(CaptionShowsTeal(dialog, "optVirtualButton(4)", false));
    ClickApply(dialog);
    CHECK(PanelSent(driver, {ButtonRequest({4, 1, 0, 1, 3, 1})})) << Joined(driver.log());
    CHECK_EQ(TextOf(main, "lblVirtualButton"),
             std::string("Drag Drop Mode, RBF Enable ( Manual Mode )"));
    CHECK(ToolRegistered(driver) && driver.windows().RightButtonHandle == tool)
        << "the running tool stays";

    // drag and drop switched by the driver: the tool is told to quit
    ChooseFromList(dialog, "cboRBAutoMode", 1);
    CHECK(WaitUntil([&] { return ListIndex(dialog, "cboRBAutoMode") == 1; }));
    CHECK(AutomaticControls(dialog, true, true));
    ChooseFromList(dialog, "cboRBAutoSTime", 4);
    ChooseFromList(dialog, "cboRBAutoBeep", 0);
    CHECK(WaitUntil([&] { return TextOf(dialog, "cboRBAutoBeep") == "Off"; }));
    CHECK_EQ(TextOf(dialog, "cboRBAutoSTime"), std::string("2.5"));
    SaveScreenshot(dialog, "control_panel_virtual_button_automatic");
    driver.clearLog();
    ClickApply(dialog);
    CHECK(WaitUntil([&] { return !ToolRegistered(driver); }, 10000)) << "the tool quit";
    CHECK(PanelSent(driver, {ButtonRequest({4, 1, 1, 4, 3, 0}), "IOCTL_GET_RB_WINDOW"}))
        << "the block, then the tool's window asked for:" << Joined(driver.log());
    CHECK_EQ(TextOf(main, "lblVirtualButton"),
             std::string("Drag Drop Mode, RBF Enable ( Automatic Mode )"));
    CHECK(!FindTopWindow(kRightButtonCaption, false) ||
          WaitForWindowGone(FindTopWindow(kRightButtonCaption, false), 5000));

    // the function off with no tool running: asked for, nothing to tell
    Press(Find(dialog, "optRBFunction(0)"));
    CHECK(AutomaticControls(dialog, false, false));
    driver.clearLog();
    Press(Find(dialog, "cmdOK"));
    CHECK(BackAtMain(main)) << "OK applies and closes";
    std::vector<std::string> log = driver.log();
    CHECK(log ==
          (std::vector<std::string>{ButtonRequest({4, 0, 1, 4, 3, 0}), "IOCTL_GET_RB_WINDOW"}))
        << "no tool runs, so nothing but the panel asks:" << Joined(log);
    CHECK_EQ(TextOf(main, "lblVirtualButton"), std::string("Drag Drop Mode, RBF Disable"));
    CHECK(!ToolRegistered(driver));
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    CloseLeftovers();
    driver.reset();
}

E2E_TEST(VirtualButtonDialog, UnusedAutomaticSettingsAreNotComparedButStoredAndCancelKeepsTheTool) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    HWND main = StartWithButton(panel, driver, {4, 1, 0, 1, 3, 1});
    if (!CHECK(main)) return;
    HWND dialog = OpenDialog(main, "cmdVirtualButton", "cboRBAutoMode");
    if (!CHECK(dialog)) return;
    CHECK(AutomaticControls(dialog, true, false));
    CHECK(!Enabled(dialog, "cmdApply"));
    ChooseFromList(dialog, "cboRBAutoMode", 1);
    CHECK(AutomaticControls(dialog, true, true));
    CHECK(Enabled(dialog, "cmdApply"));
    ChooseFromList(dialog, "cboRBAutoETime", 9);
    CHECK(WaitUntil([&] { return TextOf(dialog, "cboRBAutoETime") == "5"; }));
    ChooseFromList(dialog, "cboRBAutoMode", 0);
    CHECK(AutomaticControls(dialog, true, false));
    CHECK(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }))
        << "under manual switching the times are not compared";

    Press(Find(dialog, "optVirtualButton(2)"));
    CHECK(AutomaticControls(dialog, false, false));
    CHECK(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    Press(Find(dialog, "cmdCandel"));
    CHECK(BackAtMain(main));
    CHECK(driver.log().empty()) << "Cancel sends nothing:" << Joined(driver.log());
    CHECK(!ToolRegistered(driver)) << "and starts no tool";

    dialog = OpenDialog(main, "cmdVirtualButton", "cboRBAutoMode");
    if (!CHECK(dialog)) return;
    CHECK_EQ(TextOf(dialog, "cboRBAutoETime"), std::string("2")) << "the dropped edit is gone";
    ChooseFromList(dialog, "cboRBAutoMode", 1);
    ChooseFromList(dialog, "cboRBAutoETime", 9);
    ChooseFromList(dialog, "cboRBAutoMode", 0);
    CHECK(AutomaticControls(dialog, true, false));
    Press(Find(dialog, "optVirtualButton(2)"));
    CHECK(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    ClickApply(dialog);
    CHECK(WaitUntil([&] { return ToolRegistered(driver); }, 10000))
        << "lift-off mode with the function on starts the tool";
    CHECK(PanelSent(driver, {ButtonRequest({2, 1, 0, 1, 9, 1})}))
        << "the kept time is stored with the next Apply:" << Joined(driver.log());
    CHECK_EQ(TextOf(main, "lblVirtualButton"), std::string("Lift Off Mode, RBF Enable"));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    CHECK(BackAtMain(main)) << "the close box brings the main window back";
    CHECK(ToolRegistered(driver)) << "closing the dialog leaves the tool running";
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    CloseLeftovers();
    driver.reset();
}

E2E_TEST(VirtualButtonDialog, TabReachesEachGroupOnceAndTheArrowKeysChooseWithinIt) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    // a stored mode outside 1 to 4 leaves the first group without a selection
    HWND main = StartWithButton(panel, driver, {0, 0, 0, 1, 3, 1});
    if (!CHECK(main)) return;
    HWND dialog = OpenDialog(main, "cmdVirtualButton", "cboRBAutoMode");
    if (!CHECK(dialog)) return;
    CHECK(WaitUntil([&] { return FocusName(dialog) == "optVirtualButton(1)"; }))
        << "a group without a selection is reached at its first option, not "
        << FocusName(dialog);
    CHECK(!Ticked(dialog, "optVirtualButton(1)")) << "the focus alone chooses nothing";
    // the disabled lists and Apply are passed by
    for (const char* stop : {"optRBFunction(0)", "cmdCandel", "cmdOK", "optVirtualButton(1)"})
        CHECK(KeyTakesFocusTo(dialog, VK_TAB, stop)) << "Tab to " << stop << ", not "
                                                     << FocusName(dialog);
    CHECK(KeyTakesFocusTo(dialog, VK_TAB, "cmdOK", true)) << "Shift+Tab goes back";
    CHECK(KeyTakesFocusTo(dialog, VK_TAB, "optVirtualButton(1)"));

    CHECK(KeyTakesFocusTo(dialog, VK_DOWN, "optVirtualButton(2)"));
    CHECK(WaitUntil([&] { return Ticked(dialog, "optVirtualButton(2)"); }))
        << "Down chooses the next option";
    CHECK(Enabled(dialog, "cmdApply")) << "as a click does, it runs the Apply rule";
    CHECK(KeyTakesFocusTo(dialog, VK_UP, "optVirtualButton(1)"));
    CHECK(KeyTakesFocusTo(dialog, VK_LEFT, "optVirtualButton(4)")) << "the arrows wrap";
    CHECK(WaitUntil([&] {
        return Ticked(dialog, "optVirtualButton(4)") && !Ticked(dialog, "optVirtualButton(1)");
    }));
    CHECK(KeyTakesFocusTo(dialog, VK_TAB, "optRBFunction(0)"))
        << "a group with a selection is reached at it";
    CHECK(KeyTakesFocusTo(dialog, VK_RIGHT, "optRBFunction(1)"));
    CHECK(AutomaticControls(dialog, true, false)) << "drag and drop with the function on";
    CHECK(KeyTakesFocusTo(dialog, VK_TAB, "cboRBAutoMode")) << "the list enabled is a stop";
    CHECK(KeyTakesFocusTo(dialog, VK_TAB, "optRBFunction(1)", true));
    PressKey(VK_ESCAPE);
    CHECK(BackAtMain(main)) << "Esc cancels";
    CHECK(driver.log().empty()) << "and sends nothing:" << Joined(driver.log());
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    driver.reset();
}
