#pragma once

#include <windows.h>

// A mouse with its right button lit, drawn for the tool's button; the caller owns the bitmap.
HBITMAP DrawRightButtonPicture(int width, int height);
