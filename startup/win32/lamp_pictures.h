// The test lamp's two pictures, drawn on the test box's colour of each state.
#pragma once

#include <windows.h>

#include <stdint.h>

// A bulb, lit or dark, on a square of the given colour (0x00BBGGRR). The caller frees it.
HBITMAP DrawLampPicture(int size, bool lit, uint32_t background);
