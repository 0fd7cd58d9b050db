// The startup program's double-click configuration window ("/SDC") as a user works it.
#include <windows.h>

#include <memory>

#include "config_key.h"
#include "e2e_test.h"
#include "startup_e2e_support.h"

using namespace e2e;
using namespace startup_e2e;

namespace {

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

// Windows' and the stored double-click settings are put back as they were when the test ends.
class StartupDoubleClick : public testing::Test {
protected:
    void SetUp() override { CloseLeftovers(); }

    // Starts the program with "/SDC"; its window once it shows.
    HWND Open() {
        startup = std::make_unique<Program>("NXWLHCao.exe", "/SDC");
        return WaitForProgramWindow(*startup, "hscTT");
    }

    StoredDoubleClick guard;
    std::unique_ptr<Program> startup;
};

}  // namespace

TEST_F(StartupDoubleClick, ShowsTheStoredAndTheSystemValuesAndCancelKeepsThem) {
    guard.store(700, 10, 33);
    SetWindowsDoubleClick(430, 5, 6);
    WriteMouseString("DoubleClickSpeed", "430");
    HWND window = Open();
    ASSERT_TRUE(window) << "the configuration window shows";
    SaveScreenshot(window, "startup_double_click");
    EXPECT_EQ(TextOf(window, "lblSystem"), kVersionLine);
    EXPECT_EQ(TextOf(window, "lblTT"), "Speed: 700");
    EXPECT_EQ(TextOf(window, "lblWW"), "Width: 10");
    EXPECT_EQ(TextOf(window, "lblHH"), "Hight: 33");
    EXPECT_EQ(ScrollPosition(Part(window, "hscTT")), 700);
    EXPECT_EQ(ScrollPosition(Part(window, "hscHH")), 33);
    EXPECT_EQ(TextOf(window, "lblSiTT"), "430");
    EXPECT_EQ(TextOf(window, "lblSiWW"), "5");
    EXPECT_EQ(TextOf(window, "lblSiHH"), "6");
    EXPECT_TRUE(Enabled(window, "cmdApply")) << "Windows does not have the stored values yet";
    EXPECT_TRUE(Shows(window, "imgOFF") && !Shows(window, "imgON")) << "the lamp starts off";
    EXPECT_TRUE(Shows(window, "cmdOK") && Shows(window, "Frame2"))
        << "the whole window, not the banner";

    Press(Part(window, "cmdCandel"));
    DWORD code = 1;
    EXPECT_TRUE(startup->waitForExit(5000, &code) && code == 0) << "Cancel ends the program";
    EXPECT_EQ(DoubleClickInForce(), "430 ms, 5 x 6") << "nothing applied";
    EXPECT_TRUE(ReadConfigNumber("DoubleClickSpeed") == 700u) << "nothing stored";
    EXPECT_TRUE(MouseStringIs("DoubleClickSpeed", "430")) << "Windows' copy untouched";
}

TEST_F(StartupDoubleClick, SlidersApplyAndOKSetWindowsAndStoreTheValues) {
    guard.store(500, 32, 32);
    SetWindowsDoubleClick(500, 4, 4);
    HWND window = Open();
    ASSERT_TRUE(window) << "the configuration window shows";
    EXPECT_EQ(TextOf(window, "lblHH"), "Height: 32") << "the design caption stays";
    EXPECT_FALSE(Enabled(window, "cmdApply")) << "the design values stored: no slider changed";

    PressOn(window, "hscTT", VK_RIGHT);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(window, "lblTT") == "Speed: 501"; }))
        << "the right arrow adds one, got " << TextOf(window, "lblTT");
    EXPECT_EQ(ScrollPosition(Part(window, "hscTT")), 501);
    EXPECT_TRUE(Enabled(window, "cmdApply"));
    PressOn(window, "hscTT", VK_LEFT);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(window, "lblTT") == "Speed: 500"; }));
    EXPECT_TRUE(Enabled(window, "cmdApply"))
        << "back at the stored value, but Windows still differs";

    PressOn(window, "hscHH", VK_NEXT);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(window, "lblHH") == "Hight: 37"; }))
        << "Page Down adds five, got " << TextOf(window, "lblHH");
    Press(Part(window, "cmdApply"));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(window, "cmdApply"); }))
        << "Apply turns itself off";
    HWND focus = FocusOf(window);
    EXPECT_TRUE(focus && IsChild(window, focus) && IsWindowEnabled(focus))
        << "the focus moved on from the disabled Apply, so the keys still work";
    EXPECT_EQ(TextOf(window, "lblSiTT"), "500") << "the system values are read again";
    EXPECT_EQ(TextOf(window, "lblSiWW"), "32");
    EXPECT_EQ(TextOf(window, "lblSiHH"), "37");
    EXPECT_TRUE(ReadConfigNumber("DoubleClickHeight") == 37u);
    EXPECT_TRUE(ReadConfigNumber("DoubleClickWidth") == 32u);
    EXPECT_TRUE(MouseStringIs("DoubleClickHeight", "37"));
    EXPECT_TRUE(MouseStringIs("DoubleClickSpeed", "500"));

    PressOn(window, "hscTT", VK_RIGHT);
    EXPECT_TRUE(WaitUntil([&] { return Enabled(window, "cmdApply"); }));
    PressOn(window, "hscTT", VK_LEFT);
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(window, "cmdApply"); }))
        << "back at the stored value with Windows equal to it: nothing to apply";

    PressOn(window, "hscWW", VK_LEFT);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(window, "lblWW") == "Width: 31"; }));
    EXPECT_TRUE(Enabled(window, "cmdApply"));
    Press(Part(window, "cmdOK"));
    DWORD code = 1;
    EXPECT_TRUE(startup->waitForExit(5000, &code) && code == 0) << "OK ends the program";
    EXPECT_TRUE(ReadConfigNumber("DoubleClickWidth") == 31u) << "OK applied first";
    EXPECT_TRUE(MouseStringIs("DoubleClickWidth", "31"));
    EXPECT_EQ(DoubleClickInForce(), "500 ms, 31 x 37");
}

