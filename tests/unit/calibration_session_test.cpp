#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <vector>

#include "calibration_layout.h"
#include "calibration_session.h"
#include "question_countdown.h"
#include "calibration_test_support.h"
#include "driver_requests.h"

namespace {

// A touch driver with a finger the test moves: every read while the finger is down is a new
// sample, from the queued positions first and then the finger's resting place.
class FakeTouchDriver : public DriverPort {
public:
    std::vector<uint32_t> requests;  // every request but the touch reads
    std::vector<int32_t> states;
    std::vector<DriverBlock> blocksSent;
    int16_t smiWord = 0;
    bool freezeCounter = false;

    void touch(int16_t x, int16_t y) {
        down_ = true;
        x_ = x;
        y_ = y;
    }
    void lift() { down_ = false; }
    void queueSamples(std::initializer_list<RawPoint> samples) {
        samples_.insert(samples_.end(), samples.begin(), samples.end());
    }

    bool transact(uint32_t code, void* buffer, uint32_t) override {
        if (code == IOCTL_READ_TOUCH) {
            TouchReport report{x_, y_, 0, 0, counter_};
            if (down_) {
                if (!samples_.empty()) {
                    report.X = samples_.front().X;
                    report.Y = samples_.front().Y;
                    samples_.pop_front();
                }
                report.Flags = kTouchedFlag;
                if (!freezeCounter) report.Counter = ++counter_;
            }
            std::memcpy(buffer, &report, sizeof report);
            return true;
        }
        requests.push_back(code);
        if (code == IOCTL_SET_CALIBRATION_STATE)
            states.push_back(static_cast<CalibrationStateCommand*>(buffer)->State);
        if (code == IOCTL_GET_SMI_WINDOW) {
            WindowRecord record{0x1234, smiWord, 0};
            std::memcpy(buffer, &record, sizeof record);
        }
        if (code == IOCTL_SET_BUTTON_MODE || code == IOCTL_SET_CALIBRATION)
            blocksSent.push_back(*static_cast<DriverBlock*>(buffer));
        return true;
    }

private:
    bool down_ = false;
    int16_t x_ = 0, y_ = 0;
    int16_t counter_ = 0;
    std::deque<RawPoint> samples_;
};

DriverBlock ScreenBlock() {
    DriverBlock block{};
    block.ComPort = 1;
    block.ButtonMode = 1;
    block.ScreenWidth = 1024;
    block.ScreenHeight = 768;
    block.CalXMin = 10;
    block.CalXMid = 500;
    block.CalXMax = 1000;
    block.CalYMin = 20;
    block.CalYMid = 510;
    block.CalYMax = 990;
    block.PanelDirection = 0;
    return block;
}

// One pass of the window's loop: a read, then what it means.
void Pass(CalibrationSession& session) {
    session.readTouch();
    session.decide();
}

// Touches the current target at one spot, holds it still through a hold period and lifts.
void Collect(CalibrationSession& session, FakeTouchDriver& driver, RawPoint at) {
    driver.touch(at.X, at.Y);
    Pass(session);
    ASSERT_EQ(session.phase(), CalibrationPhase::Holding);
    for (int i = 0; i < kStillReadingsNeeded; ++i) Pass(session);
    session.holdTimerEnded();
    Pass(session);
    ASSERT_EQ(session.phase(), CalibrationPhase::WaitingForLiftOff);
    driver.lift();
    Pass(session);
}

struct Scenario {
    FakeTouchDriver driver;
    DriverBlock block = ScreenBlock();
    CalibrationSession session{driver, block};

    Scenario() = default;
    explicit Scenario(int mode) { start(mode); }
    void start(int mode) {
        session.load();
        session.begin(mode);
    }
    void collectAll(const CalibrationReadings& readings) {
        for (const RawPoint& point : readings) Collect(session, driver, point);
    }
};

}  // namespace

