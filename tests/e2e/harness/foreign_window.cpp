#include "foreign_window.h"

namespace e2e {
namespace {

constexpr char kClass[] = "E2EForeignWindow";

}  // namespace

ForeignWindow::ForeignWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassA(&windowClass);  // fails harmlessly when an earlier test registered it
    window_ = CreateWindowA(kClass, "Another program", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                            nullptr, windowClass.hInstance, this);
}

ForeignWindow::~ForeignWindow() {
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK ForeignWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ForeignWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_USER && self) {
        ++self->userMessages_;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace e2e
