#include <gtest/gtest.h>

#include <vector>

#include "driver_requests.h"
#include "drawing_test_model.h"

namespace {

class RecordingDriver : public DriverPort {
public:
    std::vector<uint8_t> modesSent;

    bool transact(uint32_t code, void* buffer, uint32_t length) override {
        if (code == IOCTL_SET_BUTTON_MODE && length == sizeof(DriverBlock))
            modesSent.push_back(static_cast<DriverBlock*>(buffer)->ButtonMode);
        return true;
    }
};

struct Opened {
    RecordingDriver driver;
    DriverBlock block{};
    DrawingTestModel model{driver, block};

    Opened() { block.ButtonMode = 2; }
};

}  // namespace

TEST(DrawingTestDriver, DragDropModeWhileOpenAndTheUsersModeAfter) {
    Opened t;
    t.model.activate();
    EXPECT_EQ(t.block.ButtonMode, 4);
    t.model.activate();  // every later activation leaves the mode alone
    EXPECT_EQ(t.driver.modesSent, (std::vector<uint8_t>{4}));
    t.model.unload();
    EXPECT_EQ(t.block.ButtonMode, 2);
    EXPECT_EQ(t.driver.modesSent, (std::vector<uint8_t>{4, 2})) << "sent back once more";
}

TEST(DrawingTestDriver, AWindowNeverActivatedSendsNoModeAtAll) {
    Opened t;
    t.model.unload();
    EXPECT_TRUE(t.driver.modesSent.empty()) << "an unset saved mode must not reach the driver";
    EXPECT_EQ(t.block.ButtonMode, 2);
}

TEST(DrawingTestSwatches, OpeningChoosesWidthTwoAndBlue) {
    Opened t;
    EXPECT_EQ(t.model.selectedWidth(), -1);
    EXPECT_EQ(t.model.selectedColour(), -1);
    t.model.activate();
    EXPECT_EQ(t.model.selectedWidth(), 1);
    EXPECT_EQ(t.model.penWidth(), 2);
    EXPECT_EQ(t.model.selectedColour(), 3);
    EXPECT_EQ(t.model.penColour(), 0xFF0000u) << "blue, as 0x00BBGGRR";
    EXPECT_EQ(t.model.widthSwatch(1).text, kSelectedSwatchText);
    EXPECT_EQ(t.model.widthSwatch(1).back, kSelectedSwatchBack);
    EXPECT_EQ(t.model.widthSwatch(0).back, kSwatchBack);
    EXPECT_TRUE(t.model.colourSwatchBordered(3));
    EXPECT_FALSE(t.model.colourSwatchBordered(0));
}

TEST(DrawingTestSwatches, AnotherSwatchMovesTheHighlightAndOnlyItsPenProperty) {
    Opened t;
    t.model.activate();
    t.model.selectWidth(3);
    EXPECT_EQ(t.model.penWidth(), 4);
    EXPECT_EQ(t.model.penColour(), 0xFF0000u) << "the colour stays";
    EXPECT_EQ(t.model.widthSwatch(1).back, kSwatchBack);
    EXPECT_EQ(t.model.widthSwatch(1).text, kSwatchText);
    EXPECT_EQ(t.model.widthSwatch(3).back, kSelectedSwatchBack);
    t.model.selectColour(4);
    EXPECT_EQ(t.model.penColour(), 0xFF00FFu);
    EXPECT_EQ(t.model.penWidth(), 4) << "the width stays";
    EXPECT_FALSE(t.model.colourSwatchBordered(3));
    EXPECT_TRUE(t.model.colourSwatchBordered(4));
    t.model.selectColour(4);
    t.model.selectWidth(7);
    t.model.selectColour(-1);
    EXPECT_EQ(t.model.selectedWidth(), 3);
    EXPECT_EQ(t.model.selectedColour(), 4);
    const uint32_t colours[] = {0x000000, 0x0000FF, 0x008000, 0xFF0000, 0xFF00FF};
    for (int i = 0; i < kColourSwatches; ++i) EXPECT_EQ(ColourSwatchColour(i), colours[i]);
}

TEST(DrawingTestStrokes, ATapIsADotAndADragAConnectedLine) {
    Opened t;
    t.model.activate();
    Stroke dot = t.model.buttonDown(1, 300, 450);
    EXPECT_EQ(dot.kind, Stroke::Kind::Dot);
    EXPECT_EQ(dot.toX, 300);
    EXPECT_EQ(dot.toY, 450);
    EXPECT_EQ(dot.width, 2);
    EXPECT_EQ(dot.colour, 0xFF0000u);
    Stroke first = t.model.move(600, 450);
    Stroke second = t.model.move(600, 900);
    EXPECT_EQ(first.kind, Stroke::Kind::Line);
    EXPECT_EQ(first.fromX, 300);
    EXPECT_EQ(first.toX, 600);
    EXPECT_EQ(second.fromX, first.toX) << "each line starts where the last ended";
    EXPECT_EQ(second.fromY, first.toY);
    t.model.buttonUp(1);
    EXPECT_EQ(t.model.move(900, 900).kind, Stroke::Kind::None) << "no drawing without a button";
    EXPECT_EQ(t.model.buttonDown(1, 50, 50).kind, Stroke::Kind::Dot);
}