TEST(CalibrationTexts, PromptsAndTheFinalQuestion) {
    EXPECT_EQ(ResolutionText(1024, 768), "Resolution: 1024 X 768");
    EXPECT_EQ(TouchPromptSecondLine("DOWN-LEFT"), "show on the DOWN-LEFT of the screen");
    EXPECT_EQ(LiftOffPrompt("NEXT STEP!"), "PLEASE LIFT OFF TO NEXT STEP!");
    std::string question = CompletionQuestion();
    EXPECT_EQ(question,
              "CALIBRATION IS COMPLETE.\r\rFor test, touch on the screen and check cursor "
              "position.\rTo save new calibration, click Yes button.\rTo restore old "
              "calibration, click No button.");
    EXPECT_EQ(question.find('\n'), std::string::npos) << "carriage returns alone";
}

TEST(CalibrationQuestionCountdown, FifteenWholeSecondsRoundedUpThenTheTimeIsOut) {
    QuestionCountdown countdown(1000);
    EXPECT_EQ(countdown.secondsLeft(1000), 15u);
    EXPECT_EQ(countdown.secondsLeft(1001), 15u);
    EXPECT_EQ(countdown.secondsLeft(2000), 14u);
    EXPECT_EQ(countdown.secondsLeft(15999), 1u);
    EXPECT_FALSE(countdown.expired(15999));
    EXPECT_TRUE(countdown.expired(16000));
    EXPECT_EQ(countdown.secondsLeft(90000), 0u);
    EXPECT_EQ(CountdownText(9), "The old calibration returns in 9 s.");
}

TEST(CalibrationRun, FourCornersGiveTheComputedCalibrationAndStateFiveEach) {
    Scenario run(0);
    EXPECT_EQ(run.session.screen().resolution, "Resolution: 1024 X 768");
    EXPECT_EQ(run.session.phase(), CalibrationPhase::WaitingForTouch);
    EXPECT_EQ(run.session.currentTarget(), 1);
    EXPECT_EQ(run.session.screen().touchPrompt[1], "show on the TOP-LEFT of the screen");
    run.collectAll(kCorners);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::Finished);
    EXPECT_EQ(run.session.end(), CalibrationEnd::Ready);
    EXPECT_EQ(run.session.newCalibration().edges, kCornersOn1024x768);
    EXPECT_EQ(run.session.newCalibration().PanelDirection, 0);
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{5, 5, 5, 5}));
    for (int target = 1; target <= 4; ++target)
        EXPECT_EQ(run.session.reading(target), kCorners[size_t(target - 1)]) << target;
    EXPECT_TRUE(run.driver.blocksSent.empty()) << "nothing is applied before the result";

    run.session.applyNewCalibration();
    run.session.announceEnd();
    ASSERT_EQ(run.driver.blocksSent.size(), 1u);
    EXPECT_EQ(CalibrationOf(run.driver.blocksSent[0]).edges, kCornersOn1024x768);
    EXPECT_EQ(CalibrationOf(run.block).edges, kCornersOn1024x768) << "the program's copy";
    EXPECT_FALSE(run.session.screen().surfaceShown);
    EXPECT_EQ(run.driver.states.back(), 0);
}

TEST(CalibrationRun, AnswerNoSendsTheSavedCalibrationBackEvenWhenEqual) {
    Scenario run(0);
    run.collectAll(kCorners);
    run.session.applyNewCalibration();
    run.session.restoreOldCalibration();
    ASSERT_EQ(run.driver.blocksSent.size(), 2u);
    Calibration restored = CalibrationOf(run.driver.blocksSent[1]);
    EXPECT_EQ(restored.edges, (CalibrationEdges{10, 500, 1000, 20, 510, 990}));
    EXPECT_EQ(restored.PanelDirection, 0);

    Scenario same;  // a calibration that comes out exactly as the one in force
    StoreCalibration(same.block, {kCornersOn1024x768, 0});
    same.start(0);
    same.collectAll(kCorners);
    same.session.applyNewCalibration();
    same.session.restoreOldCalibration();
    EXPECT_EQ(same.driver.blocksSent.size(), 2u) << "sent back although nothing changed";
}

