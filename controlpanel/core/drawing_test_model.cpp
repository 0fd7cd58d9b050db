#include "drawing_test_model.h"

#include "driver_requests.h"

namespace {

constexpr uint8_t kDragDropMode = 4;
constexpr int kFirstWidth = 1;   // pen width 2
constexpr int kFirstColour = 3;  // blue

// Lays one group out leftwards from x: its labels from the last index down, then its name.
template <size_t N>
void LayOutGroup(double& x, double margin, double innerHeight, const StripLabel (&labels)[N],
                 const StripLabel& name, StripPosition (&at)[N], StripPosition& nameAt) {
    for (size_t i = N; i-- > 0;) {
        x = x - margin - labels[i].width;
        at[i] = {x, margin};
    }
    x = x - margin - name.width;
    nameAt = {x, (innerHeight - name.height) / 2};
    x = x - margin;
}

}  // namespace

uint32_t ColourSwatchColour(int index) {
    static const uint32_t kColours[kColourSwatches] = {0x000000, 0x0000FF, 0x008000, 0xFF0000,
                                                       0xFF00FF};
    return index >= 0 && index < kColourSwatches ? kColours[index] : 0;
}

int IndicatorOf(int button) {
    switch (button) {
        case 1:
            return 0;
        case 2:
            return 2;
        case 4:
            return 1;
        default:
            return -1;
    }
}

DrawingTestModel::DrawingTestModel(DriverPort& driver, DriverBlock& block)
    : driver_(driver), block_(block) {}

void DrawingTestModel::activate() {
    if (activated_) return;
    activated_ = true;
    savedButtonMode_ = block_.ButtonMode;
    block_.ButtonMode = kDragDropMode;
    driver_.transact(IOCTL_SET_BUTTON_MODE, block_);
    selectWidth(kFirstWidth);
    selectColour(kFirstColour);
}

void DrawingTestModel::unload() {
    // a window closed before its first activation never changed the mode: sending the unset
    // saved value would put button mode 0 into the driver
    if (!activated_) return;
    activated_ = false;
    block_.ButtonMode = savedButtonMode_;
    driver_.transact(IOCTL_SET_BUTTON_MODE, block_);
}

void DrawingTestModel::selectWidth(int index) {
    if (index < 0 || index >= kWidthSwatches || index == width_) return;
    width_ = index;
    penWidth_ = index + 1;
}

void DrawingTestModel::selectColour(int index) {
    if (index < 0 || index >= kColourSwatches || index == colour_) return;
    colour_ = index;
    penColour_ = ColourSwatchColour(index);
}

SwatchLook DrawingTestModel::widthSwatch(int index) const {
    if (index == width_) return {kSelectedSwatchText, kSelectedSwatchBack};
    return {kSwatchText, kSwatchBack};
}

bool DrawingTestModel::indicatorLit(int index) const {
    return index >= 0 && index < kButtonIndicators && lit_[index];
}

Stroke DrawingTestModel::buttonDown(int button, int x, int y) {
    Stroke stroke;
    stroke.colour = penColour_;
    stroke.width = penWidth_;
    stroke.toX = x;
    stroke.toY = y;
    if (penDown_) {
        stroke.kind = Stroke::Kind::Line;
        stroke.fromX = penX_;
        stroke.fromY = penY_;
    } else {
        stroke.kind = Stroke::Kind::Dot;
        stroke.fromX = x;
        stroke.fromY = y;
        penDown_ = true;
    }
    penX_ = x;
    penY_ = y;
    int indicator = IndicatorOf(button);
    if (indicator >= 0) lit_[indicator] = true;
    return stroke;
}

Stroke DrawingTestModel::move(int x, int y) {
    Stroke stroke;
    if (!penDown_) return stroke;
    stroke = {Stroke::Kind::Line, penX_, penY_, x, y, penColour_, penWidth_};
    penX_ = x;
    penY_ = y;
    return stroke;
}

void DrawingTestModel::buttonUp(int button) {
    penDown_ = false;
    int indicator = IndicatorOf(button);
    if (indicator >= 0) lit_[indicator] = false;
}

HeaderLayout LayOutHeader(const HeaderLayoutInput& in) {
    HeaderLayout out{};
    out.iconTop = (in.innerHeight - in.iconHeight) / 2;
    out.iconLeft = out.iconTop;
    out.titleLeft = 3 * out.iconLeft + in.iconWidth;
    out.titleTop = (in.innerHeight - in.titleHeight) / 2;
    out.exitTop = out.iconTop;
    out.exitLeft = in.innerWidth - in.exitWidth - out.exitTop;
    out.exitHeight = in.innerHeight - 2 * out.exitTop;
    // the gap between the buttons equals the margin
    out.clearWidth = in.exitWidth;
    out.clearHeight = out.exitHeight;
    out.clearTop = out.exitTop;
    out.clearLeft = out.exitLeft - in.exitWidth - out.exitTop;
    out.accuracyLeft = out.clearLeft - in.exitWidth - out.exitTop;
    return out;
}

ToolStripLayout LayOutToolStrip(const ToolStripInput& in) {
    ToolStripLayout out{};
    out.canvasTop = in.headHeight;
    out.canvasHeight = in.windowInnerHeight - in.headHeight - in.stripHeight;
    out.canvasWidth = in.windowInnerWidth;
    double m = (in.stripInnerHeight - in.indicator[0].height) / 2;
    out.margin = m;
    double x = in.stripInnerWidth;
    LayOutGroup(x, m, in.stripInnerHeight, in.indicator, in.indicatorName, out.indicator,
                out.indicatorName);
    LayOutGroup(x, m, in.stripInnerHeight, in.colourSwatch, in.colourName, out.colourSwatch,
                out.colourName);
    LayOutGroup(x, m, in.stripInnerHeight, in.widthSwatch, in.widthName, out.widthSwatch,
                out.widthName);
    out.helpBoxHeight = in.stripInnerHeight;
    out.helpBoxWidth = x - m;
    out.helpTop = (out.helpBoxHeight - in.helpHeight) / 2;
    out.helpLeft = out.helpTop;
    out.helpWidth = out.helpBoxWidth - 2 * out.helpLeft;
    return out;
}
