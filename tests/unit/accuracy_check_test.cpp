#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "accuracy_check.h"
#include "accuracy_report.h"
#include "accuracy_view.h"
#include "monitor_edid.h"
#include "report_save.h"

namespace {

// A hold at (x, y) from time 0 to ms, one sample every 10 ms.
std::vector<PointerSample> Hold(int x, int y, uint32_t ms) {
    std::vector<PointerSample> hold;
    for (uint32_t t = 0; t <= ms; t += 10) hold.push_back({t, x, y});
    return hold;
}

// Holds every target of a check with the same offset; the check starts at time 1000.
AccuracyCheck CheckedWithOffset(int width, int height, int dx, int dy) {
    AccuracyCheck check(width, height, 1000);
    uint32_t now = 1000;
    while (!check.done()) {
        ScreenPoint at = check.target();
        check.press(now, at.x + dx, at.y + dy);
        check.release(now + 400, at.x + dx, at.y + dy);
        now += 1000;
    }
    return check;
}

}  // namespace

TEST(AccuracyTargets, TenFiftyAndNinetyPercentRoundedDownRowByRow) {
    auto targets = AccuracyTargets(1024, 768);
    const ScreenPoint expected[] = {{102, 76},  {512, 76},  {921, 76},  {102, 384}, {512, 384},
                                    {921, 384}, {102, 691}, {512, 691}, {921, 691}};
    for (int i = 0; i < kAccuracyTargets; ++i)
        EXPECT_TRUE(targets[i] == expected[i]) << "target " << i + 1;
}

TEST(MeasureTarget, AConstantOffsetHasNoSpread) {
    TargetFigures figures = MeasureTarget({100, 200}, Hold(103, 196, 400));
    EXPECT_DOUBLE_EQ(figures.dx, 3);
    EXPECT_DOUBLE_EQ(figures.dy, -4);
    EXPECT_DOUBLE_EQ(figures.error, 5);
    EXPECT_DOUBLE_EQ(figures.spread, 0);
    EXPECT_EQ(figures.samples, 31) << "samples at 100..400 ms; the first 100 ms settle";
}

TEST(MeasureTarget, NoiseAveragesOutAndTheFarthestSampleIsTheSpread) {
    std::vector<PointerSample> hold = {{0, 100, 100},  {100, 98, 100},  {150, 102, 100},
                                       {200, 100, 97}, {250, 100, 103}, {300, 100, 100}};
    TargetFigures figures = MeasureTarget({100, 100}, hold);
    EXPECT_DOUBLE_EQ(figures.meanX, 100);
    EXPECT_DOUBLE_EQ(figures.meanY, 100);
    EXPECT_DOUBLE_EQ(figures.error, 0);
    EXPECT_DOUBLE_EQ(figures.spread, 3);
    EXPECT_EQ(figures.samples, 5);
}

TEST(MeasureTarget, TheSettlingSamplesAreLeftOutEvenAcrossTheClocksWrap) {
    const uint32_t press = 0xFFFFFFC0u;  // the millisecond clock wraps 64 ms into the hold
    std::vector<PointerSample> hold = {{press, 300, 300},
                                       {press + 50, 250, 250},
                                       {press + 99, 240, 240},
                                       {press + 100, 110, 100},
                                       {press + 400, 110, 100}};
    TargetFigures figures = MeasureTarget({100, 100}, hold);
    EXPECT_EQ(figures.samples, 2);
    EXPECT_DOUBLE_EQ(figures.dx, 10);
    EXPECT_DOUBLE_EQ(figures.dy, 0);
}

TEST(Verdict, LimitsAreOneAndTwoPercentOfTheDiagonalInclusive) {
    // 800 x 600: the diagonal is 1000 pixels
    EXPECT_EQ(VerdictFor(10.0, 800, 600), Verdict::Good);
    EXPECT_EQ(VerdictFor(10.001, 800, 600), Verdict::Acceptable);
    EXPECT_EQ(VerdictFor(20.0, 800, 600), Verdict::Acceptable);
    EXPECT_EQ(VerdictFor(20.001, 800, 600), Verdict::Recalibrate);
    // exactly 1 % from a 6, 8 offset
    EXPECT_EQ(CheckedWithOffset(800, 600, 6, 8).summary().verdict, Verdict::Good);
    EXPECT_EQ(CheckedWithOffset(800, 600, 12, 16).summary().verdict, Verdict::Acceptable);
    EXPECT_EQ(CheckedWithOffset(800, 600, 12, 17).summary().verdict, Verdict::Recalibrate);
}

