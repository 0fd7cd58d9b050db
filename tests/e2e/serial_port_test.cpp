// The device detection view and the COM port resources dialog as a user and a service
// technician open and use them from the control panel's main window.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "desktop.h"
#include "e2e_test.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

const char kTitle[] = " TouchScreen Control Panel #NX-COM";
const COLORREF kBlackText = RGB(0, 0, 0);
const COLORREF kGreyText = RGB(128, 128, 128);

std::string Row(const char* name, int n) {
    return std::string(name) + "(" + std::to_string(n) + ")";
}

std::string TextOf(HWND window, const std::string& name) {
    HWND control = FindControlByName(window, name);
    return control ? WindowText(control) : "<no " + name + ">";
}

bool Enabled(HWND window, const std::string& name) {
    HWND control = FindControlByName(window, name);
    return control && IsWindowEnabled(control);
}

bool Selected(HWND window, const std::string& name) {
    HWND option = FindControlByName(window, name);
    return option && SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int ListIndex(HWND window, const std::string& name) {
    HWND list = FindControlByName(window, name);
    return list ? int(SendMessageA(list, CB_GETCURSEL, 0, 0)) : -2;
}

std::vector<std::string> ListEntries(HWND window, const std::string& name) {
    std::vector<std::string> entries;
    HWND list = FindControlByName(window, name);
    int count = list ? int(SendMessageA(list, CB_GETCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        // Wine carries the wide form of this request whole to another process, not the narrow
        wchar_t text[64] = {};
        if (SendMessageW(list, CB_GETLBTEXTLEN, WPARAM(i), 0) < LRESULT(std::size(text)))
            SendMessageW(list, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        std::string narrow;
        for (const wchar_t* c = text; *c; ++c) narrow += char(*c);
        entries.push_back(narrow);
    }
    return entries;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += "\n        " + line;
    return lines.empty() ? " (none)" : all;
}

// Whether the control shows any pixel of this colour, as the screen shows it.
bool ShowsColour(HWND control, COLORREF colour) {
    RECT area;
    GetWindowRect(control, &area);
    int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    bool found = false;
    for (int y = 0; y < height && !found; ++y)
        for (int x = 0; x < width && !found; ++x) found = GetPixel(memory, x, y) == colour;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return found;
}

// Text drawn in black, or else in the grey of the rows that are not the controller's.
bool TextIsBlack(HWND window, const std::string& name, bool black) {
    HWND label = FindControlByName(window, name);
    return label && WaitUntil([&] {
               if (black) return ShowsColour(label, kBlackText);
               return !ShowsColour(label, kBlackText) && ShowsColour(label, kGreyText);
           });
}

// The list a drop-down list shows while it is dropped, or null.
HWND DroppedList() {
    for (HWND w = FindWindowExA(nullptr, nullptr, "ComboLBox", nullptr); w;
         w = FindWindowExA(nullptr, w, "ComboLBox", nullptr))
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

// A press and release at a screen point, the position carried in both: under Wine the pointer
// can jump back to where X last saw it (a window mapping there reports it) between a separate
// move and the press.
void PressAt(POINT point, bool rightButton = false) {
    LONG x = LONG((point.x * 65536LL + 32768) / GetSystemMetrics(SM_CXSCREEN));
    LONG y = LONG((point.y * 65536LL + 32768) / GetSystemMetrics(SM_CYSCREEN));
    INPUT inputs[2] = {};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = x;
        inputs[i].mi.dy = y;
        DWORD button = i == 0 ? (rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN)
                              : (rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        inputs[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    }
    SendInput(2, inputs, sizeof(INPUT));
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// The control's window brought forward, then a press in its middle; with rightButton and all
// three modifiers, the hidden gesture of the main window's buttons.
void PressControl(HWND control, bool rightButton = false, bool shift = false, bool ctrl = false,
                  bool alt = false) {
    HWND window = GetAncestor(control, GA_ROOT);
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; });
    RECT rect;
    GetWindowRect(control, &rect);
    std::vector<INPUT> down, up;
    for (auto [held, key] : {std::pair{shift, VK_SHIFT}, {ctrl, VK_CONTROL}, {alt, VK_MENU}}) {
        if (!held) continue;
        down.push_back(Key(WORD(key), false));
        up.insert(up.begin(), Key(WORD(key), true));
    }
    if (!down.empty()) SendInput(UINT(down.size()), down.data(), sizeof(INPUT));
    PressAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, rightButton);
    if (!up.empty()) SendInput(UINT(up.size()), up.data(), sizeof(INPUT));
}

bool PressUntil(HWND control, const std::function<bool()>& done) {
    if (!control) return false;
    PressControl(control);
    return WaitUntil(done);
}

bool Press(HWND window, const std::string& name, const std::function<bool()>& done) {
    return PressUntil(FindControlByName(window, name), done);
}

// Drops the list down and clicks the entry with this text, as a user chooses.
bool Choose(HWND window, const std::string& name, const std::string& entry) {
    std::vector<std::string> entries = ListEntries(window, name);
    int index = -1;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == entry) index = int(i);
    if (!(CHECK(index >= 0) << name << " offers " << entry << " among" << Joined(entries)))
        return false;
    HWND list = FindControlByName(window, name);
    // under Wine a dropped list may still move after it shows, and a press on it then lands
    // beside the entry and closes it: the list must hold still first, and a lost choice is made
    // again (and said so)
    for (int attempt = 0; attempt < 3; ++attempt) {
        HWND dropped = nullptr;
        if (!(CHECK(PressUntil(list, [&] { return (dropped = DroppedList()) != nullptr; }))
              << name << " drops down")) {
            return false;
        }
        RECT was{}, now{};
        WaitUntil([&] {
            was = now;
            PumpFor(40);
            GetWindowRect(dropped, &now);
            return EqualRect(&was, &now) != 0;
        });
        int height = int(SendMessageA(dropped, LB_GETITEMHEIGHT, 0, 0));
        int top = int(SendMessageA(dropped, LB_GETTOPINDEX, 0, 0));
        RECT client;
        GetClientRect(dropped, &client);
        POINT at{client.right / 2, (index - top) * height + height / 2};
        ClientToScreen(dropped, &at);
        PressAt(at);
        if (WaitUntil([&] { return !IsWindowVisible(dropped) && ListIndex(window, name) == index; },
                      3000))
            return true;
        std::printf("    wine: the choice of %s in %s was lost; choosing again\n", entry.c_str(),
                    name.c_str());
        if (IsWindowVisible(dropped)) PressKey(VK_ESCAPE);
        WaitUntil([&] { return !IsWindowVisible(dropped); });
    }
    return bool(CHECK(false) << "choosing " << entry << " in " << name);
}

// The foreground window when it bears the program title, is not other and holds the control
// named probe; else null.
HWND ForegroundWith(HWND other, const char* probe) {
    HWND window = GetForegroundWindow();
    bool wanted = window && window != other && WindowText(window) == kTitle &&
                  FindControlByName(window, probe) != nullptr;
    return wanted ? window : nullptr;
}

HWND WaitForWindowWith(HWND other, const char* probe) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = ForegroundWith(other, probe)) != nullptr; });
    return found;
}

