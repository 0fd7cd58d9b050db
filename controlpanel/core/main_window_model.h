// The control panel main window's decisions: its status lines, the start-up layout, the
// calibration method list and the hidden gestures.
#pragma once

#include <stdint.h>

#include <string>

#include "driver_records.h"
#include "name_tables.h"

constexpr char kControlPanelTitle[] = " TouchScreen Control Panel #NX-COM";

struct StatusLines {
    std::string usingDevice;
    std::string virtualButton;
    std::string feedbackSound;
    std::string mouseSpeed;
    std::string sleepTime;
};

// "COM1, 9600 BPS (N,8,1) *NXCOM"
std::string UsingDeviceLine(const NameTables& names, const DriverBlock& block);
StatusLines StatusLinesOf(const NameTables& names, const DriverBlock& block);

enum class SupportButton { Support, About, Blank };
SupportButton DecideSupportButton(bool cutFileExists, bool vendorBitmapExists);

// cboCalibration's entries, in the order of the calibration method they stand for.
constexpr const char* kCalibrationMethods[] = {" 4 points, mode 1", " 4 points, mode 2"};
constexpr int kCalibrationMethodCount = 2;

// The method list's selection: a stored method outside the list becomes 1.
int CalibrationListIndex(int64_t storedMethod, int entries);

// A right-button press with Shift, Ctrl and Alt all held opens a hidden window.
bool IsHiddenGesture(int button, int shift);
// Alt+M, with no other modifier, stands in for the hidden mouse speed button.
bool IsMouseSpeedKey(int virtualKey, int shift);

// Twips tops of the rows the start-up layout moves: the power save row takes the place of the
// hidden mouse speed row and the bottom row moves up one row.
struct MainRows {
    int32_t mouseSpeed;       // cmdMouseSpeed, shpMouseSpeed and lblMouseSpeed tops
    int32_t mouseSpeedShape;
    int32_t mouseSpeedLabel;
    int32_t sleepTime;        // cmdSleepTime
    int32_t calibration;      // cmdCalibration, the top of the bottom row
    int32_t calibrationShape; // shpCalibration
};

struct ClosedGap {
    int32_t heightReduction;  // the window loses this much height
    int32_t bottomRow;        // new top of cmdCalibration, shpCalibration, cmdSupport, cmdExit
    int32_t calibrationList;  // new top of cboCalibration
    int32_t sleepTimeButton;
    int32_t sleepTimeShape;
    int32_t sleepTimeLabel;
};

ClosedGap CloseGap(const MainRows& rows);

// "MCU-Mode=D4  MCU-Version=4.2  MCU-Code=0012AB7F"
std::string McuInfoLine(uint8_t mode, uint8_t version, const uint8_t code[4]);

// The support box fitted around its picture, in twips.
struct SupportBoxFit {
    int32_t windowWidth, windowHeight;
    int32_t okTop, okLeft;
};
SupportBoxFit FitSupportBox(int32_t windowWidth, int32_t windowHeight, int32_t innerWidth,
                            int32_t innerHeight, int32_t pictureLeft, int32_t pictureTop,
                            int32_t pictureWidth, int32_t pictureHeight, int32_t okWidth,
                            int32_t okHeight);
