#include <gtest/gtest.h>

#include "settings_fakes.h"
#include "sleep_time_model.h"

namespace {

struct SleepTimeDialog {
    SimDriverPort driver;
    DriverBlock block{};
    explicit SleepTimeDialog(int stored) {
        block.ComPort = 1;
        block.SleepTime = uint8_t(stored);
        driver.putBlock(block);
    }
};

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
        SleepTimeDialog dialog(c.value);
        SleepTimeModel model(dialog.block, dialog.driver);
        EXPECT_EQ(model.secondsText(), c.seconds) << c.value;
        EXPECT_EQ(model.sentence(), c.sentence) << c.value;
        EXPECT_FALSE(model.applyEnabled()) << c.value;
    }
}

TEST(SleepTimeModel, TheTextsFollowTheThumbAndApplyFollowsItsRelease) {
    SleepTimeDialog dialog(15);
    SleepTimeModel model(dialog.block, dialog.driver);
    model.barScrolled(9);
    EXPECT_EQ(model.secondsText(), " 90");
    EXPECT_FALSE(model.applyEnabled());
    model.barChanged(9);
    EXPECT_TRUE(model.applyEnabled());
    model.barChanged(15);
    EXPECT_FALSE(model.applyEnabled()) << "back at the stored value";
}

TEST(SleepTimeModel, ApplyStoresTheBarAndTheMainWindowReadsTheSentence) {
    SleepTimeDialog dialog(15);
    SleepTimeModel model(dialog.block, dialog.driver);
    model.barChanged(0);
    model.apply();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    EXPECT_EQ(dialog.driver.sent()[0].code, uint32_t(IOCTL_SET_SLEEP_TIME));
    EXPECT_EQ(dialog.driver.block().SleepTime, 0);
    EXPECT_EQ(model.statusLine(), "Disable Power Down Function");
}

TEST(SleepTimeModel, ATimeBeyondTheBarShowsAsTheLongestReadyToApply) {
    SleepTimeDialog dialog(45);
    SleepTimeModel model(dialog.block, dialog.driver);
    EXPECT_EQ(model.bar(), 30);
    EXPECT_EQ(model.secondsText(), " 300");
    EXPECT_TRUE(model.applyEnabled());
}