bool BackIn(HWND window) {
    return WaitUntil([&] { return IsWindowVisible(window) && GetForegroundWindow() == window; });
}

// The driver as the test sets it: COM1 to COM4 present, the controller on COM2.
DriverBlock FourPorts(SimDriver& driver, int irq1, int irq2, int irq3, int irq4) {
    DriverBlock block = driver.block();
    block.ComPort = 2;
    block.Protocol = 0;
    block.Com[0] = {0x3F8, uint8_t(irq1), 0};
    block.Com[1] = {0x2F8, uint8_t(irq2), 0};
    block.Com[2] = {0x3E8, uint8_t(irq3), 0};
    block.Com[3] = {0x2E8, uint8_t(irq4), 0};
    for (int port = 4; port < 9; ++port) block.Com[port] = {0, 255, 0};
    driver.putBlock(block);
    return block;
}

class Session {
public:
    explicit Session(SimDriver& driver) : driver_(driver), panel_("NXWLHCcp.exe") {
        main_ = panel_.started() ? WaitForTopWindow(kTitle) : nullptr;
        driver_.clearLog();
    }
    ~Session() {
        if (main_ && IsWindow(main_)) PostMessageA(main_, WM_CLOSE, 0, 0);
        panel_.waitForExit(5000);
        driver_.reset();
    }
    HWND main() const { return main_; }

