#include "main_window_model.h"

#include "formatters.h"

std::string UsingDeviceLine(const NameTables& names, const DriverBlock& block) {
    return "COM" + std::to_string(block.ComPort) + ", " + names.baudName(block.BaudIndex) +
           " BPS (N,8,1) *" + ProtocolName(block.Protocol);
}

StatusLines StatusLinesOf(const NameTables& names, const DriverBlock& block) {
    return {UsingDeviceLine(names, block),
            ModeLine(names, block.ButtonMode, block.RightButtonEnable, block.RightButtonAuto),
            SoundLine(names, block.SoundMode),
            SpeedLine(names, block.SpeedH, block.SpeedV, block.Acceleration, block.BypassMode),
            PowerDownLine(block.SleepTime)};
}

SupportButton DecideSupportButton(bool cutFileExists, bool vendorBitmapExists) {
    if (cutFileExists) return SupportButton::Blank;
    return vendorBitmapExists ? SupportButton::Support : SupportButton::About;
}

int CalibrationListIndex(int64_t storedMethod, int entries) {
    return storedMethod < 0 || storedMethod >= entries ? 1 : int(storedMethod);
}

bool IsHiddenGesture(int button, int shift) {
    const int kRightButton = 2, kShiftCtrlAlt = 1 | 2 | 4;
    return (button & kRightButton) != 0 && (shift & kShiftCtrlAlt) == kShiftCtrlAlt;
}

bool IsMouseSpeedKey(int virtualKey, int shift) {
    const int kAltOnly = 4;
    return virtualKey == 'M' && shift == kAltOnly;
}

ClosedGap CloseGap(const MainRows& rows) {
    ClosedGap gap;
    gap.heightReduction = rows.calibration - rows.sleepTime;
    gap.bottomRow = rows.sleepTime;
    // the list sits 60 twips inside its shape, which moves with the bottom row
    gap.calibrationList = rows.sleepTime + 60;
    gap.sleepTimeButton = rows.mouseSpeed;
    gap.sleepTimeShape = rows.mouseSpeedShape;
    gap.sleepTimeLabel = rows.mouseSpeedLabel;
    return gap;
}

std::string McuInfoLine(uint8_t mode, uint8_t version, const uint8_t code[4]) {
    // the version's hexadecimal digits read as a decimal number: 0x42 is 42, version 4.2
    std::string hex = Hex2(version);
    int number = 0;
    for (char digit : hex) {
        if (digit < '0' || digit > '9') break;
        number = number * 10 + (digit - '0');
    }
    return "MCU-Mode=" + Hex2(mode) + "  MCU-Version=" + std::to_string(number / 10) + "." +
           std::to_string(number % 10) + "  MCU-Code=" + Hex2(code[0]) + Hex2(code[1]) +
           Hex2(code[2]) + Hex2(code[3]);
}

SupportBoxFit FitSupportBox(int32_t windowWidth, int32_t windowHeight, int32_t innerWidth,
                            int32_t innerHeight, int32_t pictureLeft, int32_t pictureTop,
                            int32_t pictureWidth, int32_t pictureHeight, int32_t okWidth,
                            int32_t okHeight) {
    SupportBoxFit fit;
    fit.windowWidth = (windowWidth - innerWidth) + pictureWidth + 2 * pictureLeft;
    fit.windowHeight = (windowHeight - innerHeight) + pictureHeight + 5 * pictureTop + okHeight;
    int32_t newInnerWidth = pictureWidth + 2 * pictureLeft;
    fit.okTop = 3 * pictureTop + pictureHeight;
    fit.okLeft = (newInnerWidth - okWidth) / 2;
    return fit;
}
