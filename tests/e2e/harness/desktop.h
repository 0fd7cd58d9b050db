// What a user sees: top-level windows by title, their controls, message boxes, colours, and
// screenshots for a person to look at. What a user does is in input.h.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A visible or hidden top-level window whose title is exactly this, or null.
HWND FindTopWindow(const std::string& title, bool visibleOnly = true);
// Waits for such a window to appear; null when it did not.
HWND WaitForTopWindow(const std::string& title, unsigned timeoutMs = 10000,
                      bool visibleOnly = true);
bool WaitForWindowGone(HWND window, unsigned timeoutMs = 10000);
// Waits for a visible top-level window titled so that holds the control the design names, of
// the process (0 = any); null when none showed.
HWND WaitForWindowWith(const std::string& title, const std::string& control, DWORD processId = 0,
                       unsigned timeoutMs = 10000);
// Ends programs an earlier run left behind: asks with WM_USER quitCode (WM_CLOSE when 0), then
// ends the process.
void CloseLeftoverWindows(const std::string& title, WPARAM quitCode);

std::string WindowText(HWND window);
std::string ClassName(HWND window);

struct Control {
    HWND handle;
    std::string className;
    int id;
    std::string text;
    bool visible;
    bool enabled;
    RECT screenRect;
};

// Every descendant control of a window, in Z order.
std::vector<Control> ListControls(HWND window);
// The first control with this exact text (a caption such as "&Apply"), or null.
HWND FindControlByText(HWND window, const std::string& text);
HWND FindControlById(HWND window, int id);
// The control the design calls so: "cmdApply", or "Label1(3)" for a member of an array.
HWND FindControlByName(HWND window, const std::string& name);
// The design's name of a control, or "" for a window that has none.
std::string ControlName(HWND control);
// The window of that window's program that has the keyboard focus, or null.
HWND FocusOf(HWND window);
// The window of that window's program that has the mouse captured, or null.
HWND CaptureOf(HWND window);

// What a control the design names shows: its text ("<no NAME>" without such a control), whether
// it shows, is enabled, is ticked (a check box or an option); a list's chosen position (-2
// without the list) and its entries.
std::string TextOf(HWND window, const std::string& name);
bool Shows(HWND window, const std::string& name);
bool Enabled(HWND window, const std::string& name);
bool Ticked(HWND window, const std::string& name);
int ListIndex(HWND window, const std::string& name);
std::vector<std::string> ListEntries(HWND window, const std::string& name);
// The list a drop-down list shows while it is dropped, or null.
HWND DroppedList();

// Lines for a failure's message, one an indented line; " (none)" for none.
std::string Lines(const std::vector<std::string>& lines);

// A message box: the standard dialog class with a text, an icon and its buttons.
struct MessageBoxInfo {
    HWND handle = nullptr;
    std::string title;
    std::string text;
    std::string icon;                  // "stop", "question", "exclamation", "information" or "none"
    std::vector<std::string> buttons;  // captions in tab order, e.g. "&Yes", "&No"
};

// The message box titled so that belongs to the process (0 = any process), when one shows.
bool WaitForMessageBox(const std::string& title, MessageBoxInfo& box, DWORD processId = 0,
                       unsigned timeoutMs = 10000);
// Presses the button with this caption ("OK", "&Yes", ...).
bool AnswerMessageBox(const MessageBoxInfo& box, const std::string& button);

// A standard Open or Save dialog of the process (0 = any) titled so, when one shows.
HWND WaitForFileDialog(const std::string& title, DWORD processId = 0, unsigned timeoutMs = 10000);
// What its file name box holds.
std::string FileNameInDialog(HWND dialog);
// Types the name (a path, or a name in the dialog's folder) over what the file name box holds
// and presses the dialog's Save or Open button.
bool AnswerFileDialog(HWND dialog, const std::string& name);

// A pixel as the screen shows it, and a pixel of a control's client area in its coordinates.
COLORREF ScreenPixel(POINT at);
COLORREF PixelOf(HWND control, int x, int y);
// Whether the control shows any pixel of exactly this colour, as the screen shows it.
bool ShowsColour(HWND control, COLORREF colour);
// Whether a colour shown is the one wanted, give or take what smoothing and dithering change.
bool IsColour(COLORREF shown, COLORREF wanted);

// Saves the window as it shows on screen to <screenshot folder>\<name>.bmp.
bool SaveScreenshot(HWND window, const std::string& name);

}  // namespace e2e
