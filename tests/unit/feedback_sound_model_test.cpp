#include <gtest/gtest.h>

#include "feedback_sound_model.h"
#include "settings_fakes.h"

namespace {

OpenDialog<FeedbackSoundModel> StoredFeedbackSoundDialog(int mode, int tone, int duration) {
    DriverBlock block{};
    block.ComPort = 1;
    block.SoundMode = uint8_t(mode);
    block.SoundTone = int16_t(tone);
    block.SoundDuration = int16_t(duration);
    return OpenDialog<FeedbackSoundModel>(block);
}

}  // namespace

TEST(FeedbackSoundModel, OpensWithTheStoredModeToneAndDuration) {
    auto dialog = StoredFeedbackSoundDialog(3, 1200, 30);
    EXPECT_TRUE(dialog->modeSelected(3));
    EXPECT_FALSE(dialog->modeSelected(1));
    EXPECT_EQ(dialog->modeCaption(1), " Silence ( No Sound )");
    EXPECT_EQ(dialog->modeCaption(4), " Both Touch Down && Lift Off");
    EXPECT_EQ(dialog->toneLabel(), "1200");
    EXPECT_EQ(dialog->durationLabel(), "30");
    EXPECT_FALSE(dialog->applyEnabled());
    EXPECT_FALSE(dialog->soundTestEnabled()) << "only silence lets the button test";
}

TEST(FeedbackSoundModel, TheTestButtonFollowsTheAppliedModeNotTheSelectedOne) {
    auto dialog = StoredFeedbackSoundDialog(1, 1000, 20);
    EXPECT_TRUE(dialog->soundTestEnabled());
    dialog->clickMode(2);
    EXPECT_TRUE(dialog->soundTestEnabled()) << "selected, not applied";
    dialog->apply();
    EXPECT_FALSE(dialog->soundTestEnabled());
    dialog->clickMode(1);
    EXPECT_FALSE(dialog->soundTestEnabled());
    dialog->apply();
    EXPECT_TRUE(dialog->soundTestEnabled());
}

TEST(FeedbackSoundModel, EveryBarStepRunsTheApplyRule) {
    auto dialog = StoredFeedbackSoundDialog(2, 1000, 20);
    dialog->toneMoved(1001);
    EXPECT_EQ(dialog->toneLabel(), "1001");
    EXPECT_TRUE(dialog->applyEnabled());
    dialog->toneMoved(1000);
    EXPECT_FALSE(dialog->applyEnabled());
    dialog->durationMoved(50);
    EXPECT_TRUE(dialog->applyEnabled());
    dialog->durationMoved(20);
    dialog->clickMode(2);
    EXPECT_FALSE(dialog->applyEnabled()) << "the selected mode again changes nothing";
    dialog->clickMode(4);
    EXPECT_TRUE(dialog->applyEnabled());
}

TEST(FeedbackSoundModel, ATestBeepSendsWhatIsShownAndLeavesTheBlockAlone) {
    auto dialog = StoredFeedbackSoundDialog(1, 200, 10);
    EXPECT_EQ(dialog->toneLabel(), "200");
    EXPECT_EQ(dialog->durationLabel(), "10");
    dialog->soundTest();
    dialog->toneMoved(4800);
    dialog->durationMoved(45);
    dialog->soundTest();
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
    auto dialog = StoredFeedbackSoundDialog(1, 1000, 20);
    dialog->clickMode(4);
    dialog->toneMoved(3000);
    dialog->durationMoved(12);
    dialog->apply();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    EXPECT_EQ(dialog.driver.sent()[0].code, uint32_t(IOCTL_SET_SOUND));
    EXPECT_EQ(dialog.driver.block().SoundMode, 4);
    EXPECT_EQ(dialog.driver.block().SoundTone, 3000);
    EXPECT_EQ(dialog.driver.block().SoundDuration, 12);
    EXPECT_EQ(dialog->statusLine(), "Both Touch Down && Lift Off");
}

TEST(FeedbackSoundModel, StoredValuesOutsideTheControlsShowTheNearestAndAnInvalidName) {
    auto dialog = StoredFeedbackSoundDialog(0, 9000, 3);
    for (int index = 1; index <= 4; ++index) EXPECT_FALSE(dialog->modeSelected(index));
    EXPECT_EQ(dialog->tone(), 5000);
    EXPECT_EQ(dialog->duration(), 10);
    EXPECT_TRUE(dialog->applyEnabled());
    EXPECT_EQ(dialog->statusLine(), "Invalid#0");
    dialog->clickMode(2);
    dialog->apply();
    EXPECT_EQ(dialog->statusLine(), "Touch Down Only");
}