    HWND openView() {
        view_ = nullptr;
        Press(main_, "cmdSerialPort",
              [&] { return (view_ = ForegroundWith(main_, "lblCOM(1)")) != nullptr; });
        return view_;
    }
    // Alt+S in the view: the way to the hidden setup button.
    HWND openResources() {
        SetForegroundWindow(view_);
        WaitUntil([&] { return GetForegroundWindow() == view_; });
        PressKey('S', true);
        dialog_ = WaitForWindowWith(view_, "cboIRQ(1)");
        return dialog_;
    }

private:
    SimDriver& driver_;
    Program panel_;
    HWND main_ = nullptr;
    HWND view_ = nullptr;
    HWND dialog_ = nullptr;
};

void CloseLeftoverPanels() {
    CloseLeftoverWindows(kTitle, 0);
}

}  // namespace

E2E_TEST(SerialPortView, ShowsEveryPortAndMarksTheControllersOwn) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    DriverBlock block = driver.block();
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
    driver.putBlock(block);
    Session session(driver);
    HWND main = session.main();
    if (!(CHECK(main) << "the main window shows")) return;
    HWND view = session.openView();
    if (!(CHECK(view) << "Serial Port opens the detection view")) return;
    CHECK(!IsWindowVisible(main)) << "the main window hides meanwhile";
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
        CHECK_EQ(TextOf(view, Row("lblCOM", n)), std::string(texts[n - 1]));
        CHECK_EQ(TextOf(view, Row("lblDEVICE", n)), std::string(controller ? "*VTCOM" : ""));
        CHECK_EQ(Enabled(view, Row("optDetected", n)), controller) << "COM" << n;
        CHECK_EQ(Selected(view, Row("optDetected", n)), controller) << "COM" << n;
    }
    CHECK(TextIsBlack(view, "lblCOM(3)", true)) << "the controller's row is black";
    CHECK(TextIsBlack(view, "lblDEVICE(3)", true));
    for (int n : {1, 2, 9}) CHECK(TextIsBlack(view, Row("lblCOM", n), false)) << "COM" << n;
    HWND setup = FindControlByName(view, "cmdSetup");
    CHECK(setup && !IsWindowVisible(setup) && !IsWindowEnabled(setup))
        << "the setup button stays out of sight";
    CHECK_EQ(TextOf(view, "lblSystem"), std::string("TouchScreen Control Panel Version 7.5.COM"));

    PressKey(VK_ESCAPE);
    PressKey('S', false, true, false);
    CHECK(!WaitForWindowWith(view, "cboIRQ(1)")) << "neither Esc nor Ctrl+S opens the setup";
    CHECK(IsWindowVisible(view)) << "Esc belongs to the hidden setup button and does nothing";
    CHECK(Press(view, "cmdOK", [&] { return IsWindowVisible(main) != FALSE; }));
    CHECK(BackIn(main)) << "OK brings the main window back";
    CHECK(WaitUntil([&] { return !IsWindow(view); })) << "the view is gone";
    CHECK(driver.log().empty()) << "the view only reads" << Joined(driver.log());

    view = session.openView();
    if (!(CHECK(view) << "the view opens a second time")) return;
    CHECK_EQ(TextOf(view, "lblCOM(3)"), std::string(texts[2]));
    CHECK_EQ(TextOf(view, "lblDEVICE(3)"), std::string("*VTCOM"));
    PostMessageA(view, WM_CLOSE, 0, 0);
    CHECK(BackIn(main)) << "the close box brings the main window back as well";
}

