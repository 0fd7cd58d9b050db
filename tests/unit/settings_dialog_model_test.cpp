#include <gtest/gtest.h>

#include "settings_fakes.h"
#include "sleep_time_model.h"

namespace {

// The program's copy as read at start: the same as the driver's.
struct Program {
    SimDriverPort driver;
    DriverBlock block{};
    Program() {
        block.ComPort = 1;
        block.SleepTime = 6;
        block.SpeedH = 10;
        driver.putBlock(block);
    }
};

}  // namespace

TEST(SettingsDialogPattern, ApplySendsTheWholeBlockAndKeepsTheDriversAnswer) {
    Program program;
    program.driver.change([](DriverBlock& held) {
        held.Level = 9;
    });                            // the driver's own state moved on since the block was read
    program.block.McuMode = 0x33;  // and the program's copy holds something stale
    SleepTimeModel model(program.block, program.driver);
    model.barChanged(12);
    ASSERT_TRUE(model.applyEnabled());
    model.apply();
    ASSERT_EQ(program.driver.sent().size(), 1u);
    const auto sent = program.driver.sent()[0];
    EXPECT_EQ(sent.code, uint32_t(IOCTL_SET_SLEEP_TIME));
    EXPECT_EQ(sent.block.SleepTime, 12) << "the field went with the block";
    EXPECT_EQ(sent.block.McuMode, 0x33) << "the rest of the program's copy went as it stood";
    EXPECT_EQ(program.block.Level, 9) << "the answer replaced the program's copy";
    EXPECT_EQ(program.block.McuMode, 0) << "the answer replaced the program's copy";
    EXPECT_EQ(program.driver.block().SleepTime, 12);
    EXPECT_FALSE(model.applyEnabled());
}

TEST(SettingsDialogPattern, OkAppliesOnlyWhatIsPending) {
    Program program;
    SleepTimeModel model(program.block, program.driver);
    EXPECT_FALSE(model.applyIfEnabled()) << "nothing changed: OK closes without a request";
    EXPECT_TRUE(program.driver.sent().empty());
    model.barChanged(3);
    EXPECT_TRUE(model.applyIfEnabled());
    EXPECT_FALSE(model.applyIfEnabled()) << "applied once, nothing pending any more";
    EXPECT_EQ(program.driver.sent().size(), 1u);
}

TEST(SettingsDialogPattern, AFailedRequestIsNotReportedAndTheCopyKeepsTheWrittenField) {
    Program program;
    program.driver.fails = true;
    SleepTimeModel model(program.block, program.driver);
    model.barChanged(20);
    model.apply();
    EXPECT_EQ(program.block.SleepTime, 20) << "the buffer keeps what was sent";
    EXPECT_FALSE(model.applyEnabled());
    EXPECT_EQ(program.driver.block().SleepTime, 6);
}

TEST(SettingsDialogPattern, EditsWithoutApplyLeaveTheBlockAlone) {
    Program program;
    DriverBlock before = program.block;
    {
        SleepTimeModel model(program.block, program.driver);
        model.barChanged(29);
        EXPECT_TRUE(model.applyEnabled());
    }  // Cancel: the dialog goes, nothing is written
    EXPECT_TRUE(DifferingBytes(before, program.block).empty());
    EXPECT_TRUE(program.driver.sent().empty());
}

TEST(SettingsDialogPattern, ChoiceCaptionsAreBlackWhenSelectedAndTealWhenNot) {
    EXPECT_EQ(ChoiceColour(true), 0x000000u);
    EXPECT_EQ(ChoiceColour(false), 0x808000u);
}

TEST(SettingsDialogPattern, BarsAndListsShowOnlyWhatTheyHold) {
    EXPECT_EQ(ClampToRange(0, Range{1, 20, 1, 2, 1}), 1);
    EXPECT_EQ(ClampToRange(25, Range{1, 20, 1, 2, 1}), 20);
    EXPECT_EQ(ClampToRange(-3, Range{200, 5000, 1, 100, 200}), 200);
    EXPECT_EQ(ClampToRange(7, Range{1, 20, 1, 2, 1}), 7);
    EXPECT_EQ(ListIndexFor(1, 2), 1);
    EXPECT_EQ(ListIndexFor(2, 2), -1);
    EXPECT_EQ(ListIndexFor(255, 10), -1);
    EXPECT_EQ(ListIndexFor(-1, 10), -1);
}
