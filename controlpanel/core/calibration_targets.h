// Where the calibration window draws its eight targets and where it labels them.
#pragma once

#include <stdint.h>

#include <array>
#include <optional>

#include "calibration_types.h"

constexpr int kFirstTarget = 1;
constexpr int kLastTarget = 8;

// The calibration surface in pixels: the whole screen.
struct CalibrationSurface {
    int16_t left;
    int16_t top;
    int16_t right;
    int16_t bottom;
    int16_t centreX;
    int16_t centreY;
};

// width - 1 and height - 1 as the far edges; the centres width / 2 - 1 and height / 2 - 1,
// rounded halves to even.
CalibrationSurface SurfaceOf(int width, int height);

// A target's square from (x1, y1) to (x2, y2), crossed at (xc, yc).
struct CrossMark {
    int x1, xc, x2;
    int y1, yc, y2;

    bool operator==(const CrossMark& other) const {
        return x1 == other.x1 && xc == other.xc && x2 == other.x2 && y1 == other.y1 &&
               yc == other.yc && y2 == other.y2;
    }
};

// Targets 1..8; none for any other index. The far-edge offsets are one pixel larger than the
// near-edge ones on purpose: keep them exact, never symmetric.
std::optional<CrossMark> CrossMarkOf(int target, const CalibrationSurface& surface);

// The cross of a middle target, crossed at (xc, yc), wherever it is put.
CrossMark CrossMarkAt(int xc, int yc);

// "TOP-LEFT" .. "LEFT"; empty for an index outside 1..8.
const char* TargetName(int target);

// The four targets a mode collects, in the order the computation takes them.
std::array<int, 4> TargetsOf(CalibrationMode mode);

enum class LabelAlignment { Left, Right, Centre };

// Where the action label goes beside a shown cross, from its size while it reads "X".
struct ActionLabelPlace {
    int left;
    int top;
    LabelAlignment alignment;
};
std::optional<ActionLabelPlace> PlaceActionLabel(int target, const CalibrationSurface& surface,
                                                 int width, int height);

// The left edge of a label sized to a text of textWidth pixels when the label was placed at
// place.left with the width of "X": a right-aligned label keeps its right edge, a centred one
// its middle, so a longer caption grows away from the cross.
int AlignedLeft(const ActionLabelPlace& place, int placedWidth, int textWidth);
