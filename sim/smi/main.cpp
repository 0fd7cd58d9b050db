// NXWLHCvr.exe, the stand-in for the SMI tool: a small window that registers itself and the
// screen rotation with the driver and closes, unregistering, when asked to quit.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "sim_channel.h"
#include "sim_protocol.h"

namespace {

constexpr WPARAM kSmiQuit = 0x200E;
constexpr char kTitle[] = "SMI Tool (simulated)";

int RotationFromCommandLine(const char* line) {
    const char* flag = std::strstr(line, "/ROTATE=");
    if (flag == nullptr) return 0;
    return std::atoi(flag + std::strlen("/ROTATE="));
}

void Register(HWND window, int rotation) {
    SimChannel channel;
    WindowRecord record{window ? int32_t(reinterpret_cast<INT_PTR>(window)) : kNoWindow,
                        int16_t(rotation), 0};
    channel.transact(SIM_SET_SMI_WINDOW, record);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_USER:
            if (wParam == kSmiQuit) DestroyWindow(window);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT area;
            GetClientRect(window, &area);
            DrawTextA(dc, "Simulated SMI tool", -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            Register(nullptr, 0);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "NXSimSmiTool";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("NXSimSmiTool", kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                CW_USEDEFAULT, CW_USEDEFAULT, 260, 90, nullptr, nullptr, instance,
                                nullptr);
    if (window == nullptr) return 1;
    Register(window, RotationFromCommandLine(commandLine));
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
