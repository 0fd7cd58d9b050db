#include "desktop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "input.h"
#include "wait.h"

namespace e2e {
namespace {

struct TitleSearch {
    const std::string* title;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
    if (WindowText(window) != *search->title) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectControl(HWND window, LPARAM param) {
    auto* controls = reinterpret_cast<std::vector<Control>*>(param);
    Control control{window,
                    ClassName(window),
                    GetDlgCtrlID(window),
                    WindowText(window),
                    IsWindowVisible(window) != FALSE,
                    IsWindowEnabled(window) != FALSE,
                    {}};
    GetWindowRect(window, &control.screenRect);
    controls->push_back(control);
    return TRUE;
}

// Pixels of a rectangle as the screen shows it.
std::vector<COLORREF> ScreenPixels(const RECT& area) {
    int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A standard icon drawn as an icon control draws it, over a given background.
std::vector<COLORREF> IconPixels(HICON icon, int width, int height, COLORREF background) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIcon(memory, 0, 0, icon);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Icons belong to the process that shows the box, so the comparison goes through the screen.
std::string IconName(HWND box) {
    HWND iconControl = nullptr;
    for (const Control& control : ListControls(box)) {
        LONG style = GetWindowLongA(control.handle, GWL_STYLE);
        if (control.className == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
            iconControl = control.handle;
            break;
        }
    }
    if (iconControl == nullptr || !IsWindowVisible(iconControl)) return "none";
    if (SendMessageA(iconControl, STM_GETICON, 0, 0) == 0) return "none";
    SetForegroundWindow(box);
    PumpFor(100);
    RECT area;
    GetWindowRect(iconControl, &area);
    std::vector<COLORREF> shown = ScreenPixels(area);
    if (shown.empty()) return "none";
    const struct {
        LPCSTR id;
        const char* name;
    } kIcons[] = {{IDI_HAND, "stop"},
                  {IDI_QUESTION, "question"},
                  {IDI_EXCLAMATION, "exclamation"},
                  {IDI_ASTERISK, "information"}};
    std::string best = "unknown";
    size_t bestMatches = shown.size() * 9 / 10;  // at least nine pixels in ten
    for (const auto& icon : kIcons) {
        std::vector<COLORREF> drawn = IconPixels(
            LoadIconA(nullptr, icon.id), area.right - area.left, area.bottom - area.top, shown[0]);
        size_t matches = 0;
        for (size_t i = 0; i < shown.size(); ++i) matches += shown[i] == drawn[i] ? 1 : 0;
        if (matches > bestMatches) {
            bestMatches = matches;
            best = icon.name;
        }
    }
    return best;
}

// ./tools/test names the folder; a quick run by hand leaves its pictures in the temp folder.
std::string ScreenshotFolder() {
    const char* folder = std::getenv("NX_SCREENSHOT_DIR");
    if (folder && *folder) return folder;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string path = temp;
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace

std::string WindowText(HWND window) {
    char text[1024] = {};
    // WM_GETTEXT reads controls of other processes too, where GetWindowText would not
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND FindTopWindow(const std::string& title, bool visibleOnly) {
    TitleSearch search{&title, visibleOnly, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopWindow(const std::string& title, unsigned timeoutMs, bool visibleOnly) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindow(title, visibleOnly)) != nullptr; }, timeoutMs);
    return found;
}

HWND WaitForWindowWith(const std::string& title, const std::string& control, DWORD processId,
                       unsigned timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (IsWindowVisible(w) && (processId == 0 || owner == processId) &&
                    WindowText(w) == title && FindControlByName(w, control))
                    found = w;
            }
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

void CloseLeftoverWindows(const std::string& title, WPARAM quitCode) {
    while (HWND leftover = FindTopWindow(title, false)) {
        DWORD process = 0;
        GetWindowThreadProcessId(leftover, &process);
        DWORD_PTR answer = 0;
        if (quitCode == 0)
            PostMessageA(leftover, WM_CLOSE, 0, 0);
        else
            SendMessageTimeoutA(leftover, WM_USER, quitCode, 0, SMTO_ABORTIFHUNG, 3000, &answer);
        if (HANDLE handle = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process)) {
            if (WaitForSingleObject(handle, 3000) != WAIT_OBJECT_0) TerminateProcess(handle, 1);
            CloseHandle(handle);
        }
        WaitForWindowGone(leftover, 3000);
    }
}

bool WaitForWindowGone(HWND window, unsigned timeoutMs) {
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

std::vector<Control> ListControls(HWND window) {
    std::vector<Control> controls;
    EnumChildWindows(window, CollectControl, reinterpret_cast<LPARAM>(&controls));
    return controls;
}

HWND FindControlByText(HWND window, const std::string& text) {
    for (const Control& control : ListControls(window))
        if (control.text == text) return control.handle;
    return nullptr;
}

HWND FindControlById(HWND window, int id) {
    for (const Control& control : ListControls(window))
        if (control.id == id) return control.handle;
    return nullptr;
}

HWND FindControlByName(HWND window, const std::string& name) {
    for (const Control& control : ListControls(window))
        if (ControlName(control.handle) == name) return control.handle;
    return nullptr;
}

std::string ControlName(HWND control) {
    auto atom = ATOM(UINT_PTR(GetPropA(control, "NXName")));
    char text[256] = {};
    return atom && GlobalGetAtomNameA(atom, text, sizeof text) ? text : "";
}

namespace {

GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!thread || !GetGUIThreadInfo(thread, &info)) info = GUITHREADINFO{};
    return info;
}

}  // namespace

HWND FocusOf(HWND window) {
    return ThreadInfoOf(window).hwndFocus;
}

HWND CaptureOf(HWND window) {
    return ThreadInfoOf(window).hwndCapture;
}

std::string TextOf(HWND window, const std::string& name) {
    HWND control = FindControlByName(window, name);
    return control ? WindowText(control) : "<no " + name + ">";
}

bool Shows(HWND window, const std::string& name) {
    HWND control = FindControlByName(window, name);
    return control && IsWindowVisible(control);
}

bool Enabled(HWND window, const std::string& name) {
    HWND control = FindControlByName(window, name);
    return control && IsWindowEnabled(control);
}

bool Ticked(HWND window, const std::string& name) {
    HWND box = FindControlByName(window, name);
    return box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
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

HWND DroppedList() {
    for (HWND w = FindWindowExA(nullptr, nullptr, "ComboLBox", nullptr); w;
         w = FindWindowExA(nullptr, w, "ComboLBox", nullptr))
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += "\n        " + line;
    return lines.empty() ? " (none)" : all;
}

bool IsMessageBox(HWND dialog) {
    for (const Control& control : ListControls(dialog))
        if (control.className == "Static" && control.id == 0xFFFF) return true;
    return false;
}

// A visible standard dialog of the process titled so: a message box, or any other (a file
// dialog's own questions carry its title).
HWND WaitForDialog(const std::string& title, DWORD processId, unsigned timeoutMs, bool messageBox) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = nullptr;
            for (HWND w = FindWindowA("#32770", nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
                if (ClassName(w) != "#32770" || !IsWindowVisible(w) || WindowText(w) != title ||
                    IsMessageBox(w) != messageBox)
                    continue;
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (processId == 0 || owner == processId) {
                    found = w;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool WaitForMessageBox(const std::string& title, MessageBoxInfo& box, DWORD processId,
                       unsigned timeoutMs) {
    HWND found = WaitForDialog(title, processId, timeoutMs, true);
    if (found == nullptr) return false;
    box = MessageBoxInfo{};
    box.handle = found;
    box.title = title;
    // the message text is the static control with id 0xFFFF; buttons follow in tab order
    for (const Control& control : ListControls(found)) {
        if (control.className == "Static" && control.id == 0xFFFF) box.text = control.text;
        if (control.className == "Button" && control.visible) box.buttons.push_back(control.text);
    }
    box.icon = IconName(found);
    return true;
}

bool AnswerMessageBox(const MessageBoxInfo& box, const std::string& button) {
    HWND control = FindControlByText(box.handle, button);
    if (control == nullptr) return false;
    // BM_CLICK presses the button the way a click does, without needing the pointer
    PostMessageA(control, BM_CLICK, 0, 0);
    return WaitForWindowGone(box.handle, 5000);
}

HWND WaitForFileDialog(const std::string& title, DWORD processId, unsigned timeoutMs) {
    return WaitForDialog(title, processId, timeoutMs, false);
}

namespace {

// The file name box: the edit of the name combo box (cmb13) of the Explorer-style dialogs, or
// the edit edt1 of the older ones.
HWND FileNameBox(HWND dialog) {
    for (const Control& control : ListControls(dialog))
        if (control.className == "Edit" && (control.id == 0x47C || control.id == 0x480))
            return control.handle;
    return nullptr;
}

}  // namespace

std::string FileNameInDialog(HWND dialog) {
    HWND box = FileNameBox(dialog);
    return box ? WindowText(box) : std::string();
}

bool AnswerFileDialog(HWND dialog, const std::string& name) {
    HWND box = FileNameBox(dialog);
    HWND save = GetDlgItem(dialog, IDOK);
    if (box == nullptr || save == nullptr) return false;
    BringForward(dialog);
    Press(box);
    // typing replaces what the box holds
    SendMessageTimeoutA(box, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 2000, nullptr);
    TypeText(name);
    if (!WaitUntil([&] { return WindowText(box) == name; }, 3000)) return false;
    PostMessageA(save, BM_CLICK, 0, 0);
    return true;
}

COLORREF ScreenPixel(POINT at) {
    return ScreenPixels(RECT{at.x, at.y, at.x + 1, at.y + 1})[0];
}

COLORREF PixelOf(HWND control, int x, int y) {
    POINT at{x, y};
    ClientToScreen(control, &at);
    return ScreenPixel(at);
}

bool ShowsColour(HWND control, COLORREF colour) {
    RECT area;
    GetWindowRect(control, &area);
    std::vector<COLORREF> shown = ScreenPixels(area);
    return std::find(shown.begin(), shown.end(), colour) != shown.end();
}

bool IsColour(COLORREF shown, COLORREF wanted) {
    return std::abs(GetRValue(shown) - GetRValue(wanted)) < 24 &&
           std::abs(GetGValue(shown) - GetGValue(wanted)) < 24 &&
           std::abs(GetBValue(shown) - GetBValue(wanted)) < 24;
}

bool SaveScreenshot(HWND window, const std::string& name) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;
    // a program busy starting has not painted yet: wait until it takes messages again
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer);
    PumpFor(100);  // let the window finish painting
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    DWORD stride = (DWORD(width) * 3 + 3) & ~3u;
    DWORD imageSize = stride * DWORD(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    std::string path = ScreenshotFolder() + "\\" + name + ".bmp";
    bool saved = false;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        saved = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                std::fwrite(bits, imageSize, 1, out) == 1;
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

}  // namespace e2e
