// The startup program's double-click configuration window ("/SDC") as a user works it.
#include <windows.h>

#include "config_key.h"
#include "e2e_test.h"
#include "startup_e2e_support.h"

using namespace e2e;
using namespace startup_e2e;

namespace {

struct StoredDoubleClick {
    ConfigValueGuard speed{"DoubleClickSpeed"};
    ConfigValueGuard width{"DoubleClickWidth"};
    ConfigValueGuard height{"DoubleClickHeight"};
    WindowsDoubleClickGuard windows;

    void store(DWORD time, DWORD x, DWORD y) {
        WriteConfigNumber("DoubleClickSpeed", time);
        WriteConfigNumber("DoubleClickWidth", x);
        WriteConfigNumber("DoubleClickHeight", y);
    }
};

HWND OpenConfiguration(Program& startup) {
    return WaitForProgramWindow(startup, "hscTT");
}

HWND Part(HWND window, const char* name) {
    return FindControlByName(window, name);
}

// Whether a label's text, in the label's own font, fits its width on one line.
bool FitsOnOneLine(HWND label) {
    if (!label) return false;
    std::string text = WindowText(label);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    RECT client;
    GetClientRect(label, &client);
    return extent.cx <= client.right;
}

}  // namespace

E2E_TEST(StartupDoubleClick, ShowsTheStoredAndTheSystemValuesAndCancelKeepsThem) {
    CloseLeftovers();
    StoredDoubleClick guard;
    guard.store(700, 10, 33);
    SetWindowsDoubleClick(430, 5, 6);
    WriteMouseString("DoubleClickSpeed", "430");
    Program startup("NXWLHCao.exe", "/SDC");
    HWND window = OpenConfiguration(startup);
    if (!(CHECK(window) << "the configuration window shows")) return;
    SaveScreenshot(window, "startup_double_click");
    CHECK_EQ(TextOf(window, "lblSystem"), std::string(kVersionLine));
    CHECK_EQ(TextOf(window, "lblTT"), std::string("Speed: 700"));
    CHECK_EQ(TextOf(window, "lblWW"), std::string("Width: 10"));
    CHECK_EQ(TextOf(window, "lblHH"), std::string("Hight: 33"));
    CHECK_EQ(ScrollPosition(Part(window, "hscTT")), 700);
    CHECK_EQ(ScrollPosition(Part(window, "hscHH")), 33);
    CHECK_EQ(TextOf(window, "lblSiTT"), std::string("430"));
    CHECK_EQ(TextOf(window, "lblSiWW"), std::string("5"));
    CHECK_EQ(TextOf(window, "lblSiHH"), std::string("6"));
    CHECK(Enabled(window, "cmdApply")) << "Windows does not have the stored values yet";
    CHECK(Shows(window, "imgOFF") && !Shows(window, "imgON")) << "the lamp starts off";
    CHECK(Shows(window, "cmdOK") && Shows(window, "Frame2")) << "the whole window, not the banner";

    Press(Part(window, "cmdCandel"));
    DWORD code = 1;
    CHECK(startup.waitForExit(5000, &code) && code == 0) << "Cancel ends the program";
    DoubleClickInForce now = ReadDoubleClickInForce();
    CHECK(InForce(now, 430, 5, 6)) << "nothing applied; " << now;
    CHECK(ReadConfigNumber("DoubleClickSpeed") == 700u) << "nothing stored";
    CHECK(MouseStringIs("DoubleClickSpeed", "430")) << "Windows' copy untouched";
}

E2E_TEST(StartupDoubleClick, SlidersApplyAndOKSetWindowsAndStoreTheValues) {
    CloseLeftovers();
    StoredDoubleClick guard;
    guard.store(500, 32, 32);
    SetWindowsDoubleClick(500, 4, 4);
    Program startup("NXWLHCao.exe", "/SDC");
    HWND window = OpenConfiguration(startup);
    if (!(CHECK(window) << "the configuration window shows")) return;
    CHECK_EQ(TextOf(window, "lblHH"), std::string("Height: 32")) << "the design caption stays";
    CHECK(!Enabled(window, "cmdApply")) << "the design values stored: no slider changed";

    PressOn(window, "hscTT", VK_RIGHT);
    CHECK(WaitUntil([&] { return TextOf(window, "lblTT") == "Speed: 501"; }))
        << "the right arrow adds one, got " << TextOf(window, "lblTT");
    CHECK_EQ(ScrollPosition(Part(window, "hscTT")), 501);
    CHECK(Enabled(window, "cmdApply"));
    PressOn(window, "hscTT", VK_LEFT);
    CHECK(WaitUntil([&] { return TextOf(window, "lblTT") == "Speed: 500"; }));
    CHECK(Enabled(window, "cmdApply")) << "back at the stored value, but Windows still differs";

    PressOn(window, "hscHH", VK_NEXT);
    CHECK(WaitUntil([&] { return TextOf(window, "lblHH") == "Hight: 37"; }))
        << "Page Down adds five, got " << TextOf(window, "lblHH");
    Press(Part(window, "cmdApply"));
    CHECK(WaitUntil([&] { return !Enabled(window, "cmdApply"); })) << "Apply turns itself off";
    HWND focus = FocusedControl(window);
    CHECK(focus && IsChild(window, focus) && IsWindowEnabled(focus))
        << "the focus moved on from the disabled Apply, so the keys still work";
    CHECK_EQ(TextOf(window, "lblSiTT"), std::string("500")) << "the system values are read again";
    CHECK_EQ(TextOf(window, "lblSiWW"), std::string("32"));
    CHECK_EQ(TextOf(window, "lblSiHH"), std::string("37"));
    CHECK(ReadConfigNumber("DoubleClickHeight") == 37u);
    CHECK(ReadConfigNumber("DoubleClickWidth") == 32u);
    CHECK(MouseStringIs("DoubleClickHeight", "37"));
    CHECK(MouseStringIs("DoubleClickSpeed", "500"));

    PressOn(window, "hscTT", VK_RIGHT);
    CHECK(WaitUntil([&] { return Enabled(window, "cmdApply"); }));
    PressOn(window, "hscTT", VK_LEFT);
    CHECK(WaitUntil([&] { return !Enabled(window, "cmdApply"); }))
        << "back at the stored value with Windows equal to it: nothing to apply";

    PressOn(window, "hscWW", VK_LEFT);
    CHECK(WaitUntil([&] { return TextOf(window, "lblWW") == "Width: 31"; }));
    CHECK(Enabled(window, "cmdApply"));
    Press(Part(window, "cmdOK"));
    DWORD code = 1;
    CHECK(startup.waitForExit(5000, &code) && code == 0) << "OK ends the program";
    CHECK(ReadConfigNumber("DoubleClickWidth") == 31u) << "OK applied first";
    CHECK(MouseStringIs("DoubleClickWidth", "31"));
    DoubleClickInForce now = ReadDoubleClickInForce();
    CHECK(InForce(now, 500, 31, 37)) << now;
}