TEST(CalibrationRun, EdgeModeCollectsTopRightDownLeft) {
    Scenario run(1);
    std::vector<std::string> prompts;
    for (const RawPoint& point : kEdgeMiddles) {
        prompts.push_back(run.session.screen().touchPrompt[1]);
        Collect(run.session, run.driver, point);
    }
    EXPECT_EQ(prompts, (std::vector<std::string>{
                           "show on the TOP of the screen", "show on the RIGHT of the screen",
                           "show on the DOWN of the screen", "show on the LEFT of the screen"}));
    EXPECT_EQ(run.session.end(), CalibrationEnd::Ready);
    EXPECT_EQ(run.session.newCalibration().edges, kEdgeMiddlesOn1024x768);
    EXPECT_EQ(run.session.reading(5), kEdgeMiddles[0]);
    EXPECT_EQ(run.session.reading(1), (RawPoint{0, 0})) << "corner readings stay cleared";
}

TEST(CalibrationRun, AFingerAlreadyDownIsWaitedForWithStateThree) {
    Scenario run;
    run.driver.touch(300, 300);
    run.start(0);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::InitialLiftOff);
    EXPECT_EQ(run.session.screen().liftOffPrompt, "PLEASE LIFT OFF TO START CALIBRATION!");
    EXPECT_TRUE(run.session.screen().liftOffPromptShown);
    EXPECT_FALSE(run.session.screen().touchPromptShown);
    EXPECT_TRUE(run.session.screen().touchIndicator);
    EXPECT_EQ(run.session.screen().crosses, 0) << "no cross before the lift";
    EXPECT_FALSE(run.session.screen().actionShown()) << "nor a label beside one";
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{3}));
    for (int i = 0; i < 50; ++i) Pass(run.session);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::InitialLiftOff) << "no time limit";
    run.driver.lift();
    Pass(run.session);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::WaitingForTouch);
    EXPECT_FALSE(run.session.screen().touchIndicator);
    EXPECT_EQ(run.session.screen().crosses, 1 << 1);
    EXPECT_TRUE(run.session.screen().actionShown());
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{3})) << "state 3 once, not every pass";
}

TEST(CalibrationRun, ABreakConfirmedWhileTheFirstFingerStaysDownEndsTheRun) {
    Scenario run;
    run.driver.touch(300, 300);
    run.start(0);
    ASSERT_TRUE(run.session.escape());
    run.session.answerBreak(true);
    Pass(run.session);
    EXPECT_EQ(run.session.end(), CalibrationEnd::Broken) << "the user is never held captive";
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{3, 0})) << "Esc's 0; no target to break";

    Scenario quitting;  // the program ending while the finger stays down
    quitting.driver.touch(300, 300);
    quitting.start(0);
    quitting.session.quit();
    Pass(quitting.session);
    EXPECT_EQ(quitting.session.phase(), CalibrationPhase::Finished);
}

TEST(CalibrationHold, TheReadingIsTheFlooredAverageOfFourStillSamples) {
    Scenario run(0);
    run.driver.queueSamples({{100, 80}, {101, 81}, {104, 84}, {102, 82}, {103, 80}, {90, 90}});
    run.driver.touch(102, 82);
    Pass(run.session);  // (100, 80) is the reference
    EXPECT_EQ(run.session.screen().action, "HOLD");
    EXPECT_TRUE(run.session.screen().touchIndicator);
    EXPECT_FALSE(run.session.idleTimer().on) << "the idle bar stops while the finger rests";
    EXPECT_EQ(run.session.screen().idleBarFilled, 0);
    // (104, 84) is just inside the four units; (90, 90) comes after the fourth and is ignored
    for (int i = 0; i < 5; ++i) Pass(run.session);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::Holding) << "the hold lasts its 500 ms";
    run.session.holdTimerEnded();
    Pass(run.session);
    // (101 + 104 + 102 + 103) / 4 = 102.5 and (81 + 84 + 82 + 80) / 4 = 81.75
    EXPECT_EQ(run.session.reading(1), (RawPoint{102, 81}));
    EXPECT_EQ(run.session.screen().action, "LIFT-OFF");
    EXPECT_EQ(run.session.screen().liftOffPrompt, "PLEASE LIFT OFF TO NEXT STEP!");
    EXPECT_EQ(run.session.screen().crosses, 0) << "the cross is erased";
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{5}));
    run.driver.lift();
    Pass(run.session);
    EXPECT_EQ(run.session.currentTarget(), 2);
    EXPECT_EQ(run.session.screen().action, "TOUCH");
}

