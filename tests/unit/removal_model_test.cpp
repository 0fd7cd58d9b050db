#include <gtest/gtest.h>

#include <cstdlib>

#include "removal_model.h"

TEST(RemovalTexts, QuestionCompletionAndCommandLine) {
    EXPECT_EQ(RemovalQuestion(),
              "Are you sure you want to completely remove TouchScreen V.7.5.COM and all of its "
              "components?");
    EXPECT_EQ(RemovalCompleteText(),
              "Removal is complete to uninstall TouchScreen drivers and utilities.\r\n\r\nThe "
              "Windows must be restarted.");
    EXPECT_EQ(UninstallerCommandLine("C:\\Program Files\\Brinvale TouchScreen"),
              "\"C:\\Program Files\\Brinvale TouchScreen\\unins000.exe\" /SILENT");
    EXPECT_EQ(UninstallerCommandLine(""), "") << "no recorded folder starts nothing";
}

TEST(RemovalLayout, ButtonsAreACentredPairHalfAButtonApart) {
    ButtonPair pair = CentreButtonPair(6000, 1095, 1095);
    EXPECT_EQ(pair.yesLeft, (6000 * 2 - 3 * 1095 - 2 * 1095) / 4);
    EXPECT_EQ(pair.noLeft - pair.yesLeft, 1642) << "1.5 buttons from left to left";
    int rightGap = 6000 - (pair.noLeft + 1095);
    EXPECT_LE(std::abs(rightGap - pair.yesLeft), 1) << "as much room on both sides";
    EXPECT_EQ(RemovalWindowWidth(6000, 2000, 1095), 6000) << "wide enough already";
    EXPECT_EQ(RemovalWindowWidth(3000, 2000, 1095), 4190);
}

TEST(RemovalWait, TheUninstallerGetsTenOneSecondRounds) {
    UninstallerWait quick;
    quick.round(WaitResult::TimedOut);
    quick.round(WaitResult::Finished);
    EXPECT_TRUE(quick.over);
    EXPECT_TRUE(quick.finished());
    EXPECT_EQ(quick.failure, "");

    UninstallerWait slow;
    for (int i = 0; i < 9; ++i) slow.round(WaitResult::TimedOut);
    EXPECT_FALSE(slow.over) << "nine rounds are not yet enough to give up";
    slow.round(WaitResult::TimedOut);
    EXPECT_TRUE(slow.over);
    EXPECT_FALSE(slow.finished());
    EXPECT_EQ(slow.failure, "Fail to remove files! (WAIT_TIMEOUT)");
    slow.round(WaitResult::Finished);
    EXPECT_FALSE(slow.finished()) << "a wait given up stays given up";

    UninstallerWait failed, abandoned;
    failed.round(WaitResult::Failed);
    abandoned.round(WaitResult::Abandoned);
    EXPECT_EQ(failed.failure, "Fail to remove files! (WAIT_FAILED)");
    EXPECT_EQ(abandoned.failure, "Fail to remove files! (WAIT_ABANDONED)");
}
