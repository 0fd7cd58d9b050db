#include <gtest/gtest.h>

#include <string>

#include "formatters.h"

namespace {

NameTables ControlPanelNames() {
    NameTables names;
    FillNameTables(names);
    return names;
}

const NameTables kNames = ControlPanelNames();

}  // namespace

TEST(NameTables, EntryZeroAndRatesOutsideOneToElevenAreEmpty) {
    EXPECT_TRUE(kNames.mode[0].empty() && kNames.sound[0].empty() &&
                kNames.acceleration[0].empty());
    EXPECT_EQ(kNames.sound[4], "Both Touch Down && Lift Off");
    EXPECT_EQ(kNames.baudName(1), "1200");
    EXPECT_EQ(kNames.baudName(11), "115200");
    for (int index : {-1, 0, 12, 255}) EXPECT_EQ(kNames.baudName(index), "") << index;
}

TEST(NameFormatters, EveryValueOutsideOneToFourReadsInvalid) {
    for (int value = -300; value <= 300; ++value) {
        SCOPED_TRACE(value);
        bool named = value >= 1 && value <= 4;
        std::string invalid = "Invalid#" + std::to_string(value);
        EXPECT_EQ(AccelerationName(kNames, value), named ? kNames.acceleration[value] : invalid);
        EXPECT_EQ(SoundLine(kNames, value), named ? kNames.sound[value] : invalid);
        if (!named) {
            EXPECT_EQ(ModeLine(kNames, value, 1, 0), invalid + ",1,0");
        }
    }
}

TEST(ModeLine, NamesTheRightButtonStateAndOnlyDragDropItsSwitching) {
    EXPECT_EQ(ModeLine(kNames, 4, 1, 1), "Drag Drop Mode, RBF Enable ( Automatic Mode )");
    EXPECT_EQ(ModeLine(kNames, 4, 1, 2), "Drag Drop Mode, RBF Enable ( Manual Mode )");
    EXPECT_EQ(ModeLine(kNames, 4, 0, 1), "Drag Drop Mode, RBF Disable");
    EXPECT_EQ(ModeLine(kNames, 2, 1, 1), "Lift Off Mode, RBF Enable");
    EXPECT_EQ(ModeLine(kNames, 9, 255, 7), "Invalid#9,255,7");
}

TEST(SpeedLine, ShowsPercentInStepsOfFiveUnlessBypassed) {
    EXPECT_EQ(SpeedLine(kNames, 10, 10, 1, 0), "HS=50%, VS=50%, Acceleration=Slow");
    EXPECT_EQ(SpeedLine(kNames, 0, 255, 9, 0), "HS=0%, VS=1275%, Acceleration=Invalid#9");
    EXPECT_EQ(SpeedLine(kNames, 10, 10, 1, 255), "Enable Bypass Mode");
}

TEST(TimeText, KeepsTheSpaceOfTheNumberFormat) {
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-5), "-5");
    EXPECT_EQ(TimeText(0), "");
    EXPECT_EQ(TimeText(60), " 1 Min. ");
    EXPECT_EQ(TimeText(3599), " 59 Min.  59 Sec.");
    EXPECT_EQ(TimeText(-150), "-2 Min. -30 Sec.");
    EXPECT_EQ(PowerDownLine(0), "Disable Power Down Function");
    EXPECT_EQ(PowerDownLine(15), "Power Down When Idle  2 Min.  30 Sec.");
    EXPECT_EQ(PowerDownLine(1), "Power Down When Idle  10 Sec.");
    EXPECT_EQ(PowerDownLine(255), "Power Down When Idle  42 Min.  30 Sec.");
}

TEST(PortText, WithoutABaseShowsTheStatusHeldInTheIrq) {
    EXPECT_EQ(PortText(1, 0, 255), "COM1..Not Found.");
    EXPECT_EQ(PortText(2, 0, 254), "COM2..Used by Other Device.");
    for (int irq = 0; irq <= 253; ++irq)
        EXPECT_EQ(PortText(9, 0, irq), "COM9..Unabled (code=" + std::to_string(irq) + ")");
}

TEST(PortText, WithABaseShowsItsLowSixteenBitsInHex) {
    EXPECT_EQ(PortText(1, 0x3F8, 4), "COM1, BasePort=03F8h, IRQ=4");
    EXPECT_EQ(PortText(3, -1, -1), "COM3, BasePort=FFFFh, IRQ=-1");
    EXPECT_EQ(PortText(4, int16_t{-32768}, 255), "COM4, BasePort=8000h, IRQ=255");
    EXPECT_EQ(PortText(5, 0x1E8F8, 11), "COM5, BasePort=E8F8h, IRQ=11");
}

TEST(ProtocolName, OnlyZeroAndOneHaveNames) {
    EXPECT_EQ(ProtocolName(0), "NXCOM");
    EXPECT_EQ(ProtocolName(1), "VTCOM");
    for (int protocol : {-1, 2, 255}) EXPECT_EQ(ProtocolName(protocol), "") << protocol;
}

TEST(Hex, PadsToFixedWidthAndShowsTheTwosComplementPattern) {
    for (int value = 0; value <= 0xFFFF; ++value) {
        std::string hex4 = Hex4(value);
        ASSERT_EQ(hex4.size(), 4u);
        ASSERT_EQ(std::stoi(hex4, nullptr, 16), value);
        ASSERT_EQ(hex4.find_first_of("abcdef"), std::string::npos) << hex4;
        ASSERT_EQ(Hex4(static_cast<int16_t>(value)), hex4);
        ASSERT_EQ(Hex2(value), hex4.substr(2));
    }
    EXPECT_EQ(Hex2(-1), "FF");
    EXPECT_EQ(Hex4(0x12345), "2345");
}
