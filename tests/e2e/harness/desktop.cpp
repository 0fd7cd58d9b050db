#include "desktop.h"

#include <cstdio>
#include <cstdlib>

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

void SendInputs(INPUT* inputs, UINT count) {
    SendInput(count, inputs, sizeof(INPUT));
    PumpFor(30);  // let the input reach the target's queue before the next step looks
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
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

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return thread && GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Puts the pointer on the point and waits until the system has it there.
void MovePointerTo(POINT point) {
    SetCursorPos(point.x, point.y);
    WaitUntil(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
        },
        2000);
    PumpFor(20);
}

void BringForward(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    WaitUntil([&] { return GetForegroundWindow() == top; }, 2000);
}

// A mouse event that carries its own position: one sent after a separate move can land where
// the pointer was before, when the move's event arrives late.
INPUT MouseInput(POINT point, DWORD buttons) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // the middle of the pixel: the system takes the pixel its scaled position falls in
    input.mi.dx = LONG((point.x * 65536LL + 32768) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = LONG((point.y * 65536LL + 32768) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    return input;
}

void PressAt(POINT point, DWORD down, DWORD up) {
    MovePointerTo(point);
    INPUT inputs[2] = {MouseInput(point, down), MouseInput(point, up)};
    SendInputs(inputs, 2);
}

void ClickAt(POINT point, bool rightButton) {
    PressAt(point, rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN,
            rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void Click(HWND control) {
    BringForward(control);
    RECT rect;
    GetWindowRect(control, &rect);
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void ClickWithKeys(HWND control, bool rightButton, bool shift, bool ctrl, bool alt) {
    BringForward(control);
    RECT rect;
    GetWindowRect(control, &rect);
    MovePointerTo({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    PumpFor(250);  // the move's own resync of the modifier keys must be over before they go down
    INPUT inputs[10] = {};
    UINT count = 0;
    if (shift) inputs[count++] = KeyInput(VK_SHIFT, false);
    if (ctrl) inputs[count++] = KeyInput(VK_CONTROL, false);
    if (alt) inputs[count++] = KeyInput(VK_MENU, false);
    SendInputs(inputs, count);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInputs(press, 2);
    count = 0;
    if (alt) inputs[count++] = KeyInput(VK_MENU, true);
    if (ctrl) inputs[count++] = KeyInput(VK_CONTROL, true);
    if (shift) inputs[count++] = KeyInput(VK_SHIFT, true);
    SendInputs(inputs, count);
}

void DoubleClick(HWND control) {
    BringForward(control);
    RECT rect;
    GetWindowRect(control, &rect);
    POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    MovePointerTo(middle);
    INPUT inputs[4];
    for (int i = 0; i < 4; ++i)
        inputs[i] = MouseInput(middle, i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN);
    SendInputs(inputs, 4);
}

void DragPointerTo(POINT point) {
    INPUT input = MouseInput(point, 0);
    SendInput(1, &input, sizeof input);
    PumpFor(20);
    WaitUntil(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && std::abs(at.x - point.x) <= 1 &&
                   std::abs(at.y - point.y) <= 1;
        },
        2000);
}

void ButtonAt(DWORD button, POINT point) {
    INPUT input = MouseInput(point, button);
    SendInput(1, &input, sizeof input);
    PumpFor(20);
}

void HoldAt(POINT point, unsigned milliseconds) {
    MovePointerTo(point);
    INPUT inputs[2] = {MouseInput(point, MOUSEEVENTF_LEFTDOWN),
                       MouseInput(point, MOUSEEVENTF_LEFTUP)};
    // the release a little before now: no program takes the touch for one yet to come
    DWORD released = GetTickCount() - 10;
    inputs[0].mi.time = released - milliseconds;
    inputs[1].mi.time = released;
    SendInputs(inputs, 2);
}

void PressKey(WORD key, bool alt, bool control, bool shift) {
    INPUT inputs[8];
    UINT count = 0;
    if (shift) inputs[count++] = KeyInput(VK_SHIFT, false);
    if (control) inputs[count++] = KeyInput(VK_CONTROL, false);
    if (alt) inputs[count++] = KeyInput(VK_MENU, false);
    inputs[count++] = KeyInput(key, false);
    inputs[count++] = KeyInput(key, true);
    if (alt) inputs[count++] = KeyInput(VK_MENU, true);
    if (control) inputs[count++] = KeyInput(VK_CONTROL, true);
    if (shift) inputs[count++] = KeyInput(VK_SHIFT, true);
    SendInputs(inputs, count);
}

void TypeText(const std::string& text) {
    for (char c : text) {
        INPUT inputs[2] = {};
        for (int i = 0; i < 2; ++i) {
            inputs[i].type = INPUT_KEYBOARD;
            inputs[i].ki.wScan = static_cast<unsigned char>(c);
            inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInputs(inputs, 2);
    }
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
    Click(box);
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

bool SaveScreenshot(HWND window, const std::string& name) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;
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
