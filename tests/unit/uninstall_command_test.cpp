#include <gtest/gtest.h>

#include "uninstall_command.h"

TEST(UninstallCommand, SilentIsAWordOfTheCommandLineInAnyCase) {
    for (const char* silent : {"/SILENT", "/silent", " /S", "/VERBOSE /Silent"})
        EXPECT_TRUE(IsSilentRemoval(silent)) << silent;
    for (const char* shown : {"", "/SILENTLY", "/SAM", "SILENT", "/Sx"})
        EXPECT_FALSE(IsSilentRemoval(shown)) << shown;
}

TEST(UninstallCommand, RunsInPlaceWithTheFolderLastAndUnquoted) {
    EXPECT_EQ(InPlaceUninstallCommand("C:\\Temp\\u 1\\uninstall.exe",
                                      "C:\\Program Files\\Brinvale TouchScreen", true),
              "\"C:\\Temp\\u 1\\uninstall.exe\" /S _?=C:\\Program Files\\Brinvale TouchScreen");
    EXPECT_EQ(InPlaceUninstallCommand("C:\\T\\uninstall.exe", "D:\\Touch", false),
              "\"C:\\T\\uninstall.exe\" _?=D:\\Touch");
}

TEST(UninstallCommand, FolderOfAFileHasNoTrailingBackslash) {
    EXPECT_EQ(FolderOf("C:\\Program Files\\Brinvale TouchScreen\\unins000.exe"),
              "C:\\Program Files\\Brinvale TouchScreen");
    EXPECT_EQ(FolderOf("unins000.exe"), "");
}

TEST(UninstallCommand, ARemovalGoesThroughNowOrAtTheRestartAndNeedsItsUninstaller) {
    EXPECT_TRUE(RemovalWentThrough(0));
    EXPECT_TRUE(RemovalWentThrough(3010)) << "files in use go at the restart";
    EXPECT_FALSE(RemovalWentThrough(1)) << "cancelled";
    EXPECT_FALSE(RemovalWentThrough(2)) << "a step failed";
    EXPECT_EQ(ExitCodeWithoutUninstaller(false), 0) << "removed before, only this program left";
    EXPECT_EQ(ExitCodeWithoutUninstaller(true), 2) << "never 0 while parts are left";
}
