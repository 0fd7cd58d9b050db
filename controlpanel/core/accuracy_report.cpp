#include "accuracy_report.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "main_window_model.h"

namespace {

std::string Printed(const char* format, ...) {
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

// A target's error in millimetres: each axis at its own scale.
double Millimetres(const TargetFigures& figures, const DisplaySize& screen) {
    double perPixelX = double(screen.widthMillimetres) / screen.widthPixels;
    double perPixelY = double(screen.heightMillimetres) / screen.heightPixels;
    return std::hypot(figures.dx * perPixelX, figures.dy * perPixelY);
}

std::string Figure(double pixels, bool withMillimetres, double millimetres) {
    std::string text = Printed("%.1f px", pixels);
    if (withMillimetres) text += Printed(" (%.1f mm)", millimetres);
    return text;
}

}  // namespace

std::vector<std::string> ResultLines(const std::vector<TargetFigures>& figures,
                                     const DisplaySize& screen) {
    AccuracySummary summary = Summarise(figures, screen.widthPixels, screen.heightPixels);
    bool physical = screen.physicalKnown() && screen.widthPixels > 0 && screen.heightPixels > 0;
    double meanMillimetres = 0, largestMillimetres = 0;
    if (physical && !figures.empty()) {
        for (const TargetFigures& target : figures) meanMillimetres += Millimetres(target, screen);
        meanMillimetres /= double(figures.size());
        largestMillimetres = Millimetres(figures[summary.largestTarget - 1], screen);
    }
    return {"Mean error: " + Figure(summary.meanError, physical, meanMillimetres),
            "Largest error: " + Figure(summary.largestError, physical, largestMillimetres) +
                Printed(" (target %d)", summary.largestTarget),
            std::string("Result: ") + VerdictName(summary.verdict)};
}

std::string ReportFileName(const LocalTime& when) {
    return Printed("Accuracy check %04d-%02d-%02d %02d-%02d-%02d.txt", when.year, when.month,
                   when.day, when.hour, when.minute, when.second);
}

std::string AccuracyReport(const ReportFacts& facts) {
    const DriverBlock& block = facts.block;
    const DisplaySize& screen = facts.screen;
    std::vector<std::string> lines = {
        "TouchScreen Accuracy Check",
        "Program: " + facts.program + " " + facts.version,
        Printed("Date: %04d-%02d-%02d %02d:%02d:%02d", facts.when.year, facts.when.month,
                facts.when.day, facts.when.hour, facts.when.minute, facts.when.second),
        Printed("Screen: %d x %d pixels", screen.widthPixels, screen.heightPixels) +
            (screen.physicalKnown()
                 ? Printed(", %d x %d mm", screen.widthMillimetres, screen.heightMillimetres)
                 : std::string()),
        Printed("Calibration: CalXMin=%d CalXMid=%d CalXMax=%d CalYMin=%d CalYMid=%d CalYMax=%d "
                "PanelDirection=%d ScreenWidth=%d ScreenHeight=%d",
                block.CalXMin, block.CalXMid, block.CalXMax, block.CalYMin, block.CalYMid,
                block.CalYMax, block.PanelDirection, block.ScreenWidth, block.ScreenHeight),
        "Firmware: " + McuInfoLine(block.McuMode, block.McuVersion, block.McuCode),
        "",
        "Target  Position    Mean position     dx      dy   Error  Spread  Samples",
    };
    for (size_t i = 0; i < facts.figures.size(); ++i) {
        const TargetFigures& t = facts.figures[i];
        std::string position = Printed("%d, %d", t.target.x, t.target.y);
        std::string mean = Printed("%.1f, %.1f", t.meanX, t.meanY);
        lines.push_back(Printed("%-7zu %-11s %-15s %6.1f  %6.1f  %6.1f  %6.1f  %7d", i + 1,
                                position.c_str(), mean.c_str(), t.dx, t.dy, t.error, t.spread,
                                t.samples));
    }
    lines.push_back("");
    for (const std::string& line : ResultLines(facts.figures, screen)) lines.push_back(line);
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}
