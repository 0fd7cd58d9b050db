// Where the right-button tool stands: in pixels, which whole twips per pixel cannot hit at
// every scaling (7.5 twips a pixel at 192 DPI).
#pragma once

#include <stdint.h>

struct PixelRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;

    bool operator==(const PixelRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

struct PixelSize {
    int32_t width;
    int32_t height;
};

// The tool's outer frame: its client area exactly the button, its frame (chrome: the outer
// size less the client size) around it, its bottom-right corner on the work area's.
PixelRect ToolFrame(const PixelRect& workArea, PixelSize button, PixelSize chrome);
