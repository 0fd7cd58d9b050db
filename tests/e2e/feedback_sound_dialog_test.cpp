// The feedback sound dialog as a user opens it from the main window, tries and applies it.
#include "e2e_test.h"
#include "control_panel_steps.h"

using namespace panel_steps;

namespace {

class FeedbackSoundDialog : public ControlPanelTest {};

std::function<void(DriverBlock&)> Sound(int mode, int tone, int duration) {
    return [=](DriverBlock& block) {
        block.SoundMode = uint8_t(mode);
        block.SoundTone = int16_t(tone);
        block.SoundDuration = int16_t(duration);
    };
}

std::string Beep(int tone, int duration) {
    return "IOCTL_SOUND_TEST Tone=" + std::to_string(tone) +
           " Duration=" + std::to_string(duration);
}

}  // namespace

TEST_F(FeedbackSoundDialog, OpensWithTheStoredSoundAndTestsWhatIsShown) {
    ASSERT_TRUE(Start(Sound(1, 200, 10)));
    HWND dialog = OpenDialog(main, "cmdFeedbackSound", "hscTone");
    ASSERT_TRUE(dialog) << "Feedback Sound opens its dialog";
    SaveScreenshot(dialog, "control_panel_feedback_sound");
    EXPECT_FALSE(IsWindowVisible(main));
    const char* captions[] = {"", " Silence ( No Sound )", " Touch Down Only", " Lift Off Only",
                              " Both Touch Down && Lift Off"};
    for (int index = 1; index <= 4; ++index) {
        std::string option = "optFeedbackSound(" + std::to_string(index) + ")";
        EXPECT_EQ(TextOf(dialog, option), captions[index]);
        EXPECT_EQ(Ticked(dialog, option), index == 1) << option;
        EXPECT_TRUE(CaptionShowsTeal(dialog, option, index != 1)) << option << " caption colour";
    }
    EXPECT_EQ(BarValue(dialog, "hscTone"), 200);
    EXPECT_EQ(BarValue(dialog, "hscDuration"), 10);
    EXPECT_EQ(TextOf(dialog, "lblTone"), "200") << "the bar's design value shows";
    EXPECT_EQ(TextOf(dialog, "lblDuration"), "10");
    EXPECT_TRUE(Enabled(dialog, "cmdSoundTest")) << "silence applied: the button tests";
    EXPECT_FALSE(Enabled(dialog, "cmdApply"));

    Press(Find(dialog, "cmdSoundTest"));  // the press and the release beep
    EXPECT_TRUE(WaitUntil([&] { return driver.log().size() >= 2; }));
    EXPECT_TRUE(driver.logIs(std::vector<std::string>(2, Beep(200, 10))))
        << "press and release beep";
    driver.clearLog();
    Press(Find(dialog, "cmdSoundTest"), kTwice);
    EXPECT_TRUE(WaitUntil([&] { return driver.log().size() >= 4; }));
    EXPECT_TRUE(driver.logIs(std::vector<std::string>(4, Beep(200, 10))))
        << "two quick presses are two presses and two releases";

    ClickArrow(dialog, "hscTone", true);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(dialog, "lblTone") == "201"; }));
    EXPECT_TRUE(Enabled(dialog, "cmdApply"));
    ClickArrow(dialog, "hscDuration", true);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(dialog, "lblDuration") == "11"; }));
    driver.clearLog();
    Press(Find(dialog, "cmdSoundTest"));  // the press and the release beep
    EXPECT_TRUE(WaitUntil([&] { return driver.log().size() >= 2; }));
    EXPECT_TRUE(driver.logIs(std::vector<std::string>(2, Beep(201, 11))))
        << "the values shown, not applied";
    EXPECT_EQ(int(driver.block().SoundTone), 200) << "a test beep changes no setting";

    Press(Find(dialog, "optFeedbackSound(4)"));
    EXPECT_TRUE(WaitUntil([&] { return Ticked(dialog, "optFeedbackSound(4)"); }));
    EXPECT_TRUE(Enabled(dialog, "cmdSoundTest")) << "the button follows the applied mode";
    EXPECT_TRUE(CaptionShowsTeal(dialog, "optFeedbackSound(1)", true));
    driver.clearLog();
    Press(Find(dialog, "cmdApply"));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }));
    EXPECT_TRUE(driver.logIs({"IOCTL_SET_SOUND SoundMode=4 SoundTone=201 SoundDuration=11"}));
    EXPECT_EQ(TextOf(main, "lblFeedbackSound"), "Both Touch Down && Lift Off");
    EXPECT_FALSE(Enabled(dialog, "cmdSoundTest")) << "a sounding mode applied: no test";

    Press(Find(dialog, "optFeedbackSound(1)"));
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    EXPECT_FALSE(Enabled(dialog, "cmdSoundTest")) << "silence selected is not silence applied";
    driver.clearLog();
    Press(Find(dialog, "cmdOK"));
    EXPECT_TRUE(BackAtMain(main));
    EXPECT_TRUE(driver.logIs({"IOCTL_SET_SOUND SoundMode=1 SoundTone=201 SoundDuration=11"}))
        << "OK applies first";
    EXPECT_EQ(TextOf(main, "lblFeedbackSound"), "Silence ( No Sound )");

    dialog = OpenDialog(main, "cmdFeedbackSound", "hscTone");
    EXPECT_TRUE(dialog);
    if (dialog) {
        EXPECT_TRUE(Enabled(dialog, "cmdSoundTest")) << "silence applied before opening";
        EXPECT_EQ(TextOf(dialog, "lblTone"), "201");
        EXPECT_FALSE(Enabled(dialog, "cmdApply"));
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(BackAtMain(main));
    }
    EXPECT_TRUE(Close());
}

TEST_F(FeedbackSoundDialog, ADraggedToneThumbUpdatesItsLabelAndApplyAsItMoves) {
    ASSERT_TRUE(Start(Sound(2, 1200, 30)));
    HWND dialog = OpenDialog(main, "cmdFeedbackSound", "hscTone");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(TextOf(dialog, "lblTone"), "1200");
    EXPECT_EQ(TextOf(dialog, "lblDuration"), "30");
    EXPECT_FALSE(Enabled(dialog, "cmdSoundTest"));
    EXPECT_FALSE(Enabled(dialog, "cmdApply"));
    RECT bar;
    GetWindowRect(Find(dialog, "hscTone"), &bar);
    DragThumb(dialog, "hscTone", 200, 5000, (bar.right - bar.left) / 3, [&] {
        EXPECT_TRUE(WaitUntil([&] { return BarValue(dialog, "hscTone") > 1200; }))
            << "the thumb moved";
        int tone = BarValue(dialog, "hscTone");
        EXPECT_TRUE(WaitUntil([&] { return TextOf(dialog, "lblTone") == std::to_string(tone); }))
            << "the label follows the held thumb";
        EXPECT_TRUE(Enabled(dialog, "cmdApply")) << "Apply lights while the thumb moves";
    });
    int tone = BarValue(dialog, "hscTone");
    Press(Find(dialog, "cmdApply"));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }));
    EXPECT_TRUE(driver.logIs(
        {"IOCTL_SET_SOUND SoundMode=2 SoundTone=" + std::to_string(tone) + " SoundDuration=30"}));
    EXPECT_EQ(TextOf(main, "lblFeedbackSound"), "Touch Down Only");
    Press(Find(dialog, "cmdCandel"));
    EXPECT_TRUE(BackAtMain(main));
    EXPECT_TRUE(Close());
}
