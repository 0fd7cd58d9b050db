#include <gtest/gtest.h>

#include "double_click_model.h"
#include "startup_fakes.h"

namespace {

constexpr DoubleClickSlider kSpeed = DoubleClickSlider::Speed;
constexpr DoubleClickSlider kWidth = DoubleClickSlider::Width;
constexpr DoubleClickSlider kHeight = DoubleClickSlider::Height;
constexpr DoubleClickSettings kWineDefaults{500, 4, 4};

}  // namespace

TEST(DoubleClickWindow, TheDesignValuesStoredKeepTheDesignCaptionsAndApplyOff) {
    DoubleClickModel model;
    model.load(kDefaultDoubleClick, kWineDefaults);
    EXPECT_EQ(model.caption(kSpeed), "Speed: 500");
    EXPECT_EQ(model.caption(kWidth), "Width: 32");
    EXPECT_EQ(model.caption(kHeight), "Height: 32");
    EXPECT_FALSE(model.applyEnabled()) << "weighed only on slider changes, though Windows differs";
    EXPECT_EQ(model.systemText(kWidth), "4");
}

TEST(DoubleClickWindow, StoredValuesMoveTheSlidersAndTheirCaptions) {
    DoubleClickModel model;
    model.load({700, 10, 33}, {700, 10, 33});
    EXPECT_EQ(model.sliderSettings(), (DoubleClickSettings{700, 10, 33}));
    EXPECT_EQ(model.caption(kSpeed), "Speed: 700");
    EXPECT_EQ(model.caption(kWidth), "Width: 10");
    EXPECT_EQ(model.caption(kHeight), "Hight: 33");
    EXPECT_FALSE(model.applyEnabled()) << "Windows already has them";

    DoubleClickModel differs;
    differs.load({700, 10, 33}, kWineDefaults);
    EXPECT_TRUE(differs.applyEnabled()) << "Windows does not have them yet";
}

TEST(DoubleClickWindow, ApplyIsOffExactlyWhenSlidersAndWindowsBothMatchTheStoredValues) {
    DoubleClickModel model;
    model.load({400, 20, 20}, {400, 20, 20});
    model.sliderMoved(kSpeed, 401);
    EXPECT_TRUE(model.applyEnabled());
    EXPECT_EQ(model.caption(kSpeed), "Speed: 401");
    model.sliderMoved(kSpeed, 400);
    EXPECT_FALSE(model.applyEnabled());
    model.sliderMoved(kHeight, 19);
    EXPECT_EQ(model.caption(kHeight), "Hight: 19");
    EXPECT_TRUE(model.applyEnabled());

    DoubleClickModel windowsDiffers;
    windowsDiffers.load({400, 20, 20}, {400, 20, 21});
    windowsDiffers.sliderMoved(kWidth, 21);
    windowsDiffers.sliderMoved(kWidth, 20);
    EXPECT_TRUE(windowsDiffers.applyEnabled()) << "back at the stored value, Windows still differs";
}

TEST(DoubleClickWindow, AfterApplyTheSlidersAreTheStoredValues) {
    DoubleClickModel model;
    model.load(kDefaultDoubleClick, kWineDefaults);
    model.sliderMoved(kSpeed, 650);
    model.sliderMoved(kWidth, 12);
    model.applied({650, 12, 32});
    EXPECT_FALSE(model.applyEnabled());
    EXPECT_EQ(model.stored(), (DoubleClickSettings{650, 12, 32}));
    EXPECT_EQ(model.systemText(kSpeed), "650");
    EXPECT_EQ(model.systemText(kWidth), "12");
    model.sliderMoved(kSpeed, 500);
    EXPECT_TRUE(model.applyEnabled()) << "the old value is no longer the stored one";
    model.sliderMoved(kSpeed, 650);
    EXPECT_FALSE(model.applyEnabled());
}

TEST(DoubleClickWindow, StoredValuesBeyondTheRangesSitAtTheEndsAndOfferApply) {
    DoubleClickModel model;
    model.load({1500, -3, 64}, {1500, -3, 64});
    EXPECT_EQ(model.sliderValue(kSpeed), 900);
    EXPECT_EQ(model.sliderValue(kWidth), 0);
    EXPECT_EQ(model.sliderValue(kHeight), 64);
    EXPECT_EQ(model.caption(kSpeed), "Speed: 900");
    EXPECT_TRUE(model.applyEnabled()) << "what the sliders show is not what is stored";
}

TEST(DoubleClickWindow, SliderRangesAndStepsAreTheDesignedOnes) {
    const SliderDesign& speed = DesignOf(kSpeed);
    EXPECT_STREQ(speed.scrollBar, "hscTT");
    EXPECT_EQ(speed.min, 100);
    EXPECT_EQ(speed.max, 900);
    EXPECT_EQ(speed.largeChange, 50);
    const SliderDesign& height = DesignOf(kHeight);
    EXPECT_STREQ(height.label, "lblHH");
    EXPECT_EQ(height.max, 64);
    EXPECT_EQ(height.largeChange, 5);
}

TEST(DoubleClickWindow, TheLampIsNearWhiteWhenOffAndBlueWhenOn) {
    DoubleClickModel model;
    EXPECT_FALSE(model.lampOn());
    EXPECT_EQ(model.lampColour(), 0xFAFAFAu);
    model.toggleLamp();
    EXPECT_EQ(model.lampColour(), 0xFF0000u) << "red 0, green 0, blue 255";
    model.toggleLamp();
    EXPECT_FALSE(model.lampOn());
}
