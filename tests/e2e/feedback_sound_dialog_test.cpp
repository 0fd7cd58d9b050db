// The feedback sound dialog as a user opens it from the main window, tries and applies it.
#include "e2e_test.h"
#include "settings_dialog_steps.h"

using namespace settings_steps;

namespace {

HWND StartWithSound(Program& panel, SimDriver& driver, int mode, int tone, int duration) {
    driver.reset();
    DriverBlock block = driver.block();
    block.SoundMode = uint8_t(mode);
    block.SoundTone = int16_t(tone);
    block.SoundDuration = int16_t(duration);
    driver.putBlock(block);
    HWND main = StartPanel(panel);
    driver.clearLog();
    return main;
}

std::string Beep(int tone, int duration) {
    return "IOCTL_SOUND_TEST Tone=" + std::to_string(tone) +
           " Duration=" + std::to_string(duration);
}

// A press and a release of the test button, each of which beeps.
void PressTestButton(HWND dialog) {
    Press(Find(dialog, "cmdSoundTest"));
}

}  // namespace

E2E_TEST(FeedbackSoundDialog, OpensWithTheStoredSoundAndTestsWhatIsShown) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    HWND main = StartWithSound(panel, driver, 1, 200, 10);
    if (!CHECK(main)) return;
    HWND dialog = OpenDialog(main, "cmdFeedbackSound", "hscTone");
    if (!(CHECK(dialog) << "Feedback Sound opens its dialog")) return;
    SaveScreenshot(dialog, "control_panel_feedback_sound");
    CHECK(!IsWindowVisible(main));
    const char* captions[] = {"", " Silence ( No Sound )", " Touch Down Only", " Lift Off Only",
                              " Both Touch Down && Lift Off"};
    for (int index = 1; index <= 4; ++index) {
        std::string option = "optFeedbackSound(" + std::to_string(index) + ")";
        CHECK_EQ(TextOf(dialog, option), std::string(captions[index]));
        CHECK_EQ(Ticked(dialog, option), index == 1) << option;
        CHECK(CaptionShowsTeal(dialog, option, index != 1)) << option << " caption colour";
    }
    CHECK_EQ(BarValue(dialog, "hscTone"), 200);
    CHECK_EQ(BarValue(dialog, "hscDuration"), 10);
    CHECK_EQ(TextOf(dialog, "lblTone"), std::string("200")) << "the bar's design value shows";
    CHECK_EQ(TextOf(dialog, "lblDuration"), std::string("10"));
    CHECK(Enabled(dialog, "cmdSoundTest")) << "silence applied: the button tests";
    CHECK(!Enabled(dialog, "cmdApply"));

    PressTestButton(dialog);
    CHECK(WaitUntil([&] { return driver.log().size() >= 2; }));
    std::vector<std::string> log = driver.log();
    CHECK(log == std::vector<std::string>(2, Beep(200, 10)))
        << "press and release beep:" << Joined(log);
    driver.clearLog();
    DoubleClick(Find(dialog, "cmdSoundTest"));
    CHECK(WaitUntil([&] { return driver.log().size() >= 4; }));
    log = driver.log();
    CHECK(log == std::vector<std::string>(4, Beep(200, 10)))
        << "two quick presses are two presses and two releases:" << Joined(log);

    ClickArrow(dialog, "hscTone", true);
    CHECK(WaitUntil([&] { return TextOf(dialog, "lblTone") == "201"; }));
    CHECK(Enabled(dialog, "cmdApply"));
    ClickArrow(dialog, "hscDuration", true);
    CHECK(WaitUntil([&] { return TextOf(dialog, "lblDuration") == "11"; }));
    driver.clearLog();
    PressTestButton(dialog);
    CHECK(WaitUntil([&] { return driver.log().size() >= 2; }));
    log = driver.log();
    CHECK(log == std::vector<std::string>(2, Beep(201, 11)))
        << "the values shown, not applied:" << Joined(log);
    CHECK_EQ(int(driver.block().SoundTone), 200) << "a test beep changes no setting";

    Press(Find(dialog, "optFeedbackSound(4)"));
    CHECK(WaitUntil([&] { return Ticked(dialog, "optFeedbackSound(4)"); }));
    CHECK(Enabled(dialog, "cmdSoundTest")) << "the button follows the applied mode";
    CHECK(CaptionShowsTeal(dialog, "optFeedbackSound(1)", true));
    driver.clearLog();
    Press(Find(dialog, "cmdApply"));
    CHECK(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }));
    log = driver.log();
    CHECK(log ==
          std::vector<std::string>{"IOCTL_SET_SOUND SoundMode=4 SoundTone=201 SoundDuration=11"})
        << Joined(log);
    CHECK_EQ(TextOf(main, "lblFeedbackSound"), std::string("Both Touch Down && Lift Off"));
    CHECK(!Enabled(dialog, "cmdSoundTest")) << "a sounding mode applied: no test";

    Press(Find(dialog, "optFeedbackSound(1)"));
    CHECK(WaitUntil([&] { return Enabled(dialog, "cmdApply"); }));
    CHECK(!Enabled(dialog, "cmdSoundTest")) << "silence selected is not silence applied";
    driver.clearLog();
    Press(Find(dialog, "cmdOK"));
    CHECK(BackAtMain(main));
    log = driver.log();
    CHECK(log ==
          std::vector<std::string>{"IOCTL_SET_SOUND SoundMode=1 SoundTone=201 SoundDuration=11"})
        << "OK applies first:" << Joined(log);
    CHECK_EQ(TextOf(main, "lblFeedbackSound"), std::string("Silence ( No Sound )"));

    dialog = OpenDialog(main, "cmdFeedbackSound", "hscTone");
    if (CHECK(dialog)) {
        CHECK(Enabled(dialog, "cmdSoundTest")) << "silence applied before opening";
        CHECK_EQ(TextOf(dialog, "lblTone"), std::string("201"));
        CHECK(!Enabled(dialog, "cmdApply"));
        PressKey(VK_ESCAPE);
        CHECK(BackAtMain(main));
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    driver.reset();
}

