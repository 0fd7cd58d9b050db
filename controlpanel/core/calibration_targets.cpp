#include "calibration_targets.h"

#include "calibration_edges.h"

namespace {

using Span = std::array<int, 3>;

// the start, the crossing and the end of a cross centred on c; the start is one pixel farther
Span Around(int c) {
    return {c - kCrossHalfSize - 1, c, c + kCrossHalfSize - 1};
}

CrossMark Cross(const Span& x, const Span& y) {
    return CrossMark{x[0], x[1], x[2], y[0], y[1], y[2]};
}

}  // namespace

CalibrationSurface SurfaceOf(int width, int height) {
    return {0,
            0,
            int16_t(width - 1),
            int16_t(height - 1),
            RoundHalfEven(width / 2.0 - 1),
            RoundHalfEven(height / 2.0 - 1)};
}

std::optional<CrossMark> CrossMarkOf(int target, const CalibrationSurface& surface) {
    const int s = kCrossHalfSize;
    const int L = surface.left, T = surface.top, R = surface.right, B = surface.bottom;
    const int CX = surface.centreX, CY = surface.centreY;
    // near edge: s - 1 and 2s - 1 inside; far edge: s + 1 and 2s + 1 inside
    const Span nearX = {L, L + s - 1, L + 2 * s - 1};
    const Span farX = {R - 2 * s - 1, R - s - 1, R};
    const Span midX = Around(CX);
    const Span nearY = {T, T + s - 1, T + 2 * s - 1};
    const Span farY = {B - 2 * s - 1, B - s - 1, B};
    const Span midY = Around(CY);
    switch (target) {
        case 1:
            return Cross(nearX, nearY);
        case 2:
            return Cross(farX, nearY);
        case 3:
            return Cross(farX, farY);
        case 4:
            return Cross(nearX, farY);
        case 5:
            return Cross(midX, nearY);
        case 6:
            return Cross(farX, midY);
        case 7:
            return Cross(midX, farY);
        case 8:
            return Cross(nearX, midY);
        default:
            return std::nullopt;
    }
}

CrossMark CrossMarkAt(int xc, int yc) {
    return Cross(Around(xc), Around(yc));
}

const char* TargetName(int target) {
    static const char* const kNames[] = {"",    "TOP-LEFT", "TOP-RIGHT", "DOWN-RIGHT", "DOWN-LEFT",
                                         "TOP", "RIGHT",    "DOWN",      "LEFT"};
    return target >= kFirstTarget && target <= kLastTarget ? kNames[target] : "";
}

std::array<int, 4> TargetsOf(CalibrationMode mode) {
    if (mode == CalibrationMode::Corners) return {1, 2, 3, 4};
    return {5, 6, 7, 8};
}

std::optional<ActionLabelPlace> PlaceActionLabel(int target, const CalibrationSurface& surface,
                                                 int w, int h) {
    std::optional<CrossMark> mark = CrossMarkOf(target, surface);
    if (!mark) return std::nullopt;
    const CrossMark& c = *mark;
    switch (target) {
        case 1:
            return ActionLabelPlace{c.x2 + w, c.y2 - h, LabelAlignment::Left};
        case 2:
            return ActionLabelPlace{c.x1 - 2 * w, c.y2 - h, LabelAlignment::Right};
        case 3:
            return ActionLabelPlace{c.x1 - 2 * w, c.y1, LabelAlignment::Right};
        case 4:
            return ActionLabelPlace{c.x2 + w, c.y1, LabelAlignment::Left};
        case 5:
            return ActionLabelPlace{c.xc - w / 2, c.y2 + h, LabelAlignment::Centre};
        case 6:
            return ActionLabelPlace{c.x1 - 2 * w, c.yc - h / 2, LabelAlignment::Right};
        case 7:
            return ActionLabelPlace{c.xc - w / 2, c.y1 - 2 * h, LabelAlignment::Centre};
        default:
            return ActionLabelPlace{c.x2 + w, c.yc - h / 2, LabelAlignment::Left};
    }
}

int AlignedLeft(const ActionLabelPlace& place, int placedWidth, int textWidth) {
    switch (place.alignment) {
        case LabelAlignment::Right:
            return place.left + placedWidth - textWidth;
        case LabelAlignment::Centre:
            return place.left + (placedWidth - textWidth) / 2;
        default:
            return place.left;
    }
}
