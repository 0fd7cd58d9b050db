#include "tool_placement_win32.h"

#include "tool_placement.h"

void PlaceToolInCorner(forms::Form& form, forms::Control& button) {
    RECT outer{}, client{}, work{};
    GetWindowRect(form.hwnd(), &outer);
    GetClientRect(form.hwnd(), &client);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT pixels = button.pixelRect();
    PixelRect frame = ToolFrame(
        {work.left, work.top, work.right, work.bottom},
        {pixels.right - pixels.left, pixels.bottom - pixels.top},
        {(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom});
    SetWindowPos(form.hwnd(), nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
