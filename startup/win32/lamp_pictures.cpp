#include "lamp_pictures.h"

#include "painted_bitmap.h"

HBITMAP DrawLampPicture(int size, bool lit, uint32_t background) {
    return PaintBitmap(size, size, [&](HDC dc, const RECT&) {
        HBRUSH ground = CreateSolidBrush(COLORREF(background));
        RECT all{0, 0, size, size};
        FillRect(dc, &all, ground);
        DeleteObject(ground);

        // the glass above, the screw base below
        int glassLeft = size / 5, glassRight = size - size / 5;
        int glassTop = size / 12, glassBottom = size * 2 / 3;
        HPEN outline = CreatePen(PS_SOLID, 1, lit ? RGB(255, 255, 255) : RGB(96, 96, 96));
        HBRUSH glass = CreateSolidBrush(lit ? RGB(255, 230, 60) : RGB(210, 210, 210));
        HGDIOBJ oldPen = SelectObject(dc, outline);
        HGDIOBJ oldBrush = SelectObject(dc, glass);
        Ellipse(dc, glassLeft, glassTop, glassRight, glassBottom);
        HBRUSH base = CreateSolidBrush(RGB(128, 128, 128));
        SelectObject(dc, base);
        int baseLeft = size * 3 / 8, baseRight = size - size * 3 / 8;
        Rectangle(dc, baseLeft, glassBottom - size / 16, baseRight, size - size / 8);
        for (int ring = glassBottom + size / 20; ring < size - size / 8; ring += size / 12) {
            MoveToEx(dc, baseLeft, ring, nullptr);
            LineTo(dc, baseRight, ring);
        }
        if (lit) {
            // short rays around the glass, none downwards where the base is
            int cx = size / 2, cy = (glassTop + glassBottom) / 2;
            int inner = (glassRight - glassLeft) / 2 + 1, outer = inner + size / 10;
            const int directions[7][2] = {{1, 0},   {-1, 0}, {0, -1}, {1, -1},
                                          {-1, -1}, {1, 1},  {-1, 1}};
            for (const auto& d : directions) {
                int scale = d[0] != 0 && d[1] != 0 ? 7 : 10;  // diagonals about as long
                MoveToEx(dc, cx + d[0] * inner * scale / 10, cy + d[1] * inner * scale / 10,
                         nullptr);
                LineTo(dc, cx + d[0] * outer * scale / 10, cy + d[1] * outer * scale / 10);
            }
        }
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(base);
        DeleteObject(glass);
        DeleteObject(outline);
    });
}
