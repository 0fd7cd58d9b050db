#include <gtest/gtest.h>

#include <vector>

#include "companions.h"
#include "driver_requests.h"
#include "right_button_tool.h"
#include "sim_driver_port.h"

TEST(RightButtonCommands, TheThreeNotificationsAndEverythingElse) {
    EXPECT_EQ(CommandFor(4096), ToolCommand::Hide);
    EXPECT_EQ(CommandFor(4097), ToolCommand::Show);
    EXPECT_EQ(CommandFor(4110), ToolCommand::Quit);
    for (uintptr_t other : {0u, 4098u, 4111u, 0x200Eu, 0x11000u})
        EXPECT_EQ(CommandFor(other), ToolCommand::Unknown) << other;
}

TEST(RightButtonCommands, UnknownCommandTextIsUpperCaseHexadecimal) {
    EXPECT_EQ(UnknownCommandText(4098, 0), "RBF_WndProc Fail! wParam=1002h, lParam=0h");
    EXPECT_EQ(UnknownCommandText(0xABCDEF, 0x1F), "RBF_WndProc Fail! wParam=ABCDEFh, lParam=1Fh");
}

TEST(RightButtonStart, HandsOverOnlyToARegisteredToolOfOurs) {
    EXPECT_EQ(DecideStart(kNoWindow, false), StartDecision::Register);
    EXPECT_EQ(DecideStart(0x10010, true), StartDecision::HandOver);
    EXPECT_EQ(DecideStart(0, true), StartDecision::HandOver) << "0 is a handle, not -1";
    EXPECT_EQ(DecideStart(0x10010, false), StartDecision::Register)
        << "a dead tool's leftover, or another program's window";
}

TEST(RightButtonRegistration, RegisterArmDisarmAndWithdrawWriteTheWholeRecord) {
    SimDriverPort driver;
    RightButtonRegistration registration(driver, 0x2A);
    EXPECT_EQ(registration.query(), kNoWindow);
    registration.registerIdle();
    registration.arm();
    EXPECT_TRUE(registration.stillArmed());
    driver.fingerAt(512, 384);  // the touch after the arming is the right click
    driver.lift();
    EXPECT_FALSE(registration.stillArmed());
    registration.disarm();
    registration.unregister();
    std::vector<WindowRecord> sets;
    for (const SimDriverPort::Sent& sent : driver.sent())
        if (sent.code == IOCTL_SET_RB_WINDOW) sets.push_back(sent.window);
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(sets[0].Handle, 0x2A);
    EXPECT_EQ(sets[0].Word, 0);
    EXPECT_EQ(sets[1].Word, 1);
    EXPECT_EQ(sets[2].Word, 0);
    EXPECT_EQ(sets[3].Handle, kNoWindow);
    EXPECT_EQ(sets[3].Word, 0);
}

TEST(RightButtonRegistration, AFailingDriverLeavesTheToolWaitingAsItWas) {
    SimDriverPort driver;
    RightButtonRegistration registration(driver, 7);
    registration.arm();
    driver.fails = true;
    EXPECT_TRUE(registration.stillArmed()) << "the last answer stands until the user gives up";
}

TEST(CompanionPrograms, PathsWithSpacesAreQuoted) {
    EXPECT_EQ(ProgramCommandLine("C:\\Program Files\\Brinvale TouchScreen", kRightButtonToolFile),
              "\"C:\\Program Files\\Brinvale TouchScreen\\NXWLHCrb.exe\"");
    EXPECT_EQ(ProgramCommandLine("", kSmiToolFile), "") << "no folder starts nothing";
}

TEST(CompanionPrograms, HandlesTravelAs32BitsAndComeBackSignExtended) {
    EXPECT_EQ(DriverHandleFromWindow(0x0000000000010086u), 0x10086);
    EXPECT_EQ(DriverHandleFromWindow(uintptr_t(0xFFFFFFFFFFFF1234u)), int32_t(0xFFFF1234u));
    EXPECT_EQ(WindowFromDriverHandle(int32_t(0xFFFF1234u)),
              uintptr_t(intptr_t(int32_t(0xFFFF1234u))));
    EXPECT_EQ(WindowFromDriverHandle(0x10086), uintptr_t(0x10086));
    EXPECT_EQ(DriverHandleFromWindow(WindowFromDriverHandle(kNoWindow)), kNoWindow);
}