TEST(AccuracyCheckSession, AShortHoldAsksAgainAtTheSameTarget) {
    AccuracyCheck check(1024, 768, 0);
    EXPECT_EQ(AccuracyInstruction(check.retry()), "Touch and hold the centre of the cross");
    check.press(1000, 102, 76);
    EXPECT_EQ(check.release(1299, 102, 76), AccuracyCheck::Release::TooShort);
    EXPECT_EQ(check.targetNumber(), 1);
    EXPECT_EQ(AccuracyInstruction(check.retry()),
              "That touch was too short. Touch and hold the centre of the cross");
    EXPECT_EQ(check.release(1400, 102, 76), AccuracyCheck::Release::Ignored) << "no press";
    check.press(2000, 104, 76);
    EXPECT_EQ(check.release(2300, 104, 76), AccuracyCheck::Release::Recorded);
    EXPECT_EQ(check.targetNumber(), 2);
    EXPECT_FALSE(check.askingAgain()) << "the next target is asked for as usual";
    EXPECT_TRUE(check.target() == (ScreenPoint{512, 76}));
    EXPECT_DOUBLE_EQ(check.figures()[0].dx, 2);
}

TEST(AccuracyCheckSession, AHoldCutOffIsDroppedAndItsTargetAskedForAgain) {
    AccuracyCheck check(1024, 768, 0);
    EXPECT_FALSE(check.holdLost()) << "nothing held, nothing lost";
    EXPECT_FALSE(check.askingAgain());
    check.press(1000, 102, 76);
    check.move(1200, 300, 300);
    EXPECT_TRUE(check.holdLost());
    EXPECT_FALSE(check.pressed());
    EXPECT_FALSE(check.keepsPointer());
    EXPECT_EQ(AccuracyInstruction(check.retry()),
              "That touch was interrupted. Touch and hold the centre of the cross");
    EXPECT_EQ(check.release(1600, 300, 300), AccuracyCheck::Release::Ignored)
        << "the release of the lost hold";
    check.press(2000, 103, 76);
    EXPECT_EQ(check.release(2400, 103, 76), AccuracyCheck::Release::Recorded);
    EXPECT_EQ(check.targetNumber(), 2);
    EXPECT_DOUBLE_EQ(check.figures()[0].dx, 1) << "nothing of the lost hold is kept";
    EXPECT_FALSE(check.askingAgain());
}

TEST(AccuracyCheckSession, ThePointerIsKeptWhileAnyButtonIsHeldAndOnlyThen) {
    AccuracyCheck check(1024, 768, 0);
    check.press(1000, 102, 76, 1);
    check.press(1100, 102, 76, 2);
    EXPECT_EQ(check.release(1400, 102, 76, 1), AccuracyCheck::Release::Recorded)
        << "the first button up ends the hold";
    EXPECT_TRUE(check.keepsPointer()) << "the second button is still down";
    EXPECT_EQ(check.release(1500, 102, 76, 2), AccuracyCheck::Release::Ignored);
    EXPECT_FALSE(check.keepsPointer()) << "a release that ends no hold gives the pointer back";
    // the last target's hold: the result shows while the second button is still down
    AccuracyCheck last(1024, 768, 0);
    for (int i = 0; i < kAccuracyTargets; ++i) {
        uint32_t now = 1000 * uint32_t(i + 1);
        last.press(now, 1, 1, 1);
        last.press(now + 10, 1, 1, 4);
        last.release(now + 400, 1, 1, 1);
    }
    ASSERT_TRUE(last.done());
    EXPECT_TRUE(last.keepsPointer());
    last.release(10000, 1, 1, 4);
    EXPECT_FALSE(last.keepsPointer()) << "the result's buttons take clicks";
    last.restart(20000);
    EXPECT_FALSE(last.keepsPointer());
}

