// The device detection view and the COM port resources dialog as a user and a service
// technician open and use them from the control panel's main window.
#include <cstring>
#include <string>
#include <vector>

#include "control_panel_steps.h"

using namespace panel_steps;

namespace {

const COLORREF kBlackText = RGB(0, 0, 0);
const COLORREF kGreyText = RGB(128, 128, 128);

std::string Row(const char* name, int n) {
    return std::string(name) + "(" + std::to_string(n) + ")";
}

// Text drawn in black, or else in the grey of the rows that are not the controller's.
bool TextIsBlack(HWND window, const std::string& name, bool black) {
    HWND label = Find(window, name);
    return label && WaitUntil([&] {
               if (black) return ShowsColour(label, kBlackText);
               return !ShowsColour(label, kBlackText) && ShowsColour(label, kGreyText);
           });
}

// Presses the named control; true once done() holds.
bool PressThen(HWND window, const std::string& name, const std::function<bool()>& done) {
    Press(Find(window, name));
    return WaitUntil(done);
}

// The driver as the test sets it: COM1 to COM4 present, the controller on COM2.
std::function<void(DriverBlock&)> FourPorts(int irq1, int irq2, int irq3, int irq4,
                                            int16_t com3Base = 0x3E8) {
    return [=](DriverBlock& block) {
        block.ComPort = 2;
        block.Protocol = 0;
        block.Com[0] = {0x3F8, uint8_t(irq1), 0};
        block.Com[1] = {0x2F8, uint8_t(irq2), 0};
        block.Com[2] = {com3Base, uint8_t(irq3), 0};
        block.Com[3] = {0x2E8, uint8_t(irq4), 0};
        for (int port = 4; port < 9; ++port) block.Com[port] = {0, 255, 0};
    };
}

HWND OpenView(HWND main) {
    return OpenDialog(main, "cmdSerialPort", "lblCOM(1)");
}

// Alt+S in the view: the way to the hidden setup button.
HWND OpenResources(HWND view) {
    BringForward(view);
    PressKey('S', true);
    return ForegroundDialog(view, "cboIRQ(1)");
}

class SerialPortView : public ControlPanelTest {};
class ComPortResources : public ControlPanelTest {};

}  // namespace

TEST_F(SerialPortView, ShowsEveryPortAndMarksTheControllersOwn) {
    ASSERT_TRUE(Start([](DriverBlock& block) {
        block.ComPort = 3;
        block.Protocol = 1;
        block.Com[0] = {0x3F8, 4, 0};
        block.Com[1] = {0x2F8, 3, 0};
        block.Com[2] = {0x3E8, 5, 0};
        block.Com[3] = {0, 254, 0};
        block.Com[4] = {0, 7, 0};
        block.Com[5] = {int16_t(0xBEEF), 11, 0};
        block.Com[6] = {0, 255, 0};
        block.Com[7] = {0, 0, 0};
        block.Com[8] = {0x2E8, 10, 0};
    })) << "the main window shows";
    HWND view = OpenView(main);
    ASSERT_TRUE(view) << "Serial Port opens the detection view";
    EXPECT_FALSE(IsWindowVisible(main)) << "the main window hides meanwhile";
    SaveScreenshot(view, "control_panel_serial_port");

    const char* texts[] = {"COM1, BasePort=03F8h, IRQ=4",
                           "COM2, BasePort=02F8h, IRQ=3",
                           "COM3, BasePort=03E8h, IRQ=5",
                           "COM4..Used by Other Device.",
                           "COM5..Unabled (code=7)",
                           "COM6, BasePort=BEEFh, IRQ=11",
                           "COM7..Not Found.",
                           "COM8..Unabled (code=0)",
                           "COM9, BasePort=02E8h, IRQ=10"};
    for (int n = 1; n <= 9; ++n) {
        bool controller = n == 3;
        EXPECT_EQ(TextOf(view, Row("lblCOM", n)), texts[n - 1]);
        EXPECT_EQ(TextOf(view, Row("lblDEVICE", n)), std::string(controller ? "*VTCOM" : ""));
        EXPECT_EQ(Enabled(view, Row("optDetected", n)), controller) << "COM" << n;
        EXPECT_EQ(Ticked(view, Row("optDetected", n)), controller) << "COM" << n;
    }
    EXPECT_TRUE(TextIsBlack(view, "lblCOM(3)", true)) << "the controller's row is black";
    EXPECT_TRUE(TextIsBlack(view, "lblDEVICE(3)", true));
    for (int n : {1, 2, 9}) EXPECT_TRUE(TextIsBlack(view, Row("lblCOM", n), false)) << "COM" << n;
    HWND setup = Find(view, "cmdSetup");
    EXPECT_TRUE(setup && !IsWindowVisible(setup) && !IsWindowEnabled(setup))
        << "the setup button stays out of sight";
    EXPECT_EQ(TextOf(view, "lblSystem"), "TouchScreen Control Panel Version 7.5.COM");

    PressKey(VK_ESCAPE);
    PressKey('S', false, true, false);
    EXPECT_FALSE(ForegroundDialog(view, "cboIRQ(1)")) << "neither Esc nor Ctrl+S opens the setup";
    EXPECT_TRUE(IsWindowVisible(view)) << "Esc belongs to the hidden setup button and does nothing";
    EXPECT_TRUE(PressThen(view, "cmdOK", [&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(BackAtMain(main)) << "OK brings the main window back";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(view); })) << "the view is gone";
    EXPECT_TRUE(driver.log().empty()) << "the view only reads" << Lines(driver.log());

    view = OpenView(main);
    ASSERT_TRUE(view) << "the view opens a second time";
    EXPECT_EQ(TextOf(view, "lblCOM(3)"), texts[2]);
    EXPECT_EQ(TextOf(view, "lblDEVICE(3)"), "*VTCOM");
    PostMessageA(view, WM_CLOSE, 0, 0);
    EXPECT_TRUE(BackAtMain(main)) << "the close box brings the main window back as well";
}