E2E_TEST(SerialPortView, WithoutSerialPortsOnlyTheDriversNotFoundTextsShow) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    DriverBlock block = driver.block();
    block.ComPort = 1;
    block.Protocol = 2;
    for (ComPortSlot& slot : block.Com) slot = {0, 255, 0};
    driver.putBlock(block);
    Session session(driver);
    if (!CHECK(session.main())) return;
    HWND view = session.openView();
    if (!CHECK(view)) return;
    for (int n = 1; n <= 9; ++n)
        CHECK_EQ(TextOf(view, Row("lblCOM", n)), "COM" + std::to_string(n) + "..Not Found.");
    CHECK_EQ(TextOf(view, "lblDEVICE(1)"), std::string("*")) << "protocol 2 has no family name";
    CHECK(Selected(view, "optDetected(1)") && Enabled(view, "optDetected(1)"));
    CHECK(TextIsBlack(view, "lblCOM(1)", true));
    CHECK(TextIsBlack(view, "lblCOM(2)", false));
}

E2E_TEST(SerialPortView, TheControllerInformationGestureDoesNotOpenTheView) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    Session session(driver);
    HWND main = session.main();
    if (!CHECK(main)) return;
    PressControl(FindControlByName(main, "cmdSerialPort"), true, true, true, true);
    HWND info = WaitForWindowWith(main, "lblMcuInfo");
    if (!(CHECK(info) << "the gesture opens the controller information")) return;
    CHECK(FindTopWindow(kTitle) == info) << "and nothing else bears the program title";
    CHECK(FindControlByName(info, "lblCOM(1)") == nullptr);
    PressKey(VK_ESCAPE);
    CHECK(BackIn(main));
    HWND view = session.openView();
    CHECK(view) << "a plain click still opens the view";
}