TEST(AccuracyCheckSession, TwentySecondsWithoutATouchIsIdleButAHeldFingerIsNot) {
    AccuracyCheck check(1024, 768, 5000);
    EXPECT_FALSE(check.idle(24999));
    EXPECT_TRUE(check.idle(25000));
    check.press(25000, 102, 76);
    EXPECT_FALSE(check.idle(60000)) << "held";
    check.release(60000, 102, 76);
    EXPECT_FALSE(check.idle(79999));
    EXPECT_TRUE(check.idle(80000));
    check.press(80010, 512, 76);
    check.release(80500, 512, 76);
    EXPECT_FALSE(check.idle(80400)) << "a touch stamped after the clock was read";
}

TEST(AccuracyCheckSession, TheLargestErrorNamesItsTargetAndAgainStartsOver) {
    AccuracyCheck check(1024, 768, 0);
    uint32_t now = 0;
    for (int i = 0; i < kAccuracyTargets; ++i, now += 1000) {
        ScreenPoint at = check.target();
        int off = i == 6 ? 9 : 1;  // target 7 is the worst
        check.press(now, at.x + off, at.y);
        check.release(now + 500, at.x + off, at.y);
    }
    ASSERT_TRUE(check.done());
    AccuracySummary summary = check.summary();
    EXPECT_EQ(summary.largestTarget, 7);
    EXPECT_DOUBLE_EQ(summary.largestError, 9);
    EXPECT_DOUBLE_EQ(summary.meanError, 17.0 / 9);
    check.restart(now);
    EXPECT_EQ(check.targetNumber(), 1);
    EXPECT_TRUE(check.figures().empty());
}

TEST(AccuracyReport, ResultLinesWithAndWithoutMillimetres) {
    std::vector<TargetFigures> figures = CheckedWithOffset(800, 600, 6, 8).figures();
    figures[4].dx = 30;
    figures[4].dy = 40;
    figures[4].error = 50;
    EXPECT_EQ(ResultLines(figures, {800, 600}),
              (std::vector<std::string>{"Mean error: 14.4 px", "Largest error: 50.0 px (target 5)",
                                        "Result: Recalibrate"}));
    // 0.25 mm a pixel on both axes
    EXPECT_EQ(ResultLines(figures, {800, 600, 200, 150}),
              (std::vector<std::string>{"Mean error: 14.4 px (3.6 mm)",
                                        "Largest error: 50.0 px (12.5 mm) (target 5)",
                                        "Result: Recalibrate"}));
}

TEST(AccuracyReport, NamesTheCalibrationFirmwareAndEveryTarget) {
    ReportFacts facts;
    facts.program = "TouchScreen Control Panel #NX-COM";
    facts.version = "7.5.COM";
    facts.when = {2026, 12, 10, 9, 5, 7};
    facts.screen = {1024, 768};
    facts.block = DriverBlock{};
    facts.block.CalXMin = 12;
    facts.block.CalYMax = 1001;
    facts.block.McuVersion = 0x42;
    facts.figures = CheckedWithOffset(1024, 768, 2, -1).figures();
    std::string report = AccuracyReport(facts);
    for (const char* line :
         {"TouchScreen Accuracy Check\r\n",
          "Program: TouchScreen Control Panel #NX-COM 7.5.COM\r\n", "Date: 2026-12-10 09:05:07\r\n",
          "Screen: 1024 x 768 pixels\r\n", "CalXMin=12 ", "CalYMax=1001 ", "MCU-Version=4.2",
          "1       102, 76     104.0, 75.0        2.0    -1.0     2.2     0.0        1\r\n",
          "9       921, 691    923.0, 690.0       2.0    -1.0     2.2     0.0        1\r\n",
          "\r\nMean error: 2.2 px\r\nLargest error: 2.2 px (target 1)\r\nResult: Good\r\n"})
        EXPECT_NE(report.find(line), std::string::npos) << line << "\nin:\n" << report;
    EXPECT_EQ(ReportFileName(facts.when), "Accuracy check 2026-12-10 09-05-07.txt");
}

