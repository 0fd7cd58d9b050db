#include <gtest/gtest.h>

#include <cstring>

#include "block_text.h"
#include "driver_requests.h"
#include "touchsim_command.h"

TEST(TouchsimStatus, EveryFieldOnceWithPortNamesAndHexMcuCode) {
    DriverBlock block{};
    block.Com[1].Base = -1;
    block.Com[1].Irq = 254;
    block.McuCode[0] = 0x0A;
    block.McuCode[3] = 0xF0;
    block.SoundTone = 5000;
    std::vector<std::string> lines = StatusLines(block);
    ASSERT_EQ(lines.size(), kBlockFieldCount);
    EXPECT_EQ(lines[4], "ComBase2=-1");
    EXPECT_EQ(lines[5], "ComIrq2=254");
    EXPECT_EQ(lines.back(), "McuCode=0A0000F0");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "SoundTone=5000"), lines.end());
}

TEST(TouchsimSet, AssignsInRangeValuesAndRefusesTheRestUntouched) {
    DriverBlock block{};
    std::string error;
    EXPECT_TRUE(AssignField(block, "ScreenWidth=1280", error));
    EXPECT_EQ(block.ScreenWidth, 1280);
    EXPECT_TRUE(AssignField(block, "ComBase3=0x3E8", error));
    EXPECT_EQ(block.Com[2].Base, 0x3E8);
    EXPECT_TRUE(AssignField(block, "Reserved0=16777215", error));
    EXPECT_TRUE(AssignField(block, "McuCode=deadBEEF", error));
    EXPECT_EQ(block.McuCode[0], 0xDE);
    EXPECT_EQ(block.McuCode[3], 0xEF);

    DriverBlock before = block;
    for (const char* bad : {"ComPort=256", "ComPort=-1", "ScreenWidth=65536", "ScreenWidth=-32769",
                            "Reserved0=16777216", "McuCode=123", "McuCode=1234567G", "Nope=1",
                            "ComPort", "ComPort=", "ComPort=1x", "ComPort=99999999999999999999"}) {
        EXPECT_FALSE(AssignField(block, bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
        EXPECT_EQ(std::memcmp(&block, &before, sizeof block), 0) << bad;
    }
}

TEST(TouchsimLog, RequestsReadWithTheFieldsTheyCarried) {
    SimLogEntry entry{};
    entry.Code = IOCTL_SET_BUTTON_MODE;
    entry.Accepted = 1;
    DriverBlock block{};
    block.ButtonMode = 4;
    block.RightButtonEnable = 1;
    block.RightButtonOffTime = 9;
    std::memcpy(entry.Data, &block, sizeof block);
    EXPECT_EQ(LogLine(entry),
              "IOCTL_SET_BUTTON_MODE ButtonMode=4 RightButtonEnable=1 RightButtonAuto=0 "
              "RightButtonOnTime=0 RightButtonOffTime=9 RightButtonBeep=0");

    entry.Code = IOCTL_SET_COM_IRQ;
    EXPECT_EQ(LogLine(entry), "IOCTL_SET_COM_IRQ ComIrq1=0 ComIrq2=0 ComIrq3=0 ComIrq4=0");

    entry.Code = IOCTL_SET_RB_WINDOW;
    WindowRecord window{-1, 0, 0};
    std::memcpy(entry.Data, &window, sizeof window);
    EXPECT_EQ(LogLine(entry), "IOCTL_SET_RB_WINDOW Handle=-1 Armed=0");

    entry.Code = IOCTL_READ_SETTINGS;
    EXPECT_EQ(LogLine(entry), "IOCTL_READ_SETTINGS");

    SimLogEntry refused{};
    refused.Code = 0x000F2080;
    refused.InLength = 7;
    refused.OutLength = 82;
    EXPECT_EQ(LogLine(refused), "0x000F2080 refused InLength=7 OutLength=82");
    refused.Code = IOCTL_READ_TOUCH;
    EXPECT_EQ(LogLine(refused), "IOCTL_READ_TOUCH refused InLength=7 OutLength=82");
}

TEST(TouchsimCommandLine, FixedVerbsAndTheirArguments) {
    TouchsimCommand command;
    std::string error;
    ASSERT_TRUE(ParseTouchsimCommand({"touch", "0", "1023"}, command, error));
    EXPECT_EQ(command.verb, TouchsimVerb::Touch);
    EXPECT_EQ(command.y, 1023);
    ASSERT_TRUE(ParseTouchsimCommand({"touch", "5", "6", "--jitter", "3"}, command, error));
    EXPECT_EQ(command.jitter, 3);
    ASSERT_TRUE(ParseTouchsimCommand({"log", "--clear"}, command, error));
    EXPECT_TRUE(command.clear);
    ASSERT_TRUE(ParseTouchsimCommand({"set", "A=1", "B=2"}, command, error));
    EXPECT_EQ(command.assignments.size(), 2u);
    ASSERT_TRUE(ParseTouchsimCommand({"follow-mouse"}, command, error));
    EXPECT_EQ(command.verb, TouchsimVerb::FollowMouse);

    for (std::vector<std::string> bad :
         std::vector<std::vector<std::string>>{{},
                                               {"touch", "1"},
                                               {"touch", "1024", "0"},
                                               {"touch", "-1", "0"},
                                               {"touch", "1", "2", "--jitter"},
                                               {"touch", "1", "2", "--jitter", "101"},
                                               {"status", "extra"},
                                               {"log", "--all"},
                                               {"set"},
                                               {"dance"}}) {
        EXPECT_FALSE(ParseTouchsimCommand(bad, command, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(TouchsimFollowMouse, ScreenEdgesMapToThePanelsActiveArea) {
    EXPECT_EQ(PanelRaw(0, 1024), 40);
    EXPECT_EQ(PanelRaw(1023, 1024), 983);
    EXPECT_EQ(PanelRaw(-50, 1024), 40);
    EXPECT_EQ(PanelRaw(5000, 1024), 983);
    EXPECT_EQ(PanelRaw(384, 769), 512);
    EXPECT_EQ(PanelRaw(0, 0), 40);
}
