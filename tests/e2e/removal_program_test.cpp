// The removal program from the question to the restart, with the uninstaller stand-in.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "config_key.h"
#include "desktop.h"
#include "input.h"
#include "e2e_test.h"
#include "program.h"
#include "removal_steps.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;
using namespace removal_steps;

namespace {

// The installation folder as the environment was prepared; the uninstaller removes the key
// that names it, so it is read once.
const std::string& InstallFolder() {
    static const std::string folder = InstallPath();
    return folder;
}

// The removal program lives in the Windows folder, from where it schedules its own deletion.
std::string InstallRemovalProgram() {
    std::string target = WindowsFolder() + "\\NXWLHCde.exe";
    CopyFileA((InstallFolder() + "\\NXWLHCde.exe").c_str(), target.c_str(), FALSE);
    return target;
}

std::string UninstallerLog() {
    std::ifstream log(InstallFolder() + "\\unins000.log");
    std::stringstream text;
    text << log.rdbuf();
    return text.str();
}

void ForgetUninstallerRuns() {
    DeleteFileA((InstallFolder() + "\\unins000.log").c_str());
}

}  // namespace

TEST(RemovalProgram, EnterAndEscAnswerNoAndChangeNothing) {
    CloseLeftoverWindows(kTitle, 0);
    SimDriver driver;
    driver.reset();
    ForgetUninstallerRuns();
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
        Program removal("NXWLHCde.exe");
        HWND window = WaitForQuestion();
        ASSERT_TRUE(window) << "the question shows";
        HWND ask = FindControlByName(window, "lblAsk");
        EXPECT_EQ(WindowText(ask),
                  "Are you sure you want to completely remove "
                  "TouchScreen V.7.5.COM and all of its components?");
        EXPECT_EQ(WindowText(FindControlByName(window, "lblSystem")),
                  "TouchScreen Software Removal Version 7.5.COM");
        if (key == VK_RETURN) SaveScreenshot(window, "removal_question");
        RECT yes, no, client;
        GetWindowRect(FindControlByName(window, "cmdYes"), &yes);
        GetWindowRect(FindControlByName(window, "cmdNo"), &no);
        GetClientRect(window, &client);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&yes), 2);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&no), 2);
        EXPECT_TRUE(std::abs(yes.left - (client.right - no.right)) <= 2) << "the pair is centred";
        BringForward(window);
        PressKey(key);
        EXPECT_TRUE(removal.waitForExit(5000))
            << (key == VK_RETURN ? "Enter" : "Esc") << " answers No";
    }
    EXPECT_EQ(UninstallerLog(), std::string()) << "the uninstaller never ran";
}