TEST(AccuracyView, TheCalibrationsCrossOnEachTargetAndTheTextBetweenTheFirstRows) {
    // the calibration's middle targets: one pixel more before the crossing than after it
    EXPECT_TRUE(AccuracyCross({512, 384}) == (CrossMark{495, 512, 527, 367, 384, 399}));
    int top = CheckTextTop(1024, 768, 60);
    EXPECT_EQ(top, (91 + 367 - 60) / 2);
    EXPECT_EQ(TargetProgress(3), "Target 3 of 9");
}

TEST(AccuracyView, ResultMarksScaleTheScreenAndDrawOffsetsFiveTimesInTheirVerdictsColour) {
    std::vector<TargetFigures> figures = CheckedWithOffset(1024, 768, 2, -1).figures();
    figures[8].dx = 20;  // 2 % of the 1280-pixel diagonal is 25.6: acceptable
    figures[8].error = 20;
    std::vector<ResultMark> marks = ResultMarks(figures, 1024, 768, 512, 384);
    ASSERT_EQ(marks.size(), size_t(kAccuracyTargets));
    EXPECT_EQ(marks[4].x, 256);
    EXPECT_EQ(marks[4].y, 192);
    EXPECT_EQ(marks[4].toX, 256 + 5);  // 10 screen pixels to the right, at half the size
    EXPECT_EQ(marks[4].toY, 192 - 3);  // 5 up: the middle of row 379 lands in row 189
    EXPECT_EQ(marks[4].colour, 0x008000u) << "good: green";
    EXPECT_EQ(marks[8].toX, 510);  // 921 + 5 x 20 at half the size
    EXPECT_EQ(marks[8].colour, 0x008CFFu) << "acceptable: orange";
}

TEST(AccuracyView, TheResultPictureKeepsTheScreensShapeAboveTheLinesAndButtons) {
    AccuracyResultInput in{1024, 768, 8, 300, 30, 20, 100, 28, 1024, 768, 1};
    AccuracyResultLayout l = LayOutAccuracyResult(in);
    EXPECT_EQ(l.title.left, 362);
    EXPECT_EQ(l.picture.top, 8 + 30 + 8);
    EXPECT_EQ(l.picture.width - 2, (l.picture.height - 2) * 4 / 3) << "4:3 inside the border";
    EXPECT_EQ(l.picture.left * 2 + l.picture.width, 1024) << "centred";
    const PixelRect& close = l.buttons[2];
    EXPECT_EQ(close.left + close.width, l.picture.left + l.picture.width);
    EXPECT_EQ(l.buttons[1].left + 100 + 8, close.left);
    EXPECT_EQ(l.lines[0].top, l.picture.top + l.picture.height + 8);
    EXPECT_EQ(l.lines[2].top + 20 + 8, 768) << "the lines fill the band to the margin";
    EXPECT_LE(l.lines[0].left + l.lines[0].width + 8, l.buttons[0].left);
}

namespace {

// A base block with a valid header and checksum, its basic size in centimetres and the first
// detailed timing's image size in millimetres.
std::vector<uint8_t> Edid(int widthCm, int heightCm, int widthMm, int heightMm) {
    std::vector<uint8_t> edid(128, 0);
    const uint8_t header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::copy(header, header + 8, edid.begin());
    edid[21] = uint8_t(widthCm);
    edid[22] = uint8_t(heightCm);
    edid[54] = 0x64;  // a pixel clock: the descriptor is a timing
    edid[55] = 0x19;
    edid[66] = uint8_t(widthMm & 0xFF);
    edid[67] = uint8_t(heightMm & 0xFF);
    edid[68] = uint8_t(((widthMm >> 8) << 4) | (heightMm >> 8));
    uint8_t sum = 0;
    for (int i = 0; i < 127; ++i) sum = uint8_t(sum + edid[i]);
    edid[127] = uint8_t(256 - sum);
    return edid;
}

}  // namespace

