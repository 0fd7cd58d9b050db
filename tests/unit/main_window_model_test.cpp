#include <gtest/gtest.h>

#include "main_window_model.h"

namespace {

NameTables Names() {
    NameTables names;
    FillNameTables(names);
    return names;
}

}  // namespace

TEST(MainWindowStatus, DeviceLineNamesPortRateAndProtocol) {
    DriverBlock block{};
    block.ComPort = 1;
    block.BaudIndex = 4;
    EXPECT_EQ(UsingDeviceLine(Names(), block), "COM1, 9600 BPS (N,8,1) *NXCOM");
    block.ComPort = 3;
    block.BaudIndex = 11;
    block.Protocol = 1;
    EXPECT_EQ(UsingDeviceLine(Names(), block), "COM3, 115200 BPS (N,8,1) *VTCOM");
    block.Protocol = 2;
    EXPECT_EQ(UsingDeviceLine(Names(), block), "COM3, 115200 BPS (N,8,1) *");
    block.BaudIndex = 0;
    EXPECT_EQ(UsingDeviceLine(Names(), block), "COM3,  BPS (N,8,1) *");
    block.BaudIndex = 12;
    EXPECT_EQ(UsingDeviceLine(Names(), block), "COM3,  BPS (N,8,1) *");
}

TEST(MainWindowStatus, EveryLineFromTheBlock) {
    DriverBlock block{};
    block.ComPort = 1;
    block.BaudIndex = 4;
    block.ButtonMode = 4;
    block.RightButtonEnable = 1;
    block.RightButtonAuto = 1;
    block.SoundMode = 4;
    block.SpeedH = 10;
    block.SpeedV = 12;
    block.Acceleration = 2;
    block.SleepTime = 15;
    StatusLines lines = StatusLinesOf(Names(), block);
    EXPECT_EQ(lines.virtualButton, "Drag Drop Mode, RBF Enable ( Automatic Mode )");
    EXPECT_EQ(lines.feedbackSound, "Both Touch Down && Lift Off");
    EXPECT_EQ(lines.mouseSpeed, "HS=50%, VS=60%, Acceleration=Medium");
    EXPECT_EQ(lines.sleepTime, "Power Down When Idle  2 Min.  30 Sec.");
}

TEST(MainWindowSupport, CutFileWinsThenTheBitmapDecides) {
    EXPECT_EQ(DecideSupportButton(true, true), SupportButton::Blank);
    EXPECT_EQ(DecideSupportButton(true, false), SupportButton::Blank);
    EXPECT_EQ(DecideSupportButton(false, true), SupportButton::Support);
    EXPECT_EQ(DecideSupportButton(false, false), SupportButton::About);
}

TEST(MainWindowCalibrationList, StoredMethodsOutsideTheListBecomeTheSecond) {
    EXPECT_EQ(CalibrationListIndex(0, 2), 0);
    EXPECT_EQ(CalibrationListIndex(1, 2), 1);
    EXPECT_EQ(CalibrationListIndex(5, 2), 1);
    EXPECT_EQ(CalibrationListIndex(-1, 2), 1);
    EXPECT_EQ(CalibrationListIndex(int64_t(0xFFFFFFFFu), 2), 1);
}

TEST(MainWindowGestures, AllThreeModifiersAndTheRightButton) {
    EXPECT_TRUE(IsHiddenGesture(2, 7));
    EXPECT_FALSE(IsHiddenGesture(1, 7)) << "left button";
    for (int shift : {0, 1, 2, 3, 4, 5, 6}) EXPECT_FALSE(IsHiddenGesture(2, shift)) << shift;
    EXPECT_TRUE(IsMouseSpeedKey('M', 4));
    EXPECT_FALSE(IsMouseSpeedKey('M', 6)) << "Ctrl+Alt+M";
    EXPECT_FALSE(IsMouseSpeedKey('M', 0));
    EXPECT_FALSE(IsMouseSpeedKey('N', 4));
}

TEST(MainWindowLayout, PowerSaveRowTakesTheMouseSpeedRowsPlace) {
    ClosedGap gap = CloseGap({3300, 3300, 3420, 3900, 4500, 4500});
    EXPECT_EQ(gap.heightReduction, 600);
    EXPECT_EQ(gap.bottomRow, 3900);
    EXPECT_EQ(gap.calibrationList, 3960);
    EXPECT_EQ(gap.sleepTimeButton, 3300);
    EXPECT_EQ(gap.sleepTimeLabel, 3420);
}

TEST(McuInformation, VersionDigitsReadAsDecimal) {
    const uint8_t code[4] = {0x00, 0x12, 0xAB, 0x7F};
    EXPECT_EQ(McuInfoLine(0xD4, 0x42, code), "MCU-Mode=D4  MCU-Version=4.2  MCU-Code=0012AB7F");
    EXPECT_NE(McuInfoLine(0, 0x05, code).find("MCU-Version=0.5"), std::string::npos);
    EXPECT_NE(McuInfoLine(0, 0x4A, code).find("MCU-Version=0.4"), std::string::npos);
    EXPECT_NE(McuInfoLine(0, 0xA1, code).find("MCU-Version=0.0"), std::string::npos);
    EXPECT_NE(McuInfoLine(0, 0x99, code).find("MCU-Version=9.9"), std::string::npos);
}

TEST(SupportBox, FitsThePictureAndCentresOk) {
    // a window whose frame adds 90 x 420 twips around its inner area
    SupportBoxFit fit = FitSupportBox(4000, 3420, 3910, 3000, 120, 120, 3000, 2000, 1095, 375);
    EXPECT_EQ(fit.windowWidth - 90, 3240);
    EXPECT_EQ(fit.windowHeight - 420, 2600 + 375);
    EXPECT_EQ(fit.okTop, 2360);
    EXPECT_EQ(fit.okLeft, (3240 - 1095) / 2);
}