E2E_TEST(StartupDoubleClick, OKWithApplyOffWritesNothing) {
    CloseLeftovers();
    StoredDoubleClick guard;
    guard.store(500, 32, 32);
    SetWindowsDoubleClick(420, 5, 6);
    WriteMouseString("DoubleClickSpeed", "420");
    Program startup("NXWLHCao.exe", "/SDC");
    HWND window = OpenConfiguration(startup);
    if (!(CHECK(window) << "the configuration window shows")) return;
    CHECK(!Enabled(window, "cmdApply"));
    PressOn(window, "hscTT", VK_RIGHT);
    PressOn(window, "hscTT", VK_LEFT);
    CHECK(WaitUntil([&] { return Enabled(window, "cmdApply"); }))
        << "back at the stored value, Windows still differs";
    PressKey(VK_ESCAPE);
    CHECK(startup.waitForExit(5000)) << "Esc is Cancel and ends the program";
    CHECK(ReadConfigNumber("DoubleClickSpeed") == 500u);

    Program again("NXWLHCao.exe", "/SDC");
    window = OpenConfiguration(again);
    if (!(CHECK(window) << "the configuration window shows again")) return;
    Press(Part(window, "cmdOK"));
    CHECK(again.waitForExit(5000)) << "OK ends the program";
    DoubleClickInForce now = ReadDoubleClickInForce();
    CHECK(InForce(now, 420, 5, 6)) << "nothing applied; " << now;
    CHECK(MouseStringIs("DoubleClickSpeed", "420")) << "nothing written";
}

E2E_TEST(StartupDoubleClick, EachDoubleClickOnTheLampSwitchesIt) {
    CloseLeftovers();
    StoredDoubleClick guard;
    guard.store(500, 32, 32);
    SetWindowsDoubleClick(500, 4, 4);
    Program startup("NXWLHCao.exe", "/SDC");
    HWND window = OpenConfiguration(startup);
    if (!(CHECK(window) << "the configuration window shows")) return;
    HWND box = Part(window, "picTest");
    RECT inner;
    GetClientRect(box, &inner);
    auto boxColour = [&] { return ScreenColourIn(box, 2, inner.bottom / 2); };
    CHECK_EQ(boxColour(), COLORREF(RGB(250, 250, 250))) << "near-white while off";

    DoublePress(Part(window, "imgOFF"));
    CHECK(WaitUntil([&] { return Shows(window, "imgON") && !Shows(window, "imgOFF"); }))
        << "a double-click lights the lamp";
    CHECK(Enabled(window, "imgON") && !Enabled(window, "imgOFF"));
    CHECK(WaitUntil([&] { return boxColour() == RGB(0, 0, 255); })) << "blue while on";
    SaveScreenshot(window, "startup_double_click_lamp_on");

    DoublePress(Part(window, "imgON"));
    CHECK(WaitUntil([&] { return Shows(window, "imgOFF") && !Shows(window, "imgON"); }))
        << "the next double-click puts it out";
    CHECK(WaitUntil([&] { return boxColour() == RGB(250, 250, 250); }));
    Press(Part(window, "cmdCandel"));
    CHECK(startup.waitForExit(5000));
}

E2E_TEST(StartupDoubleClick, TheIconOpensTheAboutBoxAndTheWindowComesBack) {
    CloseLeftovers();
    StoredDoubleClick guard;
    Program startup("NXWLHCao.exe", "/SDC");
    HWND window = OpenConfiguration(startup);
    if (!(CHECK(window) << "the configuration window shows")) return;
    DoublePress(Part(window, "imgIcon"));
    HWND about = WaitForTopWindow(" About");
    if (CHECK(about) << "the about box shows") {
        SaveScreenshot(about, "startup_about");
        CHECK(!IsWindowVisible(window)) << "the window hides meanwhile";
        CHECK_EQ(TextOf(about, "lblSystem"), std::string(kVersionLine));
        CHECK(FitsOnOneLine(Part(about, "lblSystem"))) << "the version line is not cut";
        CHECK(TextOf(about, "lblCopyright").find("Copyright") != std::string::npos);
        Press(Part(about, "cmdOK"));
        CHECK(WaitUntil([&] { return IsWindowVisible(window) != FALSE; })) << "and comes back";
        CHECK(WaitUntil([&] { return GetForegroundWindow() == window; })) << "with the focus";
    }
    CHECK(startup.running()) << "closing the about box does not end the program";
    Press(Part(window, "cmdCandel"));
    CHECK(startup.waitForExit(5000));
}
