// The calibration window's decisions: the run from the first lift-off to the result, what the
// window shows at each moment, and what it sends to the driver and when. The window reads a
// touch report, lets its events run, then asks decide() what the report means.
#pragma once

#include <stdint.h>

#include <array>
#include <string>

#include "calibration_computation.h"
#include "calibration_types.h"
#include "driver_port.h"
#include "driver_records.h"

// The question boxes' title; the error boxes use kCalibrationErrorTitle, spelt otherwise.
constexpr char kCalibrationQuestionTitle[] = "TouchScreen Calibration";
constexpr char kBreakQuestion[] = "Are you sure you want to break calibration?";
constexpr char kTouchPromptFirstLine[] = "Please touch on the center of Cross Mark that";

// "Resolution: 1024 X 768"
std::string ResolutionText(int width, int height);
// "show on the TOP-LEFT of the screen"
std::string TouchPromptSecondLine(const std::string& targetName);
// "PLEASE LIFT OFF TO NEXT STEP!"
std::string LiftOffPrompt(const std::string& text);
// Lines end with a carriage return alone, as the box has always shown them.
std::string CompletionQuestion();

// Between two touch reads the window waits this long for messages: an unpaused poll keeps
// most of a core busy under Wine, and a finger needs far longer than this to move.
constexpr unsigned kTouchPollMs = 10;

constexpr int kStillReadingsNeeded = 4;
constexpr int kStillTolerance = 4;  // raw units from the reference point, each axis

// Calibration state commands.
constexpr int32_t kStateNormal = 0;
constexpr int32_t kStateNotStill = 3;
constexpr int32_t kStateBroken = 4;
constexpr int32_t kStateReadingTaken = 5;

enum class CalibrationPhase {
    NotStarted,
    InitialLiftOff,   // a finger was on the screen when the run began
    WaitingForTouch,  // a cross is shown and the idle bar fills
    Holding,          // the finger rests while still readings are gathered
    WaitingForLiftOff,
    Finished,
};

enum class CalibrationEnd {
    None,    // still running
    Broken,  // Esc answered Yes, the idle limit, or the program ending; no message
    UnsupportedMode,
    IncorrectPanelDirection,
    InvalidResult,
    Ready,  // a new calibration to send and to ask about
};

// What the window shows; render() writes every control from it.
struct CalibrationScreen {
    std::string resolution = "Resolution: 1280 X 1024";
    // picMesg: the two-line touch prompt and the one-line lift-off prompt
    bool touchPromptShown = true;
    std::string touchPrompt[2] = {kTouchPromptFirstLine,
                                  "show on the TOP-LEFT coner of the screen"};
    bool liftOffPromptShown = true;
    std::string liftOffPrompt = "Please lift off from TouchScreen to start calibration";
    bool touchIndicator = false;   // picStat yellow
    std::string action = "TOUCH";  // LabelAction
    int actionTarget = 0;          // the cross LabelAction was last placed beside
    uint16_t crosses = 0;          // bit n: the cross of target n is drawn
    bool idleBarFramed = false;
    int idleBarFilled = 0;     // red steps on the bar
    bool helpShown = true;     // picMesg, lblHelp and LabelAction, hidden while Esc asks
    bool surfaceShown = true;  // picCalibration, hidden while the result is asked about

    // LabelAction has no place of its own until a cross puts it beside itself.
    bool actionShown() const { return helpShown && actionTarget != 0; }
};

struct TimerState {
    bool on = false;
    unsigned starts = 0;  // each start counts the full interval again
};

// How the right-button function is suspended for the run and given back after it.
enum class RightButtonStep {
    None,        // the function is off
    BlockSent,   // automatic switching was changed with IOCTL_SET_BUTTON_MODE
    NotifyTool,  // the tool's window is to be hidden (load) or shown (unload)
};

class CalibrationSession {
public:
    CalibrationSession(DriverPort& driver, DriverBlock& block);

    // Load: the screen size from the block and the right-button function suspended.
    RightButtonStep load();
    // Unload: the right-button function back as it was; nothing when load() never ran.
    RightButtonStep unload();

    // The run's start: readings cleared, the rotation asked for, the calibration in force
    // saved, and the first report read. mode is the calibration list's index.
    void begin(int mode);
    void readTouch();
    void decide();

    void holdTimerEnded();
    void idleTick();
    // Esc: true when the break question is to be asked now; answerBreak gives its answer.
    bool escape();
    void answerBreak(bool breakOff);
    // The program is ending: every wait ends as broken.
    void quit();
    // The screen is taken from the user (a lock, a log-off, a display change): the run breaks
    // off as Esc answered Yes does, and a calibration not yet confirmed is taken back now.
    void breakOff();
    bool brokenOff() const { return forced_; }

    // The result, once finished: applied, then either kept or restored, once.
    void applyNewCalibration();
    void announceEnd();
    void keepNewCalibration();
    void restoreOldCalibration();

    CalibrationPhase phase() const { return phase_; }
    CalibrationEnd end() const { return end_; }
    const std::string& endTitle() const { return endTitle_; }
    const std::string& endMessage() const { return endMessage_; }
    const CalibrationScreen& screen() const { return screen_; }
    const TimerState& idleTimer() const { return idleTimer_; }
    const TimerState& holdTimer() const { return holdTimer_; }
    int currentTarget() const { return current_; }
    bool breakRequested() const { return break_; }
    int rotation() const { return rotation_; }
    RawPoint reading(int target) const { return readings_.at(size_t(target)); }
    const Calibration& savedCalibration() const { return saved_; }
    const Calibration& newCalibration() const { return new_; }
    ScreenSize screenSize() const { return screenSize_; }

private:
    void sendState(int32_t state);
    void startMode();
    void waitForTouch();
    void startHold();
    void holdStep();
    void takeReading();
    void nextTarget();
    void compute();
    void endBroken();
    void finish(CalibrationEnd end, std::string title = {}, std::string message = {});
    void showTouchPrompt(const std::string& name);
    void showLiftOffPrompt(const std::string& text);
    void showCross(int target, bool shown);
    void startIdleBar();
    void stopIdleBar();
    void startHoldTimer();
    bool touched() const { return (report_.Flags & kTouchedFlag) != 0; }

    DriverPort& driver_;
    DriverBlock& block_;
    bool loaded_ = false;
    uint8_t rememberedAuto_ = 0;
    ScreenSize screenSize_{0, 0};
    int mode_ = 0;
    WindowRecord smiWindow_{kNoWindow, 0, 0};
    int rotation_ = 0;
    Calibration saved_{};
    Calibration new_{};
    CalibrationPhase phase_ = CalibrationPhase::NotStarted;
    CalibrationEnd end_ = CalibrationEnd::None;
    std::string endTitle_;
    std::string endMessage_;
    CalibrationScreen screen_;
    TimerState idleTimer_;
    TimerState holdTimer_;
    TouchReport report_{};
    bool break_ = false;
    bool forced_ = false;   // broken off by the session or the display, whatever is answered
    bool applied_ = false;  // the new calibration is in the driver
    bool settled_ = false;  // kept or restored
    bool asking_ = false;
    size_t targetNumber_ = 0;  // 0..3 within the mode
    int current_ = 0;
    std::array<RawPoint, 26> readings_{};  // indexed by target, 1..25 as the design has them
    RawPoint reference_{};
    int16_t lastCounter_ = 0;
    int still_ = 0;
    int idleSteps_ = 0;  // steps since the bar was last started
    std::array<RawPoint, kStillReadingsNeeded> stillReadings_{};
};