E2E_TEST(ComPortResources, AltSOpensTheDialogAndSaveSendsTheFourIrqs) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    DriverBlock before = FourPorts(driver, 4, 3, 5, 11);
    Session session(driver);
    HWND main = session.main();
    if (!CHECK(main)) return;
    HWND view = session.openView();
    if (!CHECK(view)) return;
    HWND dialog = session.openResources();
    if (!(CHECK(dialog) << "Alt+S in the view opens the COM port resources")) return;
    CHECK(!IsWindowVisible(view)) << "the view hides meanwhile";
    CHECK(!IsWindowVisible(main));
    SaveScreenshot(dialog, "control_panel_com_port_resources");
    CHECK_EQ(TextOf(dialog, "lblCaution"), std::string("CAUTION:"));
    CHECK_EQ(TextOf(dialog, "lblNote"),
             std::string("Incorrect change to the following Setting could prevent the "
                         "TouchScreen from operation or operation correctly."));
    const std::vector<std::string> addresses = {"03F8", "02F8", "03E8", "02E8"};
    const char* stored[] = {"4", "3", "5", "11"};
    for (int k = 1; k <= 4; ++k) {
        CHECK_EQ(TextOf(dialog, Row("lblCOM", k)), "COM" + std::to_string(k) + ":");
        CHECK(ListEntries(dialog, Row("cboPort", k)) == addresses) << "cboPort(" << k << ")";
        CHECK_EQ(TextOf(dialog, Row("cboPort", k)), addresses[k - 1]) << "its own port's base";
        CHECK(!Enabled(dialog, Row("cboPort", k)));
        CHECK(ListEntries(dialog, Row("cboIRQ", k)) ==
              (std::vector<std::string>{"3", "4", "5", "7", "10", "11"}));
        CHECK_EQ(TextOf(dialog, Row("cboIRQ", k)), std::string(stored[k - 1]));
    }
    CHECK(!Enabled(dialog, "cmdSave")) << "every stored IRQ is a choice";

    Choose(dialog, "cboIRQ(1)", "7");
    CHECK(WaitUntil([&] { return Enabled(dialog, "cmdSave"); })) << "a different IRQ lights Save";
    Choose(dialog, "cboIRQ(1)", "4");
    CHECK(WaitUntil([&] { return !Enabled(dialog, "cmdSave"); })) << "the stored one darkens it";
    Choose(dialog, "cboIRQ(2)", "10");
    CHECK(WaitUntil([&] { return Enabled(dialog, "cmdSave"); }));
    CHECK(driver.log().empty()) << "choosing sends nothing" << Joined(driver.log());
    CHECK(Press(dialog, "cmdSave", [&] { return !Enabled(dialog, "cmdSave"); }))
        << "Save goes dark";
    std::vector<std::string> log = driver.log();
    CHECK(log ==
          std::vector<std::string>{"IOCTL_SET_COM_IRQ ComIrq1=4 ComIrq2=10 ComIrq3=5 ComIrq4=11"})
        << Joined(log);
    DriverBlock after = driver.block();
    before.Com[1].Irq = 10;
    CHECK(std::memcmp(&after, &before, sizeof after) == 0) << "only COM2's IRQ changed";
    CHECK(IsWindowVisible(dialog)) << "Save keeps the dialog open";

    driver.clearLog();
    Choose(dialog, "cboIRQ(4)", "3");
    Press(dialog, "cmdCancel", [&] { return !IsWindow(dialog); });
    CHECK(BackIn(view)) << "Cancel returns to the detection view";
    CHECK(!IsWindowVisible(main)) << "not to the main window";
    CHECK(driver.log().empty()) << "Cancel writes nothing" << Joined(driver.log());
    CHECK(WaitUntil([&] { return TextOf(view, "lblCOM(2)") == "COM2, BasePort=02F8h, IRQ=10"; }))
        << "the view shows the saved IRQ: " << TextOf(view, "lblCOM(2)");
    CHECK_EQ(TextOf(view, "lblCOM(4)"), std::string("COM4, BasePort=02E8h, IRQ=11"));
    SaveScreenshot(view, "control_panel_serial_port_after_save");
    CHECK(TextIsBlack(view, "lblCOM(2)", true)) << "the controller's row stays marked";
    CHECK(Selected(view, "optDetected(2)"));

    Press(view, "cmdOK", [&] { return IsWindowVisible(main) != FALSE; });
    CHECK(BackIn(main)) << "the view's OK returns to the main window";
}

