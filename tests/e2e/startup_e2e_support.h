// What the startup program's end-to-end tests share: finding its windows, closing the
// companions it starts, keeping Windows' double-click settings as they were, and driving
// scroll bars and drop-down lists with the keys.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "config_key.h"
#include "desktop.h"
#include "e2e_test.h"
#include "input.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

namespace startup_e2e {

using namespace e2e;

constexpr char kTitle[] = " TouchScreen System Startup #NX-COM";
constexpr char kSmiTitle[] = "SMI Tool (simulated)";
constexpr char kToolCaption[] = " C-RBF";
constexpr char kVersionLine[] = "TouchScreen System Startup Version 7.5.COM";

// The program's visible window titled with the program title that holds the named control
// (its message boxes bear the same title).
inline HWND WaitForProgramWindow(const Program& program, const char* control) {
    return WaitForWindowWith(kTitle, control, program.id());
}

inline HWND Part(HWND window, const char* name) {
    return FindControlByName(window, name);
}

// Programs an earlier test or run left behind would answer in place of the ones under test.
inline void CloseLeftovers() {
    CloseLeftoverWindows(kTitle, 0);
    CloseLeftoverWindows(" About", 0);
    CloseLeftoverWindows(kToolCaption, 0x100E);
    CloseLeftoverWindows(kSmiTitle, 0x200E);
}

// Asks the companion the driver knows of to quit and waits until it has withdrawn.
inline bool CloseSmiTool(const SimDriver& driver) {
    if (HWND smi = FindTopWindow(kSmiTitle, false)) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(smi, WM_USER, 0x200E, 0, SMTO_ABORTIFHUNG, 3000, &answer);
        WaitForWindowGone(smi, 5000);
    }
    return WaitUntil([&] { return driver.windows().SmiHandle == -1; });
}

inline bool CloseRightButtonTool(const SimDriver& driver) {
    if (HWND tool = FindTopWindow(kToolCaption, false)) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(tool, WM_USER, 0x100E, 0, SMTO_ABORTIFHUNG, 3000, &answer);
        WaitForWindowGone(tool, 5000);
    }
    return WaitUntil([&] { return driver.windows().RightButtonHandle == -1; });
}

// One of Windows' per-user double-click strings: its type and its bytes as stored.
struct MouseValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

inline std::optional<MouseValue> ReadMouseValue(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Mouse", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    MouseValue value;
    DWORD size = 0;
    std::optional<MouseValue> result;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.bytes.assign(size, '\0');
        if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                             reinterpret_cast<BYTE*>(&value.bytes[0]), &size) == ERROR_SUCCESS) {
            value.bytes.resize(size);
            result = value;
        }
    }
    RegCloseKey(key);
    return result;
}

// "650" stored as REG_SZ with its NUL, as Windows' own control panel stores it.
inline bool MouseStringIs(const std::string& name, const std::string& text) {
    std::optional<MouseValue> value = ReadMouseValue(name);
    return value && value->type == REG_SZ && value->bytes == text + '\0';
}

inline void WriteMouseString(const std::string& name, const std::string& text) {
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Mouse", &key) != ERROR_SUCCESS) return;
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   DWORD(text.size() + 1));
    RegCloseKey(key);
}

// Puts Windows' double-click time, rectangle and per-user strings back as they were.
class WindowsDoubleClickGuard {
public:
    WindowsDoubleClickGuard()
        : time_(GetDoubleClickTime()),
          width_(GetSystemMetrics(SM_CXDOUBLECLK)),
          height_(GetSystemMetrics(SM_CYDOUBLECLK)) {
        for (int i = 0; i < 3; ++i) saved_[i] = ReadMouseValue(kNames[i]);
    }
    ~WindowsDoubleClickGuard() {
        SystemParametersInfoA(SPI_SETDOUBLECLKWIDTH, UINT(width_), nullptr, SPIF_SENDCHANGE);
        SystemParametersInfoA(SPI_SETDOUBLECLKHEIGHT, UINT(height_), nullptr, SPIF_SENDCHANGE);
        SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, time_, nullptr, SPIF_SENDCHANGE);
        HKEY key = nullptr;
        if (RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Mouse", &key) != ERROR_SUCCESS) return;
        for (int i = 0; i < 3; ++i) {
            if (saved_[i])
                RegSetValueExA(key, kNames[i], 0, saved_[i]->type,
                               reinterpret_cast<const BYTE*>(saved_[i]->bytes.data()),
                               DWORD(saved_[i]->bytes.size()));
            else
                RegDeleteValueA(key, kNames[i]);
        }
        RegCloseKey(key);
    }
    WindowsDoubleClickGuard(const WindowsDoubleClickGuard&) = delete;
    WindowsDoubleClickGuard& operator=(const WindowsDoubleClickGuard&) = delete;

private:
    static constexpr const char* kNames[3] = {"DoubleClickSpeed", "DoubleClickWidth",
                                              "DoubleClickHeight"};
    UINT time_;
    int width_;
    int height_;
    std::optional<MouseValue> saved_[3];
};

// The stored double-click values and Windows' own, put back as they were when the guard ends.
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

// Windows' settings as a test wants them before the program starts.
inline void SetWindowsDoubleClick(UINT time, int width, int height) {
    SystemParametersInfoA(SPI_SETDOUBLECLKWIDTH, UINT(width), nullptr, SPIF_SENDCHANGE);
    SystemParametersInfoA(SPI_SETDOUBLECLKHEIGHT, UINT(height), nullptr, SPIF_SENDCHANGE);
    SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, time, nullptr, SPIF_SENDCHANGE);
}

// Brings the window forward and tabs to the control, as a user does before using the keys.
inline bool TabTo(HWND window, const char* name) {
    HWND control = FindControlByName(window, name);
    if (!control) return false;
    if (!BringForward(window)) return false;
    for (int presses = 0; presses < 12; ++presses) {
        if (FocusOf(window) == control) return true;
        HWND before = FocusOf(window);
        PressKey(VK_TAB);
        WaitUntil([&] { return FocusOf(window) != before; }, 1000);
    }
    return FocusOf(window) == control;
}

// Keys on a focused scroll bar: the arrows move it one small step, Page Up and Page Down
// one large step.
inline void PressOn(HWND window, const char* name, WORD key, int times = 1) {
    if (!TabTo(window, name)) return;
    for (int i = 0; i < times; ++i) PressKey(key);
}

inline int ScrollPosition(HWND bar) {
    return GetScrollPos(bar, SB_CTL);
}

// Picks the entry at this position of a closed drop-down list with Home and the down arrow.
inline void ChooseListEntry(HWND window, const char* name, int position) {
    if (!TabTo(window, name)) return;
    PressKey(VK_HOME);
    for (int i = 0; i < position; ++i) PressKey(VK_DOWN);
}

// Wine gives a process the double-click settings in force when it started, so a test asks a
// fresh configuration window what Windows has now (no other instance may be running): "time
// ms, width x height".
inline std::string DoubleClickInForce() {
    Program probe("NXWLHCao.exe", "/SDC");
    HWND window = WaitForProgramWindow(probe, "lblSiTT");
    if (!window) return "<no window>";
    std::string values = TextOf(window, "lblSiTT") + " ms, " + TextOf(window, "lblSiWW") + " x " +
                         TextOf(window, "lblSiHH");
    PostMessageA(window, WM_CLOSE, 0, 0);
    probe.waitForExit(5000);
    return values;
}

}  // namespace startup_e2e