TEST(CalibrationHold, AWanderingFingerNeverGivesAReadingAndStateThreeFollowsEachHold) {
    Scenario run(0);
    run.driver.touch(500, 500);
    Pass(run.session);
    unsigned holdsBefore = run.session.holdTimer().starts;
    for (int round = 0; round < 3; ++round) {
        // each sample 5 raw units from the one before: always a new reference
        for (int16_t i = 1; i <= 6; ++i)
            run.driver.queueSamples({{int16_t(500 + 5 * (i + 6 * round)), 500}});
        for (int i = 0; i < 6; ++i) Pass(run.session);
        run.session.holdTimerEnded();
        Pass(run.session);
        EXPECT_EQ(run.session.phase(), CalibrationPhase::Holding) << "round " << round;
        EXPECT_TRUE(run.session.holdTimer().on) << "the hold starts again";
    }
    EXPECT_EQ(run.session.holdTimer().starts, holdsBefore + 3);
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{3, 3, 3}));
}

TEST(CalibrationHold, RepeatedSamplesAreCountedOnce) {
    Scenario run(0);
    run.driver.touch(200, 200);
    Pass(run.session);
    run.driver.freezeCounter = true;
    for (int i = 0; i < 10; ++i) Pass(run.session);
    run.session.holdTimerEnded();
    Pass(run.session);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::Holding) << "one sample is not four";
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{3}));
}

TEST(CalibrationHold, LiftingEarlyShowsTheSameTargetAgainWithAFreshIdleBar) {
    Scenario run(0);
    for (int i = 0; i < 5; ++i) run.session.idleTick();
    EXPECT_EQ(run.session.screen().idleBarFilled, 5);
    unsigned idleStarts = run.session.idleTimer().starts;
    run.driver.touch(100, 100);
    Pass(run.session);
    Pass(run.session);
    Pass(run.session);
    run.driver.lift();
    Pass(run.session);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::WaitingForTouch);
    EXPECT_EQ(run.session.currentTarget(), 1);
    EXPECT_EQ(run.session.screen().action, "TOUCH");
    EXPECT_FALSE(run.session.screen().touchIndicator);
    EXPECT_EQ(run.session.screen().crosses, 1 << 1);
    EXPECT_TRUE(run.session.idleTimer().on);
    EXPECT_EQ(run.session.idleTimer().starts, idleStarts + 1);
    EXPECT_EQ(run.session.screen().idleBarFilled, 0);
    // the two samples of the first touch are dropped: four new ones are needed
    run.driver.touch(100, 100);
    Pass(run.session);
    Pass(run.session);
    Pass(run.session);
    run.session.holdTimerEnded();
    Pass(run.session);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::Holding);
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{3}));
}

TEST(CalibrationIdle, TwentySecondsWithoutATouchBreakTheRunSilently) {
    Scenario run(0);
    Collect(run.session, run.driver, kCorners[0]);
    for (int tick = 0; tick < kIdleSteps - 1; ++tick) {
        run.session.idleTick();
        Pass(run.session);
    }
    EXPECT_EQ(run.session.screen().idleBarFilled, 19);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::WaitingForTouch);
    run.session.idleTick();
    EXPECT_FALSE(run.session.idleTimer().on);
    Pass(run.session);
    EXPECT_EQ(run.session.end(), CalibrationEnd::Broken);
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{5, 4}));
    EXPECT_TRUE(run.driver.blocksSent.empty()) << "the calibration is unchanged";
}

