#include "window_helpers.h"

#include <vector>

#include "placement.h"
#include "wide_text.h"
#include "window_search.h"

HWND FindRunningWindow(HWND ownWindow, const std::string& caption) {
    std::vector<TopLevelWindow> windows;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        char title[kTitleReadLimit + 1] = {};
        GetWindowTextA(window, title, sizeof title);
        windows.push_back(
            {reinterpret_cast<uintptr_t>(window), GetParent(window) != nullptr, title});
    }
    return reinterpret_cast<HWND>(
        ::FindRunningWindow(reinterpret_cast<uintptr_t>(ownWindow), caption, windows));
}

void ReturnToMainWindow(forms::Form& main) {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    main.show();
    main.focus();
    forms::SetScreenPointer(forms::Pointer::Default);
}

void PlaceWindow(forms::Form& window) {
    TwipsSize screen{window.pixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)),
                     window.pixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN))};
    TwipsPosition at = PlaceWindow(screen, TwipsSize{window.width(), window.height()});
    window.move(at.left, at.top);
}

void CentreIcon(forms::Form& window) {
    if (!window.has("picIcon") || !window.has("imgIcon")) return;
    forms::Control& box = window["picIcon"];
    forms::Control& icon = window["imgIcon"];
    TwipsPosition at = CentreIcon(TwipsSize{box.innerWidth(), box.innerHeight()},
                                  TwipsSize{icon.width(), icon.height()});
    icon.move(at.left, at.top, icon.width(), icon.height());
}

void HideCursor() {
    while (ShowCursor(FALSE) >= 0) {
    }
}

void ShowCursorAgain() {
    while (ShowCursor(TRUE) < 0) {
    }
}

bool FileExists(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    HANDLE file =
        CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        SetLastError(0);
        return false;
    }
    CloseHandle(file);
    return true;
}
