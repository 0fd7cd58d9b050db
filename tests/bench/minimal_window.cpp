// The floor for start-up figures: a Win32 program that opens one window with one label.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
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
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