TEST(CalibrationEscape, NoHidesAndRestoresTheTargetYesBreaksWithStateFour) {
    Scenario run(0);
    run.session.idleTick();
    ASSERT_TRUE(run.session.escape());
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{0}));
    EXPECT_EQ(run.session.screen().crosses, 0);
    EXPECT_FALSE(run.session.screen().helpShown);
    EXPECT_FALSE(run.session.screen().actionShown());
    EXPECT_FALSE(run.session.idleTimer().on);
    EXPECT_EQ(run.session.screen().idleBarFilled, 0);
    EXPECT_FALSE(run.session.escape()) << "one question at a time";
    run.session.answerBreak(false);
    EXPECT_TRUE(run.session.screen().helpShown);
    EXPECT_EQ(run.session.screen().crosses, 1 << 1);
    EXPECT_TRUE(run.session.idleTimer().on);
    Pass(run.session);
    EXPECT_EQ(run.session.phase(), CalibrationPhase::WaitingForTouch);

    ASSERT_TRUE(run.session.escape());
    run.session.answerBreak(true);
    Pass(run.session);
    EXPECT_EQ(run.session.end(), CalibrationEnd::Broken);
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{0, 0, 4}));
}

TEST(CalibrationEscape, NoDuringALiftOffDrawsTheCrossAgainAndRestartsTheIdleBar) {
    Scenario run(0);
    run.driver.touch(100, 80);
    for (int i = 0; i < 5; ++i) Pass(run.session);
    run.session.holdTimerEnded();
    Pass(run.session);
    ASSERT_EQ(run.session.phase(), CalibrationPhase::WaitingForLiftOff);
    ASSERT_TRUE(run.session.escape());
    run.session.answerBreak(false);
    EXPECT_EQ(run.session.screen().crosses, 1 << 1);
    EXPECT_TRUE(run.session.idleTimer().on);
    for (int tick = 0; tick < kIdleSteps; ++tick) run.session.idleTick();
    Pass(run.session);
    EXPECT_EQ(run.session.end(), CalibrationEnd::Broken) << "the finger never lifted";
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{5, 0, 4}));
}

TEST(CalibrationBreakOff, TheRunEndsAsEscYesAndAnUnconfirmedCalibrationComesBackOnce) {
    Scenario run(0);
    Collect(run.session, run.driver, kCorners[0]);
    run.session.breakOff();
    run.session.breakOff();
    Pass(run.session);
    EXPECT_EQ(run.session.end(), CalibrationEnd::Broken);
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{5, 0, 4}));
    EXPECT_TRUE(run.driver.blocksSent.empty()) << "the old calibration stays";

    Scenario asked(0);  // the break question's No cannot keep a run the screen was taken from
    ASSERT_TRUE(asked.session.escape());
    asked.session.breakOff();
    asked.session.answerBreak(false);
    Pass(asked.session);
    EXPECT_EQ(asked.session.end(), CalibrationEnd::Broken);
    EXPECT_EQ(asked.driver.states, (std::vector<int32_t>{0, 4}));

    Scenario question(0);
    question.collectAll(kCorners);
    question.session.applyNewCalibration();
    question.session.breakOff();
    EXPECT_EQ(CalibrationOf(question.block).edges, (CalibrationEdges{10, 500, 1000, 20, 510, 990}));
    question.session.keepNewCalibration();  // the question's answer, whatever it is, comes late
    question.session.restoreOldCalibration();
    question.session.applyNewCalibration();
    EXPECT_EQ(question.driver.blocksSent.size(), 2u) << "applied, then restored once";
}

TEST(CalibrationEscape, IgnoredBeforeAndAfterTheRun) {
    Scenario run;
    run.session.load();
    EXPECT_FALSE(run.session.escape());
    run.start(0);
    run.collectAll(kCorners);
    EXPECT_FALSE(run.session.escape());
    EXPECT_EQ(run.driver.states, (std::vector<int32_t>{5, 5, 5, 5}));
}

TEST(CalibrationOutcome, AModeOutsideTheListIsRefusedWithoutTouchingTheDriver) {
    Scenario run(2);
    EXPECT_EQ(run.session.end(), CalibrationEnd::UnsupportedMode);
    EXPECT_EQ(run.session.endMessage(), "Fail to calibration! ( mode 2 not support )");
    EXPECT_TRUE(run.driver.states.empty());
    EXPECT_EQ(run.driver.requests, (std::vector<uint32_t>{IOCTL_GET_SMI_WINDOW}));
}

