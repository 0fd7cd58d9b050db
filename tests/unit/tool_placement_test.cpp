#include <gtest/gtest.h>

#include <ostream>

#include "tool_placement.h"

void PrintTo(const PixelRect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

TEST(ToolFrame, EndsOnTheWorkAreasBottomRightCornerAroundTheButton) {
    // 192 DPI: the 600-twip button is 80 pixels, a tool window's frame 8 x 27 pixels
    EXPECT_EQ(ToolFrame({0, 0, 1024, 768}, {80, 80}, {8, 27}), (PixelRect{936, 661, 1024, 768}));
    // a task bar at the left and one at the bottom; the corner is the work area's
    EXPECT_EQ(ToolFrame({62, 0, 1024, 728}, {60, 60}, {6, 21}), (PixelRect{958, 647, 1024, 728}));
}