E2E_TEST(ComPortResources, EscAndOkSavePendingChangesFirst) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    FourPorts(driver, 4, 3, 4, 3);
    Session session(driver);
    if (!CHECK(session.main())) return;
    HWND view = session.openView();
    if (!CHECK(view)) return;

    HWND dialog = session.openResources();
    if (!CHECK(dialog)) return;
    HWND dropped = nullptr;
    if (CHECK(PressUntil(FindControlByName(dialog, "cboIRQ(2)"),
                         [&] { return (dropped = DroppedList()) != nullptr; }))) {
        PressKey(VK_ESCAPE);
        CHECK(WaitUntil([&] { return !IsWindowVisible(dropped); })) << "Esc closes the open list";
        CHECK(IsWindowVisible(dialog)) << "and only the list";
        CHECK(driver.log().empty()) << Joined(driver.log());
    }
    Choose(dialog, "cboIRQ(3)", "5");
    PressKey(VK_ESCAPE);
    CHECK(BackIn(view)) << "Esc closes the dialog";
    std::vector<std::string> log = driver.log();
    CHECK(log ==
          std::vector<std::string>{"IOCTL_SET_COM_IRQ ComIrq1=4 ComIrq2=3 ComIrq3=5 ComIrq4=3"})
        << "Esc saves the pending change" << Joined(log);
    CHECK(WaitUntil([&] { return TextOf(view, "lblCOM(3)") == "COM3, BasePort=03E8h, IRQ=5"; }));

    driver.clearLog();
    dialog = session.openResources();
    if (!CHECK(dialog)) return;
    CHECK_EQ(TextOf(dialog, "cboIRQ(3)"), std::string("5")) << "the dialog opens on the saved IRQ";
    Press(dialog, "cmdOK", [&] { return !IsWindow(dialog); });
    CHECK(BackIn(view));
    CHECK(driver.log().empty()) << "OK with nothing pending sends nothing" << Joined(driver.log());

    dialog = session.openResources();
    if (!CHECK(dialog)) return;
    Choose(dialog, "cboIRQ(4)", "7");
    Press(dialog, "cmdOK", [&] { return !IsWindow(dialog); });
    CHECK(BackIn(view));
    log = driver.log();
    CHECK(log ==
          std::vector<std::string>{"IOCTL_SET_COM_IRQ ComIrq1=4 ComIrq2=3 ComIrq3=5 ComIrq4=7"})
        << "OK saves the pending change" << Joined(log);
    CHECK(WaitUntil([&] { return TextOf(view, "lblCOM(4)") == "COM4, BasePort=02E8h, IRQ=7"; }));

    driver.clearLog();
    dialog = session.openResources();
    if (!CHECK(dialog)) return;
    Choose(dialog, "cboIRQ(1)", "11");
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    CHECK(BackIn(view)) << "the close box returns to the view";
    CHECK(driver.log().empty()) << "and writes nothing" << Joined(driver.log());
    CHECK_EQ(TextOf(view, "lblCOM(1)"), std::string("COM1, BasePort=03F8h, IRQ=4"));
}

E2E_TEST(ComPortResources, StoredValuesWithoutAChoiceOpenEmptyAndAreKept) {
    CloseLeftoverPanels();
    SimDriver driver;
    driver.reset();
    DriverBlock block = FourPorts(driver, 4, 3, 255, 9);
    block.Com[2].Base = 0;  // COM3 not found
    driver.putBlock(block);
    Session session(driver);
    if (!CHECK(session.main())) return;
    HWND view = session.openView();
    if (!CHECK(view)) return;
    CHECK_EQ(TextOf(view, "lblCOM(3)"), std::string("COM3..Not Found."));
    HWND dialog = session.openResources();
    if (!CHECK(dialog)) return;
    CHECK_EQ(TextOf(dialog, "cboPort(3)"), std::string("0000"));
    CHECK_EQ(ListIndex(dialog, "cboIRQ(3)"), -1) << "255 is no choice";
    CHECK_EQ(ListIndex(dialog, "cboIRQ(4)"), -1) << "9 is no choice";
    CHECK(Enabled(dialog, "cmdSave")) << "Save opens lit";
    Choose(dialog, "cboIRQ(1)", "5");
    CHECK(Press(dialog, "cmdSave", [&] { return !Enabled(dialog, "cmdSave"); }));
    std::vector<std::string> log = driver.log();
    CHECK(log ==
          std::vector<std::string>{"IOCTL_SET_COM_IRQ ComIrq1=5 ComIrq2=3 ComIrq3=255 ComIrq4=9"})
        << "ports left without a choice keep their values" << Joined(log);
    Press(dialog, "cmdOK", [&] { return !IsWindow(dialog); });
    CHECK(BackIn(view));
    CHECK_EQ(driver.log().size(), 1u) << "OK after Save has nothing left to save";
    CHECK(WaitUntil([&] { return TextOf(view, "lblCOM(1)") == "COM1, BasePort=03F8h, IRQ=5"; }));
    CHECK_EQ(TextOf(view, "lblCOM(3)"), std::string("COM3..Not Found."));
    CHECK_EQ(TextOf(view, "lblCOM(4)"), std::string("COM4, BasePort=02E8h, IRQ=9"));
}