TEST_F(SerialPortView, WithoutSerialPortsOnlyTheDriversNotFoundTextsShow) {
    ASSERT_TRUE(Start([](DriverBlock& block) {
        block.ComPort = 1;
        block.Protocol = 2;
        for (ComPortSlot& slot : block.Com) slot = {0, 255, 0};
    }));
    HWND view = OpenView(main);
    ASSERT_TRUE(view);
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(TextOf(view, Row("lblCOM", n)), "COM" + std::to_string(n) + "..Not Found.");
    EXPECT_EQ(TextOf(view, "lblDEVICE(1)"), "*") << "protocol 2 has no family name";
    EXPECT_TRUE(Ticked(view, "optDetected(1)") && Enabled(view, "optDetected(1)"));
    EXPECT_TRUE(TextIsBlack(view, "lblCOM(1)", true));
    EXPECT_TRUE(TextIsBlack(view, "lblCOM(2)", false));
}

TEST_F(SerialPortView, TheControllerInformationGestureDoesNotOpenTheView) {
    ASSERT_TRUE(Start());
    Press(Find(main, "cmdSerialPort"), kRightButton | kShift | kCtrl | kAlt);
    HWND info = ForegroundDialog(main, "lblMcuInfo");
    ASSERT_TRUE(info) << "the gesture opens the controller information";
    EXPECT_TRUE(FindTopWindow(kTitle) == info) << "and nothing else bears the program title";
    EXPECT_TRUE(Find(info, "lblCOM(1)") == nullptr);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(BackAtMain(main));
    HWND view = OpenView(main);
    EXPECT_TRUE(view) << "a plain click still opens the view";
}