TEST(RemovalProgram, YesClosesTheToolsRunsTheUninstallerAndRestarts) {
    CloseLeftoverWindows(kTitle, 0);
    CloseLeftoverWindows(" C-RBF", 0x100E);
    CloseLeftoverWindows("SMI Tool (simulated)", 0x200E);
    SimDriver driver;
    driver.reset();
    ForgetUninstallerRuns();
    std::string ownFile = InstallRemovalProgram();
    {
        InstallationSnapshot installation;  // the uninstaller removes it; it comes back afterwards
        Program tool("NXWLHCrb.exe");
        Program smi("NXWLHCvr.exe");
        EXPECT_TRUE(WaitUntil([&] {
            SimWindows windows = driver.windows();
            return windows.RightButtonHandle != kNoWindow && windows.SmiHandle != kNoWindow;
        })) << "both tools registered";
        Program removal(ownFile);
        HWND window = WaitForQuestion();
        ASSERT_TRUE(window);
        Press(FindControlByName(window, "cmdYes"));
        EXPECT_TRUE(tool.waitForExit(5000)) << "the right-button tool is told to quit";
        EXPECT_TRUE(smi.waitForExit(5000)) << "the SMI tool is told to quit";
        EXPECT_EQ(driver.windows().RightButtonHandle, kNoWindow);
        HWND progress = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            progress = FindTopWindow(kTitle);
            return progress && progress != window;
        })) << "the message window shows";
        if (progress) {
            SaveScreenshot(progress, "removal_progress");
            bool saysRemoving = false;
            for (const Control& control : ListControls(progress))
                saysRemoving |= control.text == "Removing files from your system...";
            EXPECT_TRUE(saysRemoving) << "with \"Removing files from your system...\"";
        }
        MessageBoxInfo box;
        if (WaitForCompleteBox(removal, box, 30000)) {
            EXPECT_EQ(box.icon, "information");
            SaveScreenshot(box.handle, "removal_complete");
            EXPECT_TRUE(PendingDeletion("NXWLHCde.exe")) << "its own file waits for the restart";
            AnswerMessageBox(box, "OK");
        }
        EXPECT_TRUE(UninstallerLog().find("/SILENT") != std::string::npos)
            << "run silently: " << UninstallerLog();
        EXPECT_FALSE(ReadConfigString("InstallPath"))
            << "the uninstaller removed the configuration key";
        EXPECT_TRUE(removal.waitForExit(15000)) << "the program ends after the restart request";
        EXPECT_TRUE(WaitUntil([&] { return !FileExists(ownFile); }, 10000))
            << "its own file goes with the restart";
        ForgetUninstallerRuns();
    }
    InstallRemovalProgram();  // later tests find the removal program where it belongs
}

TEST(RemovalProgram, ASlowOrMissingUninstallerEndsWithItsBoxAndNoRestart) {
    CloseLeftoverWindows(kTitle, 0);
    SimDriver driver;
    driver.reset();
    ForgetUninstallerRuns();
    std::string ownFile = InstallRemovalProgram();
    {
        InstallationSnapshot installation;  // the slow uninstaller still removes it, later
        InstallFileGuard delay("unins000.delay", "14");
        Program removal(ownFile);
        HWND window = WaitForQuestion();
        ASSERT_TRUE(window);
        Press(FindControlByName(window, "cmdYes"));
        EXPECT_TRUE(EndsAfterBox(removal, kTitle, "Fail to remove files! (WAIT_TIMEOUT)", 5000,
                                 "exclamation", 30000));
        EXPECT_FALSE(PendingDeletion("NXWLHCde.exe")) << "nothing scheduled when it did not finish";
        EXPECT_TRUE(
            WaitUntil([] { return UninstallerLog().find("removed") != std::string::npos; }, 20000))
            << "the uninstaller goes on after the removal program gave up";
    }
    std::string uninstaller = InstallFolder() + "\\unins000.exe";
    std::string aside = uninstaller + ".aside";
    MoveFileA(uninstaller.c_str(), aside.c_str());
    {
        Program removal(ownFile);
        HWND window = WaitForQuestion();
        EXPECT_TRUE(window);
        if (window) {
            Press(FindControlByName(window, "cmdYes"));
            MessageBoxInfo box;
            bool shown = WaitForMessageBox(kTitle, box, removal.id(), 15000);
            EXPECT_TRUE(shown);
            if (shown) {
                EXPECT_EQ(box.text, "Fail to remove files! (Startup)");
                AnswerMessageBox(box, "OK");
            }
            EXPECT_TRUE(removal.waitForExit(5000));
        }
    }
    MoveFileA(aside.c_str(), uninstaller.c_str());
    ForgetUninstallerRuns();
}

TEST(RemovalProgram, MissingInstallationFactsEndWithAPlainBox) {
    CloseLeftoverWindows(kTitle, 0);
    ConfigValueGuard windows("WindowsPath");
    DeleteConfigValue("WindowsPath");
    Program removal("NXWLHCde.exe");
    EXPECT_TRUE(
        EndsAfterBox(removal, kTitle, "Fail to load data from Register File!", 5000, "none"));
}