TEST(DrawingTestStrokes, ASecondButtonWhileDrawingContinuesTheLine) {
    Opened t;
    t.model.activate();
    t.model.buttonDown(1, 100, 100);
    Stroke joined = t.model.buttonDown(2, 200, 100);
    EXPECT_EQ(joined.kind, Stroke::Kind::Line);
    EXPECT_EQ(joined.fromX, 100);
    EXPECT_EQ(joined.toX, 200);
}

TEST(DrawingTestIndicators, LeftRightAndMiddleLightTheirLetters) {
    EXPECT_EQ(IndicatorOf(1), 0);
    EXPECT_EQ(IndicatorOf(2), 2);
    EXPECT_EQ(IndicatorOf(4), 1);
    EXPECT_EQ(IndicatorOf(3), -1);
    EXPECT_EQ(IndicatorOf(0), -1);
    Opened t;
    t.model.buttonDown(4, 0, 0);
    EXPECT_TRUE(t.model.indicatorLit(1));
    EXPECT_FALSE(t.model.indicatorLit(0));
    t.model.buttonDown(2, 0, 0);
    EXPECT_TRUE(t.model.indicatorLit(2));
    t.model.buttonUp(4);
    EXPECT_FALSE(t.model.indicatorLit(1));
    EXPECT_TRUE(t.model.indicatorLit(2)) << "only the released button goes dark";
    t.model.buttonUp(8);
    EXPECT_TRUE(t.model.indicatorLit(2));
}

TEST(DrawingTestLayout, HeaderCentresTheIconAndPutsTheButtonsOnTheRight) {
    HeaderLayout header = LayOutHeader({15360, 615, 480, 480, 375, 1215});
    EXPECT_DOUBLE_EQ(header.iconTop, 67.5);
    EXPECT_DOUBLE_EQ(header.iconLeft, 67.5);
    EXPECT_DOUBLE_EQ(header.titleLeft, 3 * 67.5 + 480);
    EXPECT_DOUBLE_EQ(header.titleTop, 120);
    EXPECT_DOUBLE_EQ(header.exitLeft, 15360 - 1215 - 67.5);
    EXPECT_DOUBLE_EQ(header.exitHeight, 480);
    EXPECT_DOUBLE_EQ(header.clearLeft, header.exitLeft - 1215 - 67.5) << "gap equals margin";
    EXPECT_DOUBLE_EQ(header.clearWidth, 1215);
    EXPECT_DOUBLE_EQ(header.clearTop, header.exitTop);
    EXPECT_DOUBLE_EQ(header.accuracyLeft, header.clearLeft - 1215 - 67.5) << "the same rule again";
}

TEST(DrawingTestLayout, ToolStripFillsFromTheRightWithGroupsTwoMarginsApart) {
    ToolStripInput in{};
    in.windowInnerWidth = 15360;
    in.windowInnerHeight = 11520;
    in.headHeight = 615;
    in.stripHeight = 555;
    in.stripInnerWidth = 15360;
    in.stripInnerHeight = 555;
    for (StripLabel& label : in.widthSwatch) label = {405, 360};
    for (StripLabel& label : in.colourSwatch) label = {405, 360};
    for (StripLabel& label : in.indicator) label = {285, 360};
    in.widthName = {450, 195};
    in.colourName = {390, 195};
    in.indicatorName = {480, 195};
    in.helpHeight = 315;
    ToolStripLayout out = LayOutToolStrip(in);
    const double m = 97.5;
    EXPECT_DOUBLE_EQ(out.margin, m);
    EXPECT_DOUBLE_EQ(out.canvasTop, 615);
    EXPECT_DOUBLE_EQ(out.canvasHeight, 11520 - 615 - 555);
    EXPECT_DOUBLE_EQ(out.canvasWidth, 15360);
    EXPECT_DOUBLE_EQ(out.indicator[2].left, 15360 - m - 285) << "R is rightmost";
    EXPECT_DOUBLE_EQ(out.indicator[1].left, out.indicator[2].left - m - 285);
    EXPECT_DOUBLE_EQ(out.indicator[0].top, m);
    EXPECT_DOUBLE_EQ(out.indicatorName.left, out.indicator[0].left - m - 480);
    EXPECT_DOUBLE_EQ(out.indicatorName.top, (555 - 195) / 2.0);
    EXPECT_DOUBLE_EQ(out.colourSwatch[4].left, out.indicatorName.left - 2 * m - 405)
        << "the groups stand two margins apart";
    EXPECT_DOUBLE_EQ(out.colourName.left, out.colourSwatch[0].left - m - 390);
    EXPECT_DOUBLE_EQ(out.widthSwatch[3].left, out.colourName.left - 2 * m - 405);
    EXPECT_DOUBLE_EQ(out.widthName.left, out.widthSwatch[0].left - m - 450);
    EXPECT_DOUBLE_EQ(out.helpBoxWidth, out.widthName.left - 2 * m);
    EXPECT_DOUBLE_EQ(out.helpBoxHeight, 555);
    EXPECT_DOUBLE_EQ(out.helpTop, 120);
    EXPECT_DOUBLE_EQ(out.helpLeft, 120);
    EXPECT_DOUBLE_EQ(out.helpWidth, out.helpBoxWidth - 240);
}