E2E_TEST(FeedbackSoundDialog, ADraggedToneThumbUpdatesItsLabelAndApplyAsItMoves) {
    CloseLeftovers();
    SimDriver driver;
    Program panel("NXWLHCcp.exe");
    HWND main = StartWithSound(panel, driver, 2, 1200, 30);
    if (!CHECK(main)) return;
    HWND dialog = OpenDialog(main, "cmdFeedbackSound", "hscTone");
    if (!CHECK(dialog)) return;
    CHECK_EQ(TextOf(dialog, "lblTone"), std::string("1200"));
    CHECK_EQ(TextOf(dialog, "lblDuration"), std::string("30"));
    CHECK(!Enabled(dialog, "cmdSoundTest"));
    CHECK(!Enabled(dialog, "cmdApply"));
    RECT bar;
    GetWindowRect(Find(dialog, "hscTone"), &bar);
    DragThumb(dialog, "hscTone", 200, 5000, (bar.right - bar.left) / 3, [&] {
        CHECK(WaitUntil([&] { return BarValue(dialog, "hscTone") > 1200; })) << "the thumb moved";
        int tone = BarValue(dialog, "hscTone");
        CHECK(WaitUntil([&] { return TextOf(dialog, "lblTone") == std::to_string(tone); }))
            << "the label follows the held thumb";
        CHECK(Enabled(dialog, "cmdApply")) << "Apply lights while the thumb moves";
    });
    int tone = BarValue(dialog, "hscTone");
    Press(Find(dialog, "cmdApply"));
    CHECK(WaitUntil([&] { return !Enabled(dialog, "cmdApply"); }));
    std::vector<std::string> log = driver.log();
    CHECK(log == std::vector<std::string>{"IOCTL_SET_SOUND SoundMode=2 SoundTone=" +
                                          std::to_string(tone) + " SoundDuration=30"})
        << Joined(log);
    CHECK_EQ(TextOf(main, "lblFeedbackSound"), std::string("Touch Down Only"));
    Press(Find(dialog, "cmdCandel"));
    CHECK(BackAtMain(main));
    PostMessageA(main, WM_CLOSE, 0, 0);
    CHECK(panel.waitForExit(5000));
    driver.reset();
}