TEST_F(StartupDoubleClick, OKWithApplyOffWritesNothing) {
    guard.store(500, 32, 32);
    SetWindowsDoubleClick(420, 5, 6);
    WriteMouseString("DoubleClickSpeed", "420");
    HWND window = Open();
    ASSERT_TRUE(window) << "the configuration window shows";
    EXPECT_FALSE(Enabled(window, "cmdApply"));
    PressOn(window, "hscTT", VK_RIGHT);
    PressOn(window, "hscTT", VK_LEFT);
    EXPECT_TRUE(WaitUntil([&] { return Enabled(window, "cmdApply"); }))
        << "back at the stored value, Windows still differs";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(startup->waitForExit(5000)) << "Esc is Cancel and ends the program";
    EXPECT_TRUE(ReadConfigNumber("DoubleClickSpeed") == 500u);

    window = Open();
    ASSERT_TRUE(window) << "the configuration window shows again";
    Press(Part(window, "cmdOK"));
    EXPECT_TRUE(startup->waitForExit(5000)) << "OK ends the program";
    EXPECT_EQ(DoubleClickInForce(), "420 ms, 5 x 6") << "nothing applied";
    EXPECT_TRUE(MouseStringIs("DoubleClickSpeed", "420")) << "nothing written";
}

TEST_F(StartupDoubleClick, EachDoubleClickOnTheLampSwitchesIt) {
    guard.store(500, 32, 32);
    SetWindowsDoubleClick(500, 4, 4);
    HWND window = Open();
    ASSERT_TRUE(window) << "the configuration window shows";
    HWND box = Part(window, "picTest");
    RECT inner;
    GetClientRect(box, &inner);
    auto boxColour = [&] { return PixelOf(box, 2, inner.bottom / 2); };
    EXPECT_EQ(boxColour(), COLORREF(RGB(250, 250, 250))) << "near-white while off";

    Press(Part(window, "imgOFF"), kTwice);
    EXPECT_TRUE(WaitUntil([&] { return Shows(window, "imgON") && !Shows(window, "imgOFF"); }))
        << "a double-click lights the lamp";
    EXPECT_TRUE(Enabled(window, "imgON") && !Enabled(window, "imgOFF"));
    EXPECT_TRUE(WaitUntil([&] { return boxColour() == RGB(0, 0, 255); })) << "blue while on";
    SaveScreenshot(window, "startup_double_click_lamp_on");

    Press(Part(window, "imgON"), kTwice);
    EXPECT_TRUE(WaitUntil([&] { return Shows(window, "imgOFF") && !Shows(window, "imgON"); }))
        << "the next double-click puts it out";
    EXPECT_TRUE(WaitUntil([&] { return boxColour() == RGB(250, 250, 250); }));
    Press(Part(window, "cmdCandel"));
    EXPECT_TRUE(startup->waitForExit(5000));
}

TEST_F(StartupDoubleClick, TheIconOpensTheAboutBoxAndTheWindowComesBack) {
    HWND window = Open();
    ASSERT_TRUE(window) << "the configuration window shows";
    Press(Part(window, "imgIcon"), kTwice);
    HWND about = WaitForTopWindow(" About");
    EXPECT_TRUE(about) << "the about box shows";
    if (about) {
        SaveScreenshot(about, "startup_about");
        EXPECT_FALSE(IsWindowVisible(window)) << "the window hides meanwhile";
        EXPECT_EQ(TextOf(about, "lblSystem"), kVersionLine);
        EXPECT_TRUE(FitsOnOneLine(Part(about, "lblSystem"))) << "the version line is not cut";
        EXPECT_TRUE(TextOf(about, "lblCopyright").find("Copyright") != std::string::npos);
        Press(Part(about, "cmdOK"));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }))
            << "and comes back";
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; })) << "with the focus";
    }
    EXPECT_TRUE(startup->running()) << "closing the about box does not end the program";
    Press(Part(window, "cmdCandel"));
    EXPECT_TRUE(startup->waitForExit(5000));
}
