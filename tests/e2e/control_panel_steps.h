// What a user does with the control panel, and what the tests read back: the program started
// on the simulated driver, dialogs opened from the main window, bars, lists, choices and their
// caption colours.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "e2e_test.h"
#include "input.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

namespace panel_steps {

using namespace e2e;

const char kTitle[] = " TouchScreen Control Panel #NX-COM";
const char kRightButtonCaption[] = " C-RBF";
constexpr WPARAM kRightButtonQuit = 0x100E;
constexpr COLORREF kTeal = RGB(0, 128, 128);  // 0x808000 as 0x00BBGGRR

// Programs an earlier test left would answer in place of the ones under test.
inline void CloseLeftovers() {
    for (const char* window : {kTitle, "Test", "Calibration"}) CloseLeftoverWindows(window, 0);
    CloseLeftoverWindows(kRightButtonCaption, kRightButtonQuit);
}

inline HWND StartPanel(Program& panel) {
    return panel.started() ? WaitForTopWindow(kTitle) : nullptr;
}

// A test of the control panel on the simulated driver. The program ends, and the driver is
// reset, with the test.
class ControlPanelTest : public testing::Test {
protected:
    // Starts the control panel on a freshly reset driver, its block first changed by adjust; the
    // main window once it shows (the driver's log cleared then), or null.
    HWND Start(const std::function<void(DriverBlock&)>& adjust = nullptr) {
        Close();
        CloseLeftovers();
        driver.reset();
        given = driver.block();
        if (adjust) {
            adjust(given);
            driver.putBlock(given);
        }
        panel = std::make_unique<Program>("NXWLHCcp.exe");
        main = StartPanel(*panel);
        driver.clearLog();
        return main;
    }
    // The main window's close box; true once the program has ended.
    bool Close() {
        if (main && IsWindow(main)) PostMessageA(main, WM_CLOSE, 0, 0);
        return !panel || panel->waitForExit(5000);
    }
    void TearDown() override {
        Close();
        driver.reset();
    }

    SimDriver driver;
    DriverBlock given{};  // the block the panel started on
    std::unique_ptr<Program> panel;
    HWND main = nullptr;
};

inline HWND Find(HWND window, const std::string& name) {
    return FindControlByName(window, name);
}

inline int BarValue(HWND window, const std::string& name) {
    HWND bar = Find(window, name);
    return bar ? int(SendMessageA(bar, SBM_GETPOS, 0, 0)) : -1;
}

inline int ListCount(HWND window, const std::string& name) {
    HWND list = Find(window, name);
    return list ? int(SendMessageA(list, CB_GETCOUNT, 0, 0)) : -1;
}

// The dialog in front once it shows: the window other than other that bears the program title
// and holds the control named probe; null when none came.
inline HWND ForegroundDialog(HWND other, const char* probe) {
    HWND dialog = nullptr;
    WaitUntil([&] {
        dialog = GetForegroundWindow();
        return dialog != other && WindowText(dialog) == kTitle && Find(dialog, probe) != nullptr;
    });
    return dialog && dialog != other && Find(dialog, probe) ? dialog : nullptr;
}

// Clicks the dialog-opening button of the main window; the dialog once it is in front.
inline HWND OpenDialog(HWND main, const char* button, const char* probe) {
    Press(Find(main, button));
    return ForegroundDialog(main, probe);
}

// The window is shown again and has the focus.
inline bool BackAtMain(HWND window) {
    return WaitUntil([&] { return IsWindowVisible(window) && GetForegroundWindow() == window; });
}

// A click on one of a horizontal scroll bar's arrows (one small step), or on the track beside
// it (one large step).
inline void ClickBar(HWND window, const std::string& bar, bool right, bool track = false) {
    HWND control = Find(window, bar);
    BringForward(window);
    RECT rect;
    GetWindowRect(control, &rect);
    int inset = track ? GetSystemMetrics(SM_CXHSCROLL) + 2 : GetSystemMetrics(SM_CXHSCROLL) / 2;
    PressAt({right ? rect.right - inset : rect.left + inset, (rect.top + rect.bottom) / 2});
}

inline void ClickArrow(HWND window, const std::string& bar, bool right) {
    ClickBar(window, bar, right);
}

inline void ClickTrack(HWND window, const std::string& bar, bool right) {
    ClickBar(window, bar, right, true);
}

// Presses the bar's thumb, drags it by dx pixels and calls whileHeld before releasing it. The
// pointer stops over the bar's end arrows, as a user's would: one that leaves the bar by more than
// the system's margin, which Wine does not scale with the DPI, puts the thumb back.
inline void DragThumb(HWND window, const std::string& bar, int minimum, int maximum, int dx,
                      const std::function<void()>& whileHeld) {
    HWND control = Find(window, bar);
    BringForward(window);
    RECT rect;
    GetWindowRect(control, &rect);
    int arrow = GetSystemMetrics(SM_CXHSCROLL);
    int thumb = GetSystemMetrics(SM_CXHTHUMB);
    int track = rect.right - rect.left - 2 * arrow - thumb;
    int value = int(SendMessageA(control, SBM_GETPOS, 0, 0));
    POINT at{rect.left + arrow + thumb / 2 + track * (value - minimum) / (maximum - minimum),
             (rect.top + rect.bottom) / 2};
    long to = std::clamp<long>(at.x + dx, rect.left + arrow / 2, rect.right - 1 - arrow / 2);
    Drag(at, {to, at.y}, 4, kLeftButton, whileHeld);
}

// A choice's caption is teal when not selected; true once the screen shows it as expected.
inline bool CaptionShowsTeal(HWND window, const std::string& name, bool teal) {
    HWND control = Find(window, name);
    return control && WaitUntil([&] { return ShowsColour(control, kTeal) == teal; }, 2000);
}

// The design's name of the control that has the keyboard focus in the dialog.
inline std::string FocusName(HWND dialog) {
    return ControlName(FocusOf(dialog));
}

// Presses a key (with Shift: Shift+Tab) and waits for the focus to land on the named control.
inline bool KeyTakesFocusTo(HWND dialog, WORD key, const std::string& name, bool shift = false) {
    PressKey(key, false, false, shift);
    return WaitUntil([&] { return FocusName(dialog) == name; }, 2000);
}

}  // namespace panel_steps
