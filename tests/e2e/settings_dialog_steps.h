// What a user does with the control panel's settings dialogs, and what the tests read back:
// opening a dialog from the main window, bars, lists, choices and their caption colours.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "desktop.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

namespace settings_steps {

using namespace e2e;

const char kTitle[] = " TouchScreen Control Panel #NX-COM";
const char kRightButtonCaption[] = " C-RBF";
constexpr WPARAM kRightButtonQuit = 0x100E;
constexpr COLORREF kTeal = RGB(0, 128, 128);  // 0x808000 as 0x00BBGGRR

// Mouse input that carries its own position: a pointer event the system still had queued from
// an earlier move cannot send the press elsewhere.
inline void MouseAt(POINT point, DWORD buttonFlags = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // the middle of the pixel, in the 0..65535 scale of absolute input
    input.mi.dx = LONG((point.x * 65536LL + 32768) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = LONG((point.y * 65536LL + 32768) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    SendInput(1, &input, sizeof input);
    WaitUntil(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
        },
        2000);
}

inline void PressAt(POINT point) {
    MouseAt(point);
    MouseAt(point, MOUSEEVENTF_LEFTDOWN);
    MouseAt(point, MOUSEEVENTF_LEFTUP);
}

// A left click in the middle of a control, its window brought forward first.
inline void Press(HWND control) {
    HWND top = GetAncestor(control, GA_ROOT);
    SetForegroundWindow(top);
    WaitUntil([&] { return GetForegroundWindow() == top; }, 2000);
    RECT rect;
    GetWindowRect(control, &rect);
    PressAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

inline void CloseLeftovers() {
    CloseLeftoverWindows(kTitle, 0);
    CloseLeftoverWindows(kRightButtonCaption, kRightButtonQuit);
}

inline HWND StartPanel(Program& panel) {
    return panel.started() ? WaitForTopWindow(kTitle) : nullptr;
}

inline HWND Find(HWND window, const std::string& name) {
    return FindControlByName(window, name);
}

inline std::string TextOf(HWND window, const std::string& name) {
    HWND control = Find(window, name);
    return control ? WindowText(control) : "<no " + name + ">";
}

inline bool Enabled(HWND window, const std::string& name) {
    HWND control = Find(window, name);
    return control && IsWindowEnabled(control);
}

inline int BarValue(HWND window, const std::string& name) {
    HWND bar = Find(window, name);
    return bar ? int(SendMessageA(bar, SBM_GETPOS, 0, 0)) : -1;
}

inline bool Ticked(HWND window, const std::string& name) {
    HWND box = Find(window, name);
    return box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline int ListIndex(HWND window, const std::string& name) {
    HWND list = Find(window, name);
    return list ? int(SendMessageA(list, CB_GETCURSEL, 0, 0)) : -2;
}

inline int ListCount(HWND window, const std::string& name) {
    HWND list = Find(window, name);
    return list ? int(SendMessageA(list, CB_GETCOUNT, 0, 0)) : -1;
}

// Clicks the dialog-opening button of the main window; the dialog is the other window that
// bears the program title and holds the control named probe.
inline HWND OpenDialog(HWND main, const char* button, const char* probe) {
    Press(Find(main, button));
    HWND dialog = nullptr;
    WaitUntil([&] {
        dialog = GetForegroundWindow();
        return dialog != main && WindowText(dialog) == kTitle && Find(dialog, probe) != nullptr;
    });
    return dialog && dialog != main && Find(dialog, probe) ? dialog : nullptr;
}

// The main window is shown again and has the focus.
inline bool BackAtMain(HWND main) {
    return WaitUntil([&] { return IsWindowVisible(main) && GetForegroundWindow() == main; });
}

// A click on one of a horizontal scroll bar's arrows: one small step.
inline void ClickArrow(HWND window, const std::string& bar, bool right) {
    HWND control = Find(window, bar);
    SetForegroundWindow(window);
    RECT rect;
    GetWindowRect(control, &rect);
    int arrow = GetSystemMetrics(SM_CXHSCROLL);
    PressAt({right ? rect.right - arrow / 2 : rect.left + arrow / 2, (rect.top + rect.bottom) / 2});
}

// A click on the track between an arrow and the thumb: one large step.
inline void ClickTrack(HWND window, const std::string& bar, bool right) {
    HWND control = Find(window, bar);
    SetForegroundWindow(window);
    RECT rect;
    GetWindowRect(control, &rect);
    int arrow = GetSystemMetrics(SM_CXHSCROLL);
    PressAt({right ? rect.right - arrow - 2 : rect.left + arrow + 2, (rect.top + rect.bottom) / 2});
}

// Presses the bar's thumb, drags it by dx pixels and calls whileHeld before releasing it.
template <typename Check>
void DragThumb(HWND window, const std::string& bar, int minimum, int maximum, int dx,
               Check whileHeld) {
    HWND control = Find(window, bar);
    SetForegroundWindow(window);
    PumpFor(20);
    RECT rect;
    GetWindowRect(control, &rect);
    int arrow = GetSystemMetrics(SM_CXHSCROLL);
    int thumb = GetSystemMetrics(SM_CXHTHUMB);
    int track = rect.right - rect.left - 2 * arrow - thumb;
    int value = int(SendMessageA(control, SBM_GETPOS, 0, 0));
    POINT at{rect.left + arrow + thumb / 2 + track * (value - minimum) / (maximum - minimum),
             (rect.top + rect.bottom) / 2};
    MouseAt(at);
    MouseAt(at, MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 4; ++step) MouseAt({at.x + dx * step / 4, at.y});
    whileHeld();
    MouseAt({at.x + dx, at.y}, MOUSEEVENTF_LEFTUP);
}

// The list a drop-down list shows while it is dropped, or null.
inline HWND DroppedList() {
    for (HWND w = FindWindowExA(nullptr, nullptr, "ComboLBox", nullptr); w;
         w = FindWindowExA(nullptr, w, "ComboLBox", nullptr))
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

// Drops a list down and clicks its entry, as a user chooses.
inline void ChooseFromList(HWND window, const std::string& name, int index) {
    Press(Find(window, name));
    HWND dropped = nullptr;
    if (!WaitUntil([&] { return (dropped = DroppedList()) != nullptr; })) return;
    int height = int(SendMessageA(dropped, LB_GETITEMHEIGHT, 0, 0));
    RECT client;
    GetClientRect(dropped, &client);
    int top = int(SendMessageA(dropped, LB_GETTOPINDEX, 0, 0));
    if (height > 0 && (index - top + 1) * height > client.bottom) {
        SendMessageA(dropped, LB_SETTOPINDEX, WPARAM(index), 0);  // as the wheel scrolls it
        top = int(SendMessageA(dropped, LB_GETTOPINDEX, 0, 0));
    }
    POINT at{client.right / 2, (index - top) * height + height / 2};
    ClientToScreen(dropped, &at);
    PressAt(at);
    WaitUntil([&] { return !IsWindowVisible(dropped); });
}

// Whether a control shows any pixel of this colour, as the screen shows it.
inline bool ShowsColour(HWND control, COLORREF colour) {
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

inline std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += "\n        " + line;
    return lines.empty() ? " (none)" : all;
}

}  // namespace settings_steps
