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
