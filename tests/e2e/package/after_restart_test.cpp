// The installed package after Windows restarted: the driver and the log-on run, then the
// removal program with the package's real uninstaller, and removals over leftovers.
#include <windows.h>

#include "config_key.h"
#include "desktop.h"
#include "e2e_test.h"
#include "package_parts.h"
#include "program.h"
#include "removal_steps.h"
#include "sim_driver.h"
#include "startup_e2e_support.h"
#include "wait.h"

using namespace e2e;
using namespace package_e2e;

TEST(PackageAfterRestart, TheProgramHeldAtTheInstallationIsTheNewOne) {
    const std::string panel = std::string(kInstallFolder) + "\\NXWLHCcp.exe";
    const std::string text = ReadTextFile(panel);
    EXPECT_EQ(text.substr(0, 2), "MZ") << "the restart put the new program in place";
    EXPECT_NE(text, kHeldProgram);
    EXPECT_FALSE(FileExists(panel + ".nxnew")) << "nothing is left beside it";
}

TEST(PackageAfterRestart, TheDriverStartsWithWindowsAndTheLogOnRunWorks) {
    ASSERT_TRUE(WaitUntil([] { return SimDriver().present(); }, 15000))
        << "the driver's service started with the prefix";
    SimDriver started;
    started.clearLog();
    std::string command = ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kProduct).value_or("");
    std::string output;
    DWORD code = 1;
    EXPECT_TRUE(RunConsole(command, output, code, 20000) && code == 0)
        << "the log-on run ends by itself with exit code 0: " << command;
    std::vector<std::string> log = started.log();
    EXPECT_EQ(CountRequests(log, "IOCTL_READ_SETTINGS"), size_t(1)) << "it asked the driver";
    EXPECT_EQ(CountRequests(log, "IOCTL_SET_SCREEN_SIZE"), size_t(1))
        << "no SMI tool ships: it told the screen size";
    std::string speed = std::to_string(ReadConfigNumber("DoubleClickSpeed").value_or(0));
    EXPECT_TRUE(startup_e2e::MouseStringIs("DoubleClickSpeed", speed))
        << "the stored double-click speed " << speed << " reached Windows";
}

TEST(PackageAfterRestart, FactsAUserPointedElsewhereStartAndReadNothingThere) {
    ASSERT_TRUE(FileExists(PlantProgramsWhereTheFactsPoint() + "\\NXWLHCvr.exe"))
        << "the planted programs are there";
    std::string command = ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kProduct).value_or("");
    std::string output;
    DWORD code = 1;
    EXPECT_TRUE(RunConsole(command, output, code, 20000) && code == 0)
        << "the log-on run still ends with exit code 0";

    Program panel(std::string(kInstallFolder) + "\\NXWLHCcp.exe");
    HWND main = WaitForTopWindow(" TouchScreen Control Panel #NX-COM");
    ASSERT_TRUE(main) << "the control panel opens";
    EXPECT_TRUE(Shows(main, "lblOemTitle")) << "the planted logo is not read";
    EXPECT_EQ(TextOf(main, "cmdSupport"), "S&upport") << "the planted cut file counts for nothing";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(panel.waitForExit(10000)) << "and closes";
    EXPECT_EQ(PlantedProgramRuns(), "") << "no planted program ran";
}

TEST(PackageAfterRestart, TheRemovalProgramRunsTheRealUninstallerToTheEnd) {
    const std::string ownFile = WindowsFolder() + "\\NXWLHCde.exe";
    const std::string planted = PlantProgramsWhereTheFactsPoint();
    ASSERT_TRUE(FileExists(planted + "\\unins000.exe")) << "the planted programs are there";
    Program tool(std::string(kInstallFolder) + "\\NXWLHCrb.exe");
    EXPECT_TRUE(WaitUntil([] { return SimDriver().windows().RightButtonHandle != kNoWindow; }))
        << "the right-button tool registered";
    Program removal(ownFile);
    HWND window = removal_steps::WaitForQuestion();
    ASSERT_TRUE(window) << "the question shows";
    Press(FindControlByName(window, "cmdYes"));
    EXPECT_TRUE(tool.waitForExit(5000)) << "the right-button tool is told to quit";
    MessageBoxInfo box;
    if (removal_steps::WaitForCompleteBox(removal, box, 60000)) {
        EXPECT_EQ(Joined(PresentParts()), "none")
            << "the uninstaller had removed everything when its process ended";
        EXPECT_TRUE(FileExists(ownFile))
            << "the removal program's own file stays until the restart";
        EXPECT_TRUE(PendingDeletion("NXWLHCde.exe")) << "and waits for it";
        EXPECT_FALSE(PendingDeletion("nx-planted")) << "nothing where WindowsPath points";
        AnswerMessageBox(box, "OK");
    }
    EXPECT_TRUE(removal.waitForExit(15000)) << "the program ends after the restart request";
    EXPECT_TRUE(WaitUntil([&] { return !FileExists(ownFile); }, 10000))
        << "its own file goes with it";
    EXPECT_EQ(PlantedProgramRuns(), "") << "the facts pointed at " << planted << ": nothing ran";
    EXPECT_TRUE(FileExists(planted + "\\NXWLHCde.exe")) << "and nothing there was deleted";
}

TEST(PackageAfterRestart, RemovingAgainOrAfterFilesWereDeletedByHandEndsCleanly) {
    ASSERT_EQ(RunInstaller("/S"), 0L) << "installed again";
    const std::string folder = kInstallFolder;
    for (const std::string& file : {folder + "\\NXWLHCcp.exe", folder + "\\setup.ini",
                                    StartMenuFolder() + "\\Double-Click Settings.lnk"})
        DeleteFileA(file.c_str());
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string aside = std::string(temp) + "nx-uninstaller-aside";
    CreateDirectoryA(aside.c_str(), nullptr);
    for (const char* file : {"\\unins000.exe", "\\uninstall.dat"})
        CopyFileA((folder + file).c_str(), (aside + file).c_str(), FALSE);

    DeleteFileA((folder + "\\uninstall.dat").c_str());
    EXPECT_EQ(RunUninstaller(folder), 2L)
        << "without its data file nothing is removed, and it says so";
    EXPECT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kServiceKey)) << "the installation stays";
    CopyFileA((aside + "\\uninstall.dat").c_str(), (folder + "\\uninstall.dat").c_str(), FALSE);

    EXPECT_EQ(RunUninstaller(folder), 0L) << "removing after files were deleted by hand";
    EXPECT_EQ(Joined(PresentParts()), "none");
    EXPECT_FALSE(FileExists(WindowsFolder() + "\\NXWLHCde.exe"))
        << "without the removal program running, its file goes too";

    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* file : {"\\unins000.exe", "\\uninstall.dat"}) {
        CopyFileA((aside + file).c_str(), (folder + file).c_str(), FALSE);
        DeleteFileA((aside + file).c_str());
    }
    RemoveDirectoryA(aside.c_str());
    EXPECT_EQ(RunUninstaller(folder), 0L) << "removing once more";
    EXPECT_EQ(Joined(PresentParts()), "none");
}

TEST(PackageAfterRestart, APackageWhoseDriverDoesNotStartSaysSoInItsExitCode) {
    // signed, and its driver file is no driver; the lifecycle verifies the signatures after this
    EXPECT_EQ(RunInstaller("/S", "NX_TEST_PACKAGE_INSTALLER"), 3L) << "the driver did not start";
    EXPECT_FALSE(SimDriver().present());
    EXPECT_TRUE(FileExists(std::string(kInstallFolder) + "\\NXWLHCcp.exe"))
        << "the programs are in place for the signature checks";
}
