#include "right_button_picture.h"

#include "painted_bitmap.h"

HBITMAP DrawRightButtonPicture(int width, int height) {
    return PaintBitmap(width, height, [&](HDC dc, const RECT&) {
        RECT all{0, 0, width, height};
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));

        // the mouse body, its two buttons, and the right one in red
        int left = width / 5, right = width - width / 5, top = height / 10,
            bottom = height - height / 10;
        int split = top + (bottom - top) * 2 / 5, middle = (left + right) / 2;
        HPEN outline = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
        HGDIOBJ oldPen = SelectObject(dc, outline);
        HBRUSH body = CreateSolidBrush(RGB(255, 255, 255));
        HGDIOBJ oldBrush = SelectObject(dc, body);
        RoundRect(dc, left, top, right, bottom, (right - left) / 2, (right - left) / 2);
        HBRUSH lit = CreateSolidBrush(RGB(220, 0, 0));
        HRGN shell = CreateRoundRectRgn(left, top, right + 1, bottom + 1, (right - left) / 2,
                                        (right - left) / 2);
        HRGN button = CreateRectRgn(middle, top, right + 1, split);
        CombineRgn(button, button, shell, RGN_AND);
        FillRgn(dc, button, lit);
        MoveToEx(dc, left, split, nullptr);
        LineTo(dc, right, split);
        MoveToEx(dc, middle, top, nullptr);
        LineTo(dc, middle, split);
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        RoundRect(dc, left, top, right, bottom, (right - left) / 2, (right - left) / 2);

        DeleteObject(button);
        DeleteObject(shell);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(lit);
        DeleteObject(body);
        DeleteObject(outline);
    });
}
