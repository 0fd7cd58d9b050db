// The monitor's physical size from the identification block it gives Windows (EDID): the size
// GDI reports for a display is worked out from its DPI setting and says nothing about the glass.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <optional>

struct PhysicalSize {
    int widthMillimetres;
    int heightMillimetres;
};

// The image size of the first detailed timing, or else the basic size in centimetres; none when
// the block is not valid, names no size, or its two sizes disagree by more than a centimetre.
std::optional<PhysicalSize> PhysicalSizeFromEdid(const uint8_t* edid, size_t size);

// The size as the screen is turned: the block gives it in the monitor's own orientation, so a
// monitor turned to portrait (or a portrait panel turned to landscape) has its sides swapped.
PhysicalSize AsTurned(PhysicalSize size, int widthPixels, int heightPixels);
