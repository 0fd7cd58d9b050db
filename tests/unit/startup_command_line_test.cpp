#include <gtest/gtest.h>

#include "command_line.h"

TEST(StartupCommandLine, ArgumentsFollowTheProgramNameAndOneBlank) {
    EXPECT_EQ(CommandArguments("\"C:\\Program Files\\Brinvale TouchScreen\\NXWLHCao.exe\" /SDC"),
              "/SDC");
    EXPECT_EQ(CommandArguments("NXWLHCao.exe /sam"), "/sam");
    EXPECT_EQ(CommandArguments("NXWLHCao.exe\t/SAM"), "/SAM");
    EXPECT_EQ(CommandArguments("\"C:\\a b\\NXWLHCao.exe\"  /SDC"), " /SDC")
        << "a second blank belongs to the arguments";
    EXPECT_EQ(CommandArguments("\"C:\\a b\\NXWLHCao.exe\"/SDC"), "/SDC")
        << "a quoted name ends at its closing quote";
    EXPECT_EQ(CommandArguments("\"C:\\a b\\NXWLHCao.exe\""), "");
    EXPECT_EQ(CommandArguments("NXWLHCao.exe"), "");
    EXPECT_EQ(CommandArguments("\"C:\\unclosed /SDC"), "") << "an unclosed quote takes it all";
}

TEST(StartupCommandLine, OnlyTheWholeLineMatchesASwitchInAnyCase) {
    for (const char* line : {"/SDC", "/sdc", "/Sdc"}) {
        StartupFlags flags = ParseStartupFlags(line);
        EXPECT_TRUE(flags.doubleClick) << line;
        EXPECT_FALSE(flags.autoScan) << line;
    }
    for (const char* line : {"/SAM", "/sam"}) {
        StartupFlags flags = ParseStartupFlags(line);
        EXPECT_TRUE(flags.autoScan) << line;
        EXPECT_FALSE(flags.doubleClick) << line;
    }
    for (const char* line : {"", " /SDC", "/SDC ", "/SDC /SAM", "/SDC now", "SDC", "/SD", "-SDC"}) {
        StartupFlags flags = ParseStartupFlags(line);
        EXPECT_FALSE(flags.doubleClick || flags.autoScan) << "\"" << line << "\" is the log-on run";
    }
}
