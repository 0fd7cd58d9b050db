#include "painted_bitmap.h"

HBITMAP PaintBitmap(int width, int height, const std::function<void(HDC, const RECT&)>& paint) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    paint(dc, RECT{0, 0, width, height});
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

HBITMAP SystemIconBitmap(LPCSTR icon, int width, int height) {
    return PaintBitmap(width, height, [&](HDC dc, const RECT& all) {
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
        DrawIconEx(dc, 0, 0, LoadIconA(nullptr, icon), width, height, 0, nullptr, DI_NORMAL);
    });
}
