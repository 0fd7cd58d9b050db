// Where the progress message window stands and how its image and text sit in it, and the
// busy-pointer counter the program's windows share.
#pragma once

#include <stdint.h>

#include "placement.h"

// Centred horizontally and a little above the middle: the centre of the upper 85 % of the
// screen. Each term is truncated to whole twips.
TwipsPosition MessageWindowPosition(TwipsSize screen, TwipsSize window);

// The top of a control centred vertically in a client area of clientHeight twips.
int32_t CentredTop(int32_t clientHeight, int32_t controlHeight);

// The hourglass shows while the count is above 0. 16 bits as designed; it never wraps.
class BusyCounter {
public:
    void raise();
    // True when this lowering brought the count to 0, so the normal pointer returns.
    bool lower();
    bool busy() const { return count_ > 0; }
    uint16_t count() const { return count_; }

private:
    uint16_t count_ = 0;
};
