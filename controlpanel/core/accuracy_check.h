// The accuracy check: nine targets the calibration did not use, the pointer positions Windows
// reports while each is held, and what they say about the calibrated screen.
#pragma once

#include <stdint.h>

#include <array>
#include <vector>

constexpr int kAccuracyTargets = 9;
constexpr uint32_t kSettleMilliseconds = 100;  // the finger settles: samples left out
constexpr uint32_t kShortestHoldMilliseconds = 300;
constexpr uint32_t kAccuracyIdleMilliseconds = 20000;

struct ScreenPoint {
    int x;
    int y;
    bool operator==(const ScreenPoint& other) const { return x == other.x && y == other.y; }
};

// A pointer position and the time it was reported, in milliseconds of a clock that may wrap.
struct PointerSample {
    uint32_t time;
    int x;
    int y;
};

// The 3 x 3 grid at 10 %, 50 % and 90 % of the screen, whole pixels rounded down, row by row
// from the top left.
std::array<ScreenPoint, kAccuracyTargets> AccuracyTargets(int screenWidth, int screenHeight);

struct TargetFigures {
    ScreenPoint target{0, 0};
    double meanX = 0, meanY = 0;
    double dx = 0, dy = 0;  // mean position minus target
    double error = 0;       // the length of (dx, dy)
    double spread = 0;      // the largest distance of a sample from the mean
    int samples = 0;
};

// A hold from its press (the first sample) to its release (the last); samples within the
// settling time after the press are left out.
TargetFigures MeasureTarget(ScreenPoint target, const std::vector<PointerSample>& hold);

enum class Verdict { Good, Acceptable, Recalibrate };

// Against the screen's diagonal: up to 1 % good, up to 2 % acceptable.
Verdict VerdictFor(double error, int screenWidth, int screenHeight);
const char* VerdictName(Verdict verdict);

struct AccuracySummary {
    double meanError = 0;
    double largestError = 0;
    int largestTarget = 0;  // 1..9, the first of equal ones
    Verdict verdict = Verdict::Good;
};

AccuracySummary Summarise(const std::vector<TargetFigures>& figures, int screenWidth,
                          int screenHeight);

// The check as the user goes through it: one target at a time, a hold too short asks again.
class AccuracyCheck {
public:
    AccuracyCheck(int screenWidth, int screenHeight, uint32_t now);

    enum class Release { Recorded, TooShort, Ignored };
    // Why the current target is asked for again.
    enum class Retry { None, TooShort, Interrupted };

    // button: one bit per mouse button (left 1, right 2, middle 4); the first button down
    // begins a hold, the first one up ends it.
    void press(uint32_t time, int x, int y, int button = 1);
    void move(uint32_t time, int x, int y);
    Release release(uint32_t time, int x, int y, int button = 1);
    // The pointer was taken away mid-hold (another window took it, the window lost the
    // foreground): the hold is dropped and its target asked for again. True when one was.
    bool holdLost();
    // Starts over at target 1, as "Again" does.
    void restart(uint32_t now);

    bool done() const { return int(figures_.size()) == kAccuracyTargets; }
    bool pressed() const { return !hold_.empty(); }
    // The window keeps the pointer while any button is held, and only then: a release that
    // ends no hold must still give it back.
    bool keepsPointer() const { return buttonsHeld_ != 0; }
    // The last hold was too short or cut off and the current target waits for another.
    bool askingAgain() const { return retry_ != Retry::None; }
    Retry retry() const { return retry_; }
    int targetNumber() const { return int(figures_.size()) + 1; }  // 1..9 while not done
    ScreenPoint target() const;
    // No touch for the idle time: the check is abandoned. A touch stamped a little after the
    // clock reading asked about is no idle time at all.
    bool idle(uint32_t now) const;

    int screenWidth() const { return width_; }
    int screenHeight() const { return height_; }
    const std::array<ScreenPoint, kAccuracyTargets>& targets() const { return targets_; }
    const std::vector<TargetFigures>& figures() const { return figures_; }
    AccuracySummary summary() const { return Summarise(figures_, width_, height_); }

private:
    int width_;
    int height_;
    std::array<ScreenPoint, kAccuracyTargets> targets_;
    std::vector<TargetFigures> figures_;
    std::vector<PointerSample> hold_;
    uint32_t lastTouch_;
    int buttonsHeld_ = 0;
    Retry retry_ = Retry::None;
};
