// Pictures the programs draw themselves: a bitmap in the screen's format, painted by the caller.
#pragma once

#include <windows.h>

#include <functional>

// The caller owns the bitmap; paint draws on a device context the bitmap is selected into.
HBITMAP PaintBitmap(int width, int height, const std::function<void(HDC, const RECT&)>& paint);

// A system icon (IDI_...) over the button face, scaled to the size given.
HBITMAP SystemIconBitmap(LPCSTR icon, int width, int height);
