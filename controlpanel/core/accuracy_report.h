// What the accuracy check tells the technician: the result lines on screen and the report
// saved for the service record.
#pragma once

#include <string>
#include <vector>

#include "accuracy_check.h"
#include "driver_records.h"

// The screen in pixels and, where Windows knows it, in millimetres (0 when unknown).
struct DisplaySize {
    int widthPixels = 0;
    int heightPixels = 0;
    int widthMillimetres = 0;
    int heightMillimetres = 0;
    bool physicalKnown() const { return widthMillimetres > 0 && heightMillimetres > 0; }
};

// "Mean error: 2.3 px", "Largest error: 4.1 px (target 7)", "Result: Good"; with the
// millimetres in brackets after each figure where the physical size is known.
std::vector<std::string> ResultLines(const std::vector<TargetFigures>& figures,
                                     const DisplaySize& screen);

struct LocalTime {
    int year, month, day;
    int hour, minute, second;
};

// "Accuracy check 2026-12-10 14-30-22.txt": sorts by time, no character Windows refuses.
std::string ReportFileName(const LocalTime& when);

struct ReportFacts {
    std::string program;  // "TouchScreen Control Panel #NX-COM"
    std::string version;  // "7.5.COM"
    LocalTime when;
    DisplaySize screen;
    DriverBlock block;  // the calibration and firmware in force
    std::vector<TargetFigures> figures;
};

// Plain text with Windows line ends.
std::string AccuracyReport(const ReportFacts& facts);
