// The floor for start-up figures: a Win32 program that opens one window with one label.
#include <windows.h>

#include "startup_trace.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    StartupTrace trace;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcA(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "NXMinimal";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("NXMinimal", "Minimal Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 300, 120, nullptr, nullptr, instance, nullptr);
    CreateWindowA("STATIC", "Ready", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, window, nullptr,
                  instance, nullptr);
    trace.mark("window and label created");
    ShowWindow(window, show);
    trace.mark("placed and shown");
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    trace.mark("painted");
    trace.write();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