TEST(MonitorEdid, TheTimingsSizeWhereTheBlockIsValidAndBothSizesAgree) {
    auto size = [](const std::vector<uint8_t>& edid) {
        std::optional<PhysicalSize> found = PhysicalSizeFromEdid(edid.data(), edid.size());
        return found ? std::to_string(found->widthMillimetres) + "x" +
                           std::to_string(found->heightMillimetres)
                     : std::string("none");
    };
    EXPECT_EQ(size(Edid(34, 27, 338, 270)), "338x270");
    EXPECT_EQ(size(Edid(60, 34, 0, 0)), "600x340") << "no size in the timing: the basic one";
    EXPECT_EQ(size(Edid(0, 0, 1209, 680)), "1209x680") << "twelve bits: a large panel";
    EXPECT_EQ(size(Edid(0, 0, 16, 9)), "none") << "an aspect ratio, not a size";
    EXPECT_EQ(size(Edid(34, 27, 476, 268)), "none") << "the two sizes disagree";
    std::vector<uint8_t> broken = Edid(34, 27, 338, 270);
    broken[100] ^= 1;
    EXPECT_EQ(size(broken), "none") << "checksum";
    broken = Edid(34, 27, 338, 270);
    broken[0] = 1;
    broken[127] = uint8_t(broken[127] - 1);
    EXPECT_EQ(size(broken), "none") << "header";
    broken = Edid(34, 27, 338, 270);
    broken.pop_back();
    EXPECT_EQ(size(broken), "none") << "short";
}

TEST(MonitorEdid, TheWholeBlockWithItsExtensionsAndTheSizeAsTheScreenIsTurned) {
    std::vector<uint8_t> edid = Edid(34, 27, 338, 270);
    edid[126] = 2;  // two extension blocks follow; they do not change the base block's sum
    edid[127] = uint8_t(edid[127] - 2);
    edid.resize(384, 0x5A);
    std::optional<PhysicalSize> size = PhysicalSizeFromEdid(edid.data(), edid.size());
    ASSERT_TRUE(size) << "a block longer than 256 bytes";
    auto turned = [&](int width, int height) {
        PhysicalSize as = AsTurned(*size, width, height);
        return std::to_string(as.widthMillimetres) + "x" + std::to_string(as.heightMillimetres);
    };
    EXPECT_EQ(turned(1280, 1024), "338x270");
    EXPECT_EQ(turned(1024, 1280), "270x338") << "turned to portrait";
    EXPECT_EQ(turned(1024, 1024), "338x270") << "a square screen keeps the block's order";
    size = PhysicalSize{270, 338};
    EXPECT_EQ(turned(1280, 1024), "338x270") << "a portrait panel turned to landscape";
    EXPECT_EQ(turned(768, 1024), "270x338");
}

namespace {

// Files in memory; the step named in failAt fails as a full disk would.
class MemoryFiles : public ReportFiles {
public:
    std::map<std::string, std::string> files;
    std::string failAt;

    std::string createBeside(const std::string& target) override {
        if (failAt == "create") return {};
        std::string path = target.substr(0, target.rfind('\\') + 1) + "rpt1.tmp";
        files[path] = "";
        return path;
    }
    bool writeAll(const std::string& path, const std::string& text) override {
        files[path] = failAt == "write" ? text.substr(0, text.size() / 2) : text;
        return failAt != "write";
    }
    bool replace(const std::string& written, const std::string& target) override {
        if (failAt == "replace") return false;
        files[target] = files[written];
        files.erase(written);
        return true;
    }
    void remove(const std::string& path) override { files.erase(path); }
    std::string failure() override { return "There is not enough space on the disk."; }
};

}  // namespace

TEST(ReportSave, TheOldReportStaysWholeUntilTheNewOneIsWritten) {
    const std::string target = "C:\\Users\\u\\Documents\\report.txt";
    for (const char* step : {"create", "write", "replace"}) {
        MemoryFiles disk;
        disk.files[target] = "old report";
        disk.failAt = step;
        std::string reason;
        EXPECT_FALSE(SaveReplacing(disk, target, "new report", reason)) << step;
        EXPECT_EQ(reason, "There is not enough space on the disk.") << step;
        EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{target, "old report"}}))
            << "the old report and nothing beside it, when " << step << " fails";
    }
    MemoryFiles disk;
    disk.files[target] = "old report";
    std::string reason;
    EXPECT_TRUE(SaveReplacing(disk, target, "new report", reason));
    EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{target, "new report"}}));
}
