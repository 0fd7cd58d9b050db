#include <gtest/gtest.h>

#include "settings_fakes.h"
#include "sleep_time_model.h"

namespace {

OpenDialog<SleepTimeModel> StoredSleepTimeDialog(int stored) {
    DriverBlock block{};
    block.ComPort = 1;
    block.SleepTime = uint8_t(stored);
    return OpenDialog<SleepTimeModel>(block);
}

}  // namespace

TEST(SleepTimeModel, TextsForTheEndsAndTheMiddleOfTheBar) {
    const struct {
        int value;
        const char* seconds;
        const char* sentence;
    } cases[] = {{0, " 0", "Disable Power Down Function"},
                 {30, " 300", "Power Down When Idle  5 Min. "},
                 {9, " 90", "Power Down When Idle  1 Min.  30 Sec."},
                 {15, " 150", "Power Down When Idle  2 Min.  30 Sec."},
                 {1, " 10", "Power Down When Idle  10 Sec."}};
    for (const auto& c : cases) {
        auto dialog = StoredSleepTimeDialog(c.value);
        EXPECT_EQ(dialog->secondsText(), c.seconds) << c.value;
        EXPECT_EQ(dialog->sentence(), c.sentence) << c.value;
        EXPECT_FALSE(dialog->applyEnabled()) << c.value;
    }
}

TEST(SleepTimeModel, TheTextsFollowTheThumbAndApplyFollowsItsRelease) {
    auto dialog = StoredSleepTimeDialog(15);
    dialog->barScrolled(9);
    EXPECT_EQ(dialog->secondsText(), " 90");
    EXPECT_FALSE(dialog->applyEnabled());
    dialog->barChanged(9);
    EXPECT_TRUE(dialog->applyEnabled());
    dialog->barChanged(15);
    EXPECT_FALSE(dialog->applyEnabled()) << "back at the stored value";
}

TEST(SleepTimeModel, ApplyStoresTheBarAndTheMainWindowReadsTheSentence) {
    auto dialog = StoredSleepTimeDialog(15);
    dialog->barChanged(0);
    dialog->apply();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    EXPECT_EQ(dialog.driver.sent()[0].code, uint32_t(IOCTL_SET_SLEEP_TIME));
    EXPECT_EQ(dialog.driver.block().SleepTime, 0);
    EXPECT_EQ(dialog->statusLine(), "Disable Power Down Function");
}

TEST(SleepTimeModel, ATimeBeyondTheBarShowsAsTheLongestReadyToApply) {
    auto dialog = StoredSleepTimeDialog(45);
    EXPECT_EQ(dialog->bar(), 30);
    EXPECT_EQ(dialog->secondsText(), " 300");
    EXPECT_TRUE(dialog->applyEnabled());
}