TEST_F(ComPortResources, AltSOpensTheDialogAndSaveSendsTheFourIrqs) {
    ASSERT_TRUE(Start(FourPorts(4, 3, 5, 11)));
    DriverBlock before = given;
    HWND view = OpenView(main);
    ASSERT_TRUE(view);
    HWND dialog = OpenResources(view);
    ASSERT_TRUE(dialog) << "Alt+S in the view opens the COM port resources";
    EXPECT_FALSE(IsWindowVisible(view)) << "the view hides meanwhile";
    EXPECT_FALSE(IsWindowVisible(main));
    SaveScreenshot(dialog, "control_panel_com_port_resources");
    EXPECT_EQ(TextOf(dialog, "lblCaution"), "CAUTION:");
    EXPECT_EQ(TextOf(dialog, "lblNote"),
              "Incorrect change to the following Setting could prevent the "
              "TouchScreen from operation or operation correctly.");
    const std::vector<std::string> addresses = {"03F8", "02F8", "03E8", "02E8"};
    const char* stored[] = {"4", "3", "5", "11"};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(TextOf(dialog, Row("lblCOM", k)), "COM" + std::to_string(k) + ":");
        EXPECT_TRUE(ListEntries(dialog, Row("cboPort", k)) == addresses) << "cboPort(" << k << ")";
        EXPECT_EQ(TextOf(dialog, Row("cboPort", k)), addresses[k - 1]) << "its own port's base";
        EXPECT_FALSE(Enabled(dialog, Row("cboPort", k)));
        EXPECT_TRUE(ListEntries(dialog, Row("cboIRQ", k)) ==
                    (std::vector<std::string>{"3", "4", "5", "7", "10", "11"}));
        EXPECT_EQ(TextOf(dialog, Row("cboIRQ", k)), stored[k - 1]);
    }
    EXPECT_FALSE(Enabled(dialog, "cmdSave")) << "every stored IRQ is a choice";

    EXPECT_TRUE(ChooseFromList(dialog, "cboIRQ(1)", "7"));
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdSave"); }))
        << "a different IRQ lights Save";
    EXPECT_TRUE(ChooseFromList(dialog, "cboIRQ(1)", "4"));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdSave"); }))
        << "the stored one darkens it";
    EXPECT_TRUE(ChooseFromList(dialog, "cboIRQ(2)", "10"));
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdSave"); }));
    EXPECT_TRUE(driver.log().empty()) << "choosing sends nothing" << Lines(driver.log());
    EXPECT_TRUE(PressThen(dialog, "cmdSave", [&] { return !Enabled(dialog, "cmdSave"); }))
        << "Save goes dark";
    EXPECT_TRUE(driver.logIs({"IOCTL_SET_COM_IRQ ComIrq1=4 ComIrq2=10 ComIrq3=5 ComIrq4=11"}));
    DriverBlock after = driver.block();
    before.Com[1].Irq = 10;
    EXPECT_TRUE(std::memcmp(&after, &before, sizeof after) == 0) << "only COM2's IRQ changed";
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Save keeps the dialog open";

    driver.clearLog();
    EXPECT_TRUE(ChooseFromList(dialog, "cboIRQ(4)", "3"));
    PressThen(dialog, "cmdCancel", [&] { return !IsWindow(dialog); });
    EXPECT_TRUE(BackAtMain(view)) << "Cancel returns to the detection view";
    EXPECT_FALSE(IsWindowVisible(main)) << "not to the main window";
    EXPECT_TRUE(driver.log().empty()) << "Cancel writes nothing" << Lines(driver.log());
    EXPECT_TRUE(WaitUntil([&] {
        return TextOf(view, "lblCOM(2)") == "COM2, BasePort=02F8h, IRQ=10";
    })) << "the view shows the saved IRQ: "
        << TextOf(view, "lblCOM(2)");
    EXPECT_EQ(TextOf(view, "lblCOM(4)"), "COM4, BasePort=02E8h, IRQ=11");
    SaveScreenshot(view, "control_panel_serial_port_after_save");
    EXPECT_TRUE(TextIsBlack(view, "lblCOM(2)", true)) << "the controller's row stays marked";
    EXPECT_TRUE(Ticked(view, "optDetected(2)"));

    PressThen(view, "cmdOK", [&] { return IsWindowVisible(main) != FALSE; });
    EXPECT_TRUE(BackAtMain(main)) << "the view's OK returns to the main window";
}

