// The power save dialog as a user opens it from the main window and uses it.
#include "e2e_test.h"
#include "control_panel_steps.h"

using namespace panel_steps;

namespace {

class PowerSaveDialog : public ControlPanelTest {};

std::function<void(DriverBlock&)> SleepTime(int sleepTime) {
    return [=](DriverBlock& block) { block.SleepTime = uint8_t(sleepTime); };
}

bool ShowsTime(HWND dialog, const char* seconds, const char* sentence) {
    return WaitUntil(
        [&] { return TextOf(dialog, "lblST") == seconds && TextOf(dialog, "lblSS") == sentence; });
}

}  // namespace

TEST_F(PowerSaveDialog, OpensAtTheStoredTimeAndAppliesWhatTheBarShows) {
    ASSERT_TRUE(Start(SleepTime(15)));
    HWND dialog = OpenDialog(main, "cmdSleepTime", "hscSleepTime");
    ASSERT_TRUE(dialog) << "Power Save opens its dialog";
    SaveScreenshot(dialog, "control_panel_power_save");
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_EQ(BarValue(dialog, "hscSleepTime"), 15);
    EXPECT_TRUE(ShowsTime(dialog, " 150", "Power Down When Idle  2 Min.  30 Sec."))
        << "the bar's design value still shows its texts";
    EXPECT_FALSE(Enabled(dialog, "cmdApply"));

    ClickArrow(dialog, "hscSleepTime", false);
    EXPECT_TRUE(ShowsTime(dialog, " 140", "Power Down When Idle  2 Min.  20 Sec."));
    EXPECT_TRUE(Enabled(dialog, "cmdApply"));
    ClickArrow(dialog, "hscSleepTime", true);
    EXPECT_TRUE(ShowsTime(dialog, " 150", "Power Down When Idle  2 Min.  30 Sec."));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }))
        << "back at the stored time";

    for (int page = 0; page < 3; ++page) ClickTrack(dialog, "hscSleepTime", false);
    EXPECT_TRUE(WaitUntil([&] { return BarValue(dialog, "hscSleepTime") == 0; }))
        << "three large steps down from 15 reach the end";
    EXPECT_TRUE(ShowsTime(dialog, " 0", "Disable Power Down Function"));
    Press(Find(dialog, "cmdApply"));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }));
    EXPECT_TRUE(driver.logIs({"IOCTL_SET_SLEEP_TIME SleepTime=0"}));
    EXPECT_EQ(TextOf(main, "lblSleepTime"), "Disable Power Down Function");

    driver.clearLog();
    RECT bar;
    GetWindowRect(Find(dialog, "hscSleepTime"), &bar);
    DragThumb(dialog, "hscSleepTime", 0, 30, bar.right - bar.left, [&] {
        EXPECT_TRUE(ShowsTime(dialog, " 300", "Power Down When Idle  5 Min. "))
            << "the texts follow the dragged thumb";
        EXPECT_FALSE(Enabled(dialog, "cmdApply")) << "Apply waits for the thumb's release";
    });
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdApply"); })) << "released away from 0";
    Press(Find(dialog, "cmdOK"));
    EXPECT_TRUE(BackAtMain(main)) << "OK applies and closes";
    EXPECT_TRUE(driver.logIs({"IOCTL_SET_SLEEP_TIME SleepTime=30"}));
    EXPECT_EQ(TextOf(main, "lblSleepTime"), "Power Down When Idle  5 Min. ");
    EXPECT_EQ(int(driver.block().SleepTime), 30);
    EXPECT_TRUE(Close());
}

TEST_F(PowerSaveDialog, CancelAndTheCloseBoxWriteNothing) {
    ASSERT_TRUE(Start(SleepTime(9)));
    for (int way = 0; way < 3; ++way) {
        HWND dialog = OpenDialog(main, "cmdSleepTime", "hscSleepTime");
        EXPECT_TRUE(dialog);
        if (!dialog) break;
        EXPECT_TRUE(ShowsTime(dialog, " 90", "Power Down When Idle  1 Min.  30 Sec."))
            << "edits of an earlier opening are gone";
        ClickArrow(dialog, "hscSleepTime", true);
        EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
        if (way == 0) Press(Find(dialog, "cmdCandel"));
        if (way == 1) PostMessageA(dialog, WM_CLOSE, 0, 0);
        if (way == 2) PressKey(VK_ESCAPE);
        EXPECT_TRUE(BackAtMain(main)) << "closing way " << way << " brings the main window back";
        EXPECT_TRUE(WaitForWindowGone(dialog, 5000)) << "closing way " << way << " ends the dialog";
    }
    EXPECT_TRUE(driver.log().empty()) << "nothing was written:" << Lines(driver.log());
    EXPECT_EQ(int(driver.block().SleepTime), 9);
    EXPECT_EQ(TextOf(main, "lblSleepTime"), "Power Down When Idle  1 Min.  30 Sec.");
    EXPECT_TRUE(Close());
}
