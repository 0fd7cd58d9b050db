// The drawing test's decisions: the driver's button mode while it is open, the pen chosen with
// the swatches, the strokes the mouse draws and the button indicators.
#pragma once

#include <stdint.h>

#include "driver_port.h"
#include "driver_records.h"

constexpr int kWidthSwatches = 4;
constexpr int kColourSwatches = 5;
constexpr int kButtonIndicators = 3;

// Colours are 0x00BBGGRR.
constexpr uint32_t kSwatchText = 0x000000;
constexpr uint32_t kSwatchBack = 0xE0E0E0;
constexpr uint32_t kSelectedSwatchText = 0x00FFFF;
constexpr uint32_t kSelectedSwatchBack = 0x404040;
constexpr uint32_t kIndicatorLit = 0x00FFFF;

// Black, red, green, blue, magenta.
uint32_t ColourSwatchColour(int index);

// The indicator a mouse button lights: 1 left "L", 2 right "R", 4 middle "M"; -1 for any other.
int IndicatorOf(int button);

struct SwatchLook {
    uint32_t text;
    uint32_t back;
};

// What a mouse event draws on the canvas, in the canvas's coordinates.
struct Stroke {
    enum class Kind { None, Dot, Line };
    Kind kind = Kind::None;
    int fromX = 0, fromY = 0;
    int toX = 0, toY = 0;
    uint32_t colour = 0;
    int width = 1;  // pixels
};

class DrawingTestModel {
public:
    DrawingTestModel(DriverPort& driver, DriverBlock& block);

    // The first activation: the driver in drag-drop mode, width 2 and blue chosen.
    void activate();
    // The button mode back as it was; nothing when the window was never activated.
    void unload();

    void selectWidth(int index);
    void selectColour(int index);

    Stroke buttonDown(int button, int x, int y);
    Stroke move(int x, int y);
    void buttonUp(int button);

    int selectedWidth() const { return width_; }  // -1 before the first choice
    int selectedColour() const { return colour_; }
    SwatchLook widthSwatch(int index) const;
    bool colourSwatchBordered(int index) const { return index == colour_; }
    bool indicatorLit(int index) const;
    int penWidth() const { return penWidth_; }
    uint32_t penColour() const { return penColour_; }
    bool penDown() const { return penDown_; }

private:
    DriverPort& driver_;
    DriverBlock& block_;
    bool activated_ = false;
    uint8_t savedButtonMode_ = 0;
    int width_ = -1;
    int colour_ = -1;
    int penWidth_ = 1;
    uint32_t penColour_ = 0;
    bool penDown_ = false;
    int penX_ = 0, penY_ = 0;
    bool lit_[kButtonIndicators] = {false, false, false};
};

// Twips, as real numbers: the header strip and the tool strip laid out from their sizes.
struct HeaderLayoutInput {
    double innerWidth, innerHeight;  // picHead
    double iconWidth, iconHeight;
    double titleHeight;
    double exitWidth;
};

struct HeaderLayout {
    double iconLeft, iconTop;
    double titleLeft, titleTop;
    double exitLeft, exitTop, exitHeight;
    double clearLeft, clearTop, clearWidth, clearHeight;
    double accuracyLeft;  // cmdAccuracy: left of cmdClear, with its top, width and height
};

HeaderLayout LayOutHeader(const HeaderLayoutInput& in);

struct StripLabel {
    double width, height;
};

struct ToolStripInput {
    double windowInnerWidth, windowInnerHeight;
    double headHeight;   // picHead
    double stripHeight;  // picMesg, outer
    double stripInnerWidth, stripInnerHeight;
    StripLabel widthSwatch[kWidthSwatches], widthName;
    StripLabel colourSwatch[kColourSwatches], colourName;
    StripLabel indicator[kButtonIndicators], indicatorName;
    double helpHeight;  // lblHelp
};

struct StripPosition {
    double left, top;
};

struct ToolStripLayout {
    double canvasTop, canvasHeight, canvasWidth;
    double margin;
    StripPosition widthSwatch[kWidthSwatches], widthName;
    StripPosition colourSwatch[kColourSwatches], colourName;
    StripPosition indicator[kButtonIndicators], indicatorName;
    double helpBoxWidth, helpBoxHeight;
    double helpLeft, helpTop, helpWidth;
};

// Filled from the right: the indicators, the colours, the widths, each group with its name on
// its left; the help box takes what is left.
ToolStripLayout LayOutToolStrip(const ToolStripInput& in);
