#include <gtest/gtest.h>
#include <cstring>

#include "startup_settings.h"

namespace {

DriverBlock With(StartupValue which, uint32_t value) {
    StartupValues values{};
    values.present[which] = true;
    values.value[which] = value;
    DriverBlock block;
    FillFactoryBlock(block);
    ApplyStartupValues(block, values);
    return block;
}

uint32_t Packed(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    return uint32_t(a) << 24 | uint32_t(b) << 16 | uint32_t(c) << 8 | d;
}

}  // namespace

TEST(StartupSettings, FactoryBlockIsAFoundControllerOnCom1) {
    DriverBlock block;
    FillFactoryBlock(block);
    EXPECT_EQ(block.ComPort, 1);
    EXPECT_EQ(block.Com[0].Base, 0x3F8);
    EXPECT_EQ(block.Com[8].Irq, 255);
    EXPECT_EQ(block.McuVersion, 0x42);
    EXPECT_GT(block.ScreenWidth, 0);
}

TEST(StartupSettings, PackedValuesUnpackHighByteFirst) {
    DriverBlock rb = With(RightButtonAutomatic, Packed(1, 9, 0, 1));
    EXPECT_EQ(rb.RightButtonAuto, 1);
    EXPECT_EQ(rb.RightButtonOnTime, 9);
    EXPECT_EQ(rb.RightButtonOffTime, 0);
    EXPECT_EQ(rb.RightButtonBeep, 1);
    DriverBlock speed = With(MouseSpeed, Packed(20, 1, 4, 0));
    EXPECT_EQ(speed.SpeedH, 20);
    EXPECT_EQ(speed.SpeedV, 1);
    EXPECT_EQ(speed.Acceleration, 4);
    EXPECT_EQ(speed.BypassMode, 0);
}

TEST(StartupSettings, OutOfRangeValuesKeepTheDefaultsWhole) {
    DriverBlock factory;
    FillFactoryBlock(factory);
    struct Case {
        StartupValue which;
        uint32_t value;
    } cases[] = {{VirtualButton, 0},          {VirtualButton, 5},
                 {RightButtonFunction, 2},    {RightButtonAutomatic, Packed(1, 10, 0, 0)},
                 {RightButtonAutomatic, Packed(2, 0, 0, 0)},
                 {FeedbackSound, 0},          {FeedbackTone, 199},
                 {FeedbackTone, 5001},        {FeedbackDuration, 51},
                 {MouseSpeed, Packed(0, 10, 1, 0)},
                 {MouseSpeed, Packed(10, 10, 5, 0)},
                 {PanelDirection, 8},         {PanelDirection, 0xFFFFFFFF}};
    for (const Case& c : cases) {
        DriverBlock block = With(c.which, c.value);
        EXPECT_EQ(std::memcmp(&block, &factory, sizeof block), 0)
            << "value " << int(c.which) << " = " << c.value << " changed the block";
    }
}

TEST(StartupSettings, BoundaryValuesApply) {
    EXPECT_EQ(With(FeedbackTone, 200).SoundTone, 200);
    EXPECT_EQ(With(FeedbackTone, 5000).SoundTone, 5000);
    EXPECT_EQ(With(FeedbackDuration, 10).SoundDuration, 10);
    EXPECT_EQ(With(VirtualButton, 4).ButtonMode, 4);
    EXPECT_EQ(With(PanelDirection, 7).PanelDirection, 7);
}
