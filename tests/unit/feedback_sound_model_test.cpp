#include <gtest/gtest.h>

#include "feedback_sound_model.h"
#include "settings_fakes.h"

namespace {

struct FeedbackSoundDialog {
    NameTables names = FilledNames();
    SimDriverPort driver;
    DriverBlock block{};
    FeedbackSoundDialog(int mode, int tone, int duration) {
        block.ComPort = 1;
        block.SoundMode = uint8_t(mode);
        block.SoundTone = int16_t(tone);
        block.SoundDuration = int16_t(duration);
        driver.putBlock(block);
    }
};

}  // namespace

TEST(FeedbackSoundModel, OpensWithTheStoredModeToneAndDuration) {
    FeedbackSoundDialog dialog(3, 1200, 30);
    FeedbackSoundModel model(dialog.block, dialog.driver, dialog.names);
    EXPECT_TRUE(model.modeSelected(3));
    EXPECT_FALSE(model.modeSelected(1));
    EXPECT_EQ(model.modeCaption(1), " Silence ( No Sound )");
    EXPECT_EQ(model.modeCaption(4), " Both Touch Down && Lift Off");
    EXPECT_EQ(model.toneLabel(), "1200");
    EXPECT_EQ(model.durationLabel(), "30");
    EXPECT_FALSE(model.applyEnabled());
    EXPECT_FALSE(model.soundTestEnabled()) << "only silence lets the button test";
}

TEST(FeedbackSoundModel, TheTestButtonFollowsTheAppliedModeNotTheSelectedOne) {
    FeedbackSoundDialog dialog(1, 1000, 20);
    FeedbackSoundModel model(dialog.block, dialog.driver, dialog.names);
    EXPECT_TRUE(model.soundTestEnabled());
    model.clickMode(2);
    EXPECT_TRUE(model.soundTestEnabled()) << "selected, not applied";
    model.apply();
    EXPECT_FALSE(model.soundTestEnabled());
    model.clickMode(1);
    EXPECT_FALSE(model.soundTestEnabled());
    model.apply();
    EXPECT_TRUE(model.soundTestEnabled());
}

TEST(FeedbackSoundModel, EveryBarStepRunsTheApplyRule) {
    FeedbackSoundDialog dialog(2, 1000, 20);
    FeedbackSoundModel model(dialog.block, dialog.driver, dialog.names);
    model.toneMoved(1001);
    EXPECT_EQ(model.toneLabel(), "1001");
    EXPECT_TRUE(model.applyEnabled());
    model.toneMoved(1000);
    EXPECT_FALSE(model.applyEnabled());
    model.durationMoved(50);
    EXPECT_TRUE(model.applyEnabled());
    model.durationMoved(20);
    model.clickMode(2);
    EXPECT_FALSE(model.applyEnabled()) << "the selected mode again changes nothing";
    model.clickMode(4);
    EXPECT_TRUE(model.applyEnabled());
}

TEST(FeedbackSoundModel, ATestBeepSendsWhatIsShownAndLeavesTheBlockAlone) {
    FeedbackSoundDialog dialog(1, 200, 10);
    FeedbackSoundModel model(dialog.block, dialog.driver, dialog.names);
    EXPECT_EQ(model.toneLabel(), "200");
    EXPECT_EQ(model.durationLabel(), "10");
    model.soundTest();
    model.toneMoved(4800);
    model.durationMoved(45);
    model.soundTest();
    ASSERT_EQ(dialog.driver.sent().size(), 2u);
    EXPECT_EQ(dialog.driver.sent()[0].code, uint32_t(IOCTL_SOUND_TEST));
    EXPECT_EQ(dialog.driver.sent()[0].test.Tone, 200);
    EXPECT_EQ(dialog.driver.sent()[0].test.Duration, 10);
    EXPECT_EQ(dialog.driver.sent()[1].test.Tone, 4800) << "not applied, yet tested";
    EXPECT_EQ(dialog.driver.sent()[1].test.Duration, 45);
    EXPECT_EQ(dialog.block.SoundTone, 200);
    EXPECT_EQ(dialog.block.SoundDuration, 10);
}

TEST(FeedbackSoundModel, ApplySendsModeToneAndDurationAndNamesTheMode) {
    FeedbackSoundDialog dialog(1, 1000, 20);
    FeedbackSoundModel model(dialog.block, dialog.driver, dialog.names);
    model.clickMode(4);
    model.toneMoved(3000);
    model.durationMoved(12);
    model.apply();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    EXPECT_EQ(dialog.driver.sent()[0].code, uint32_t(IOCTL_SET_SOUND));
    EXPECT_EQ(dialog.driver.block().SoundMode, 4);
    EXPECT_EQ(dialog.driver.block().SoundTone, 3000);
    EXPECT_EQ(dialog.driver.block().SoundDuration, 12);
    EXPECT_EQ(model.statusLine(), "Both Touch Down && Lift Off");
}

TEST(FeedbackSoundModel, StoredValuesOutsideTheControlsShowTheNearestAndAnInvalidName) {
    FeedbackSoundDialog dialog(0, 9000, 3);
    FeedbackSoundModel model(dialog.block, dialog.driver, dialog.names);
    for (int index = 1; index <= 4; ++index) EXPECT_FALSE(model.modeSelected(index));
    EXPECT_EQ(model.tone(), 5000);
    EXPECT_EQ(model.duration(), 10);
    EXPECT_TRUE(model.applyEnabled());
    EXPECT_EQ(model.statusLine(), "Invalid#0");
    model.clickMode(2);
    model.apply();
    EXPECT_EQ(model.statusLine(), "Touch Down Only");
}
