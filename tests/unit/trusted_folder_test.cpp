#include <gtest/gtest.h>

#include "trusted_folder.h"

TEST(TrustedFolder, IsTheOwnFilesFolderAndFilesAreLookedForOnlyThere) {
    EXPECT_EQ(FolderOfFile("C:\\Program Files\\Brinvale TouchScreen\\NXWLHCcp.exe"),
              "C:\\Program Files\\Brinvale TouchScreen");
    EXPECT_EQ(FolderOfFile("C:\\NXWLHCde.exe"), "C:\\") << "a drive's root, not its current folder";
    EXPECT_EQ(FolderOfFile("\\\\server\\share\\NXWLHCao.exe"), "\\\\server\\share");
    EXPECT_EQ(FolderOfFile("NXWLHCcp.exe"), "");
    EXPECT_EQ(FolderOfFile(""), "");

    EXPECT_EQ(FileInFolder("C:\\Program Files\\Brinvale", "setup.ini"),
              "C:\\Program Files\\Brinvale\\setup.ini");
    EXPECT_EQ(FileInFolder("C:\\Tools\\", "setup.oem"), "C:\\Tools\\setup.oem");
    EXPECT_EQ(FileInFolder("", "setup.ini"), "") << "not the drive's root, not win.ini";
}
