#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "companions.h"
#include "display_check.h"
#include "sessions.h"

namespace {

WindowFacts ToolWindow() {
    WindowFacts facts;
    facts.exists = true;
    facts.className = "NXForm";
    facts.caption = " C-RBF";
    facts.programFile = "NXWLHCrb.exe";
    facts.windowSession = facts.ownSession = 1;
    return facts;
}

WindowFacts SmiWindow() {
    WindowFacts facts;
    facts.exists = true;
    facts.className = "SomeMakersClass";
    facts.caption = "Display rotation";
    facts.programFile = "nxwlhcvr.EXE";
    facts.windowSession = facts.ownSession = 2;
    return facts;
}

}  // namespace

TEST(CompanionWindows, OnlyTheExpectedProgramsWindowInThisSessionIsAccepted) {
    EXPECT_TRUE(CompanionWindowAccepted(Companion::RightButtonTool, ToolWindow()));
    EXPECT_TRUE(CompanionWindowAccepted(Companion::SmiTool, SmiWindow()))
        << "the file name in any case";

    struct Case {
        const char* what;
        Companion companion;
        WindowFacts facts;
    };
    std::vector<Case> refused;
    auto tool = [&](const char* what, auto change) {
        WindowFacts facts = ToolWindow();
        change(facts);
        refused.push_back({what, Companion::RightButtonTool, facts});
    };
    tool("gone", [](WindowFacts& f) { f.exists = false; });
    tool("a common control", [](WindowFacts& f) { f.className = "Button"; });
    tool("another window of ours",
         [](WindowFacts& f) { f.caption = " TouchScreen Control Panel #NX-COM"; });
    tool("a caption of another program", [](WindowFacts& f) { f.caption = " C-RBF "; });
    tool("another user's session", [](WindowFacts& f) { f.windowSession = 3; });
    WindowFacts smiElsewhere = SmiWindow();
    smiElsewhere.windowSession = 1;
    refused.push_back({"SMI tool of another session", Companion::SmiTool, smiElsewhere});
    WindowFacts notSmi = SmiWindow();
    notSmi.programFile = "notepad.exe";
    refused.push_back({"another program", Companion::SmiTool, notSmi});
    refused.push_back({"our tool is not the SMI tool", Companion::SmiTool, ToolWindow()});
    for (const Case& c : refused)
        EXPECT_FALSE(CompanionWindowAccepted(c.companion, c.facts)) << c.what;

    EXPECT_EQ(CompanionOf(NOTIFY_SMI_QUIT), Companion::SmiTool);
    for (CompanionNotification n : {NOTIFY_RB_HIDE, NOTIFY_RB_SHOW, NOTIFY_RB_QUIT})
        EXPECT_EQ(CompanionOf(n), Companion::RightButtonTool) << n;
}

TEST(Sessions, OnlyTheSessionAtThePhysicalConsoleHasTheTouchScreen) {
    EXPECT_TRUE(AtPhysicalConsole({false, 1, 1}));
    EXPECT_FALSE(AtPhysicalConsole({true, 1, 1})) << "a remote desktop on the console's session";
    EXPECT_FALSE(AtPhysicalConsole({false, 2, 1})) << "a second session";
    EXPECT_FALSE(AtPhysicalConsole({false, 1, kNoConsoleSession})) << "nobody at the console";
}

TEST(Sessions, LockDisconnectAndLogOffBreakOffWhileUnlockAndLogOnDoNot) {
    for (uint32_t code :
         {kSessionLock, kSessionConsoleDisconnect, kSessionRemoteDisconnect, kSessionLogoff})
        EXPECT_TRUE(SessionChangeBreaksOff(code)) << code;
    for (uint32_t code : {0x1u, 0x3u, 0x5u, 0x8u, 0x9u})  // connects, log-on, unlock, control
        EXPECT_FALSE(SessionChangeBreaksOff(code)) << code;
}

TEST(DisplaySizes, TheDriverAndTheWindowMustMatchTheDisplay) {
    PixelSize display{1920, 1080};
    EXPECT_FALSE(CheckDisplaySizes(display, display, display));
    EXPECT_EQ(CheckDisplaySizes(display, display, {1024, 768}), DisplayProblem::DriverSizeStale);
    EXPECT_EQ(CheckDisplaySizes({1280, 720}, display, display), DisplayProblem::WindowNotDisplay)
        << "scaled since sign-in";
    EXPECT_EQ(CheckDisplaySizes(display, {1080, 1920}, display), DisplayProblem::DriverSizeStale)
        << "rotated";

    EXPECT_EQ(DisplayProblemText(DisplayProblem::DriverSizeStale, display, {1024, 768}),
              "The touch screen is set up for a screen of 1024 X 768, but the display shows "
              "1920 X 1080.\r\n\r\nRun the TouchScreen startup program, or sign out and sign in "
              "again, then calibrate.");
    // each box says what to do about it
    const std::pair<DisplayProblem, const char*> advice[] = {
        {DisplayProblem::WindowNotDisplay, "Sign out and sign in again"},
        {DisplayProblem::ChangedDuringRun, "Run the TouchScreen startup program"},
        {DisplayProblem::RemoteSession, "at the computer it is connected to"}};
    for (const auto& [problem, words] : advice)
        EXPECT_NE(DisplayProblemText(problem, display, display).find(words), std::string::npos)
            << words;
}