TEST_F(ComPortResources, EscAndOkSavePendingChangesFirst) {
    ASSERT_TRUE(Start(FourPorts(4, 3, 4, 3)));
    HWND view = OpenView(main);
    ASSERT_TRUE(view);

    HWND dialog = OpenResources(view);
    ASSERT_TRUE(dialog);
    HWND dropped = nullptr;
    bool droppedDown =
        PressThen(dialog, "cboIRQ(2)", [&] { return (dropped = DroppedList()) != nullptr; });
    EXPECT_TRUE(droppedDown) << "cboIRQ(2) drops down";
    if (droppedDown) {
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dropped); }))
            << "Esc closes the open list";
        EXPECT_TRUE(IsWindowVisible(dialog)) << "and only the list";
        EXPECT_TRUE(driver.log().empty()) << Lines(driver.log());
    }
    EXPECT_TRUE(ChooseFromList(dialog, "cboIRQ(3)", "5"));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(BackAtMain(view)) << "Esc closes the dialog";
    EXPECT_TRUE(driver.logIs({"IOCTL_SET_COM_IRQ ComIrq1=4 ComIrq2=3 ComIrq3=5 ComIrq4=3"}))
        << "Esc saves the pending change";
    EXPECT_TRUE(
        WaitUntil([&] { return TextOf(view, "lblCOM(3)") == "COM3, BasePort=03E8h, IRQ=5"; }));

    driver.clearLog();
    dialog = OpenResources(view);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(TextOf(dialog, "cboIRQ(3)"), "5") << "the dialog opens on the saved IRQ";
    PressThen(dialog, "cmdOK", [&] { return !IsWindow(dialog); });
    EXPECT_TRUE(BackAtMain(view));
    EXPECT_TRUE(driver.log().empty())
        << "OK with nothing pending sends nothing" << Lines(driver.log());

    dialog = OpenResources(view);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(ChooseFromList(dialog, "cboIRQ(4)", "7"));
    PressThen(dialog, "cmdOK", [&] { return !IsWindow(dialog); });
    EXPECT_TRUE(BackAtMain(view));
    EXPECT_TRUE(driver.logIs({"IOCTL_SET_COM_IRQ ComIrq1=4 ComIrq2=3 ComIrq3=5 ComIrq4=7"}))
        << "OK saves the pending change";
    EXPECT_TRUE(
        WaitUntil([&] { return TextOf(view, "lblCOM(4)") == "COM4, BasePort=02E8h, IRQ=7"; }));

    driver.clearLog();
    dialog = OpenResources(view);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(ChooseFromList(dialog, "cboIRQ(1)", "11"));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(BackAtMain(view)) << "the close box returns to the view";
    EXPECT_TRUE(driver.log().empty()) << "and writes nothing" << Lines(driver.log());
    EXPECT_EQ(TextOf(view, "lblCOM(1)"), "COM1, BasePort=03F8h, IRQ=4");
}

TEST_F(ComPortResources, StoredValuesWithoutAChoiceOpenEmptyAndAreKept) {
    ASSERT_TRUE(Start(FourPorts(4, 3, 255, 9, 0)));  // COM3 not found
    HWND view = OpenView(main);
    ASSERT_TRUE(view);
    EXPECT_EQ(TextOf(view, "lblCOM(3)"), "COM3..Not Found.");
    HWND dialog = OpenResources(view);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(TextOf(dialog, "cboPort(3)"), "0000");
    EXPECT_EQ(ListIndex(dialog, "cboIRQ(3)"), -1) << "255 is no choice";
    EXPECT_EQ(ListIndex(dialog, "cboIRQ(4)"), -1) << "9 is no choice";
    EXPECT_TRUE(Enabled(dialog, "cmdSave")) << "Save opens lit";
    EXPECT_TRUE(ChooseFromList(dialog, "cboIRQ(1)", "5"));
    EXPECT_TRUE(PressThen(dialog, "cmdSave", [&] { return !Enabled(dialog, "cmdSave"); }));
    EXPECT_TRUE(driver.logIs({"IOCTL_SET_COM_IRQ ComIrq1=5 ComIrq2=3 ComIrq3=255 ComIrq4=9"}))
        << "ports left without a choice keep their values";
    PressThen(dialog, "cmdOK", [&] { return !IsWindow(dialog); });
    EXPECT_TRUE(BackAtMain(view));
    EXPECT_EQ(driver.log().size(), 1u) << "OK after Save has nothing left to save";
    EXPECT_TRUE(
        WaitUntil([&] { return TextOf(view, "lblCOM(1)") == "COM1, BasePort=03F8h, IRQ=5"; }));
    EXPECT_EQ(TextOf(view, "lblCOM(3)"), "COM3..Not Found.");
    EXPECT_EQ(TextOf(view, "lblCOM(4)"), "COM4, BasePort=02E8h, IRQ=9");
}