TEST(CalibrationOutcome, NarrowReadingsAreInvalidAndNothingIsSent) {
    Scenario run(0);
    run.collectAll({{{400, 400}, {600, 400}, {600, 600}, {400, 600}}});
    EXPECT_EQ(run.session.end(), CalibrationEnd::InvalidResult);
    EXPECT_EQ(run.session.endTitle(), "Touchscreen Calibration");
    EXPECT_EQ(run.session.endMessage(),
              "Invalid Result of Calibration! (1234)\r\n\r\nIt may be cause by that you have "
              "calibrated with touch on invalid position.");
    EXPECT_TRUE(run.driver.blocksSent.empty());
}

TEST(CalibrationOutcome, OneSpotForAllTargetsIsAnIncorrectPanelDirection) {
    Scenario run(0);
    run.collectAll({{{600, 600}, {600, 600}, {600, 600}, {600, 600}}});
    EXPECT_EQ(run.session.end(), CalibrationEnd::IncorrectPanelDirection);
    EXPECT_EQ(run.session.endMessage(),
              "Incorrect Panel Direction! (11111111-11111111)\r\n\r\nPlease checkout the pinout "
              "of your touch panel.");
    EXPECT_TRUE(run.driver.blocksSent.empty());
}

TEST(CalibrationOutcome, TheRotationComesFromTheSmiRecordAndOddCodesCountAsNone) {
    for (int16_t word : {int16_t(7), int16_t(-1), int16_t(4)}) {
        Scenario run;
        run.driver.smiWord = word;
        run.start(0);
        EXPECT_EQ(run.session.rotation(), 0) << word;
    }
    Scenario rotated;
    rotated.driver.smiWord = 2;
    rotated.start(0);
    EXPECT_EQ(rotated.session.rotation(), 2);
    rotated.collectAll(kCorners);
    EXPECT_NE(rotated.session.end(), CalibrationEnd::IncorrectPanelDirection);
    EXPECT_EQ(rotated.session.newCalibration().PanelDirection, 6)
        << "10110100 is unknown; swapped it reads 01111000";
}

TEST(CalibrationRightButton, AutomaticSwitchingIsTurnedOffAndBackOn) {
    Scenario run;
    run.block.RightButtonEnable = 1;
    run.block.ButtonMode = 4;
    run.block.RightButtonAuto = 1;
    EXPECT_EQ(run.session.load(), RightButtonStep::BlockSent);
    ASSERT_EQ(run.driver.blocksSent.size(), 1u);
    EXPECT_EQ(run.driver.blocksSent[0].RightButtonAuto, 0);
    EXPECT_EQ(run.driver.requests.back(), uint32_t(IOCTL_SET_BUTTON_MODE));
    EXPECT_EQ(run.session.unload(), RightButtonStep::BlockSent);
    ASSERT_EQ(run.driver.blocksSent.size(), 2u);
    EXPECT_EQ(run.driver.blocksSent[1].RightButtonAuto, 1);
    EXPECT_EQ(run.session.unload(), RightButtonStep::None) << "given back once";
}

TEST(CalibrationRightButton, OtherwiseTheToolIsHiddenOrNothingHappens) {
    struct Case {
        uint8_t enable, mode, automatic;
        RightButtonStep step;
    } cases[] = {{1, 4, 0, RightButtonStep::NotifyTool},
                 {1, 2, 1, RightButtonStep::NotifyTool},
                 {0, 4, 1, RightButtonStep::None},
                 {2, 4, 1, RightButtonStep::None}};
    for (const Case& c : cases) {
        Scenario run;
        run.block.RightButtonEnable = c.enable;
        run.block.ButtonMode = c.mode;
        run.block.RightButtonAuto = c.automatic;
        EXPECT_EQ(run.session.load(), c.step) << int(c.enable) << int(c.mode) << int(c.automatic);
        EXPECT_EQ(run.session.unload(), c.step);
        EXPECT_TRUE(run.driver.requests.empty());
    }
    Scenario never;
    never.block.RightButtonEnable = 1;
    EXPECT_EQ(never.session.unload(), RightButtonStep::None) << "no load, nothing to give back";
}
