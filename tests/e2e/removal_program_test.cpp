// The removal program from the question to the restart, with the uninstaller stand-in.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "config_key.h"
#include "desktop.h"
#include "e2e_test.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

const char kTitle[] = "TouchScreen Software Removal";

// The installation folder as the environment was prepared; the uninstaller removes the key
// that names it, so it is read once.
const std::string& InstallFolder() {
    static const std::string folder = InstallPath();
    return folder;
}

std::string WindowsFolder() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
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

HWND WaitForQuestion() {
    HWND window = WaitForTopWindow(kTitle);
    if (!window || !FindControlByName(window, "lblAsk")) return nullptr;
    PumpFor(300);  // the question settles as the active window before a test answers it
    return window;
}

}  // namespace

E2E_TEST(RemovalProgram, EnterAndEscAnswerNoAndChangeNothing) {
    CloseLeftoverWindows(kTitle, 0);
    SimDriver driver;
    driver.reset();
    ForgetUninstallerRuns();
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
        Program removal("NXWLHCde.exe");
        HWND window = WaitForQuestion();
        if (!(CHECK(window) << "the question shows")) return;
        HWND ask = FindControlByName(window, "lblAsk");
        CHECK_EQ(WindowText(ask), std::string("Are you sure you want to completely remove "
                                              "TouchScreen V.7.5.COM and all of its components?"));
        CHECK_EQ(WindowText(FindControlByName(window, "lblSystem")),
                 std::string("TouchScreen Software Removal Version 7.5.COM"));
        if (key == VK_RETURN) SaveScreenshot(window, "removal_question");
        RECT yes, no, client;
        GetWindowRect(FindControlByName(window, "cmdYes"), &yes);
        GetWindowRect(FindControlByName(window, "cmdNo"), &no);
        GetClientRect(window, &client);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&yes), 2);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&no), 2);
        CHECK(std::abs(yes.left - (client.right - no.right)) <= 2) << "the pair is centred";
        SetForegroundWindow(window);
        WaitUntil([&] { return GetForegroundWindow() == window; });
        PressKey(key);
        CHECK(removal.waitForExit(5000)) << (key == VK_RETURN ? "Enter" : "Esc") << " answers No";
    }
    CHECK_EQ(UninstallerLog(), std::string()) << "the uninstaller never ran";
}

E2E_TEST(RemovalProgram, YesClosesTheToolsRunsTheUninstallerAndRestarts) {
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
        CHECK(WaitUntil([&] {
            SimWindows windows = driver.windows();
            return windows.RightButtonHandle != kNoWindow && windows.SmiHandle != kNoWindow;
        })) << "both tools registered";
        Program removal(ownFile);
        HWND window = WaitForQuestion();
        if (!CHECK(window)) return;
        Click(FindControlByName(window, "cmdYes"));
        if (!(CHECK(tool.waitForExit(5000)) << "the right-button tool is told to quit"))
            SaveScreenshot(GetDesktopWindow(), "removal_tools_still_running");
        CHECK(smi.waitForExit(5000)) << "the SMI tool is told to quit";
        CHECK_EQ(driver.windows().RightButtonHandle, kNoWindow);
        HWND progress = nullptr;
        CHECK(WaitUntil([&] {
            progress = FindTopWindow(kTitle);
            return progress && progress != window;
        })) << "the message window shows";
        if (progress) {
            SaveScreenshot(progress, "removal_progress");
            bool saysRemoving = false;
            for (const Control& control : ListControls(progress))
                saysRemoving |= control.text == "Removing files from your system...";
            CHECK(saysRemoving) << "with \"Removing files from your system...\"";
        }
        MessageBoxInfo box;
        if (CHECK(WaitForMessageBox(kTitle, box, removal.id(), 30000)) << "the final message") {
            CHECK_EQ(box.text,
                     std::string("Removal is complete to uninstall TouchScreen drivers and "
                                 "utilities.\r\n\r\nThe Windows must be restarted."));
            CHECK_EQ(box.icon, std::string("information"));
            SaveScreenshot(box.handle, "removal_complete");
            CHECK(PendingDeletion("NXWLHCde.exe")) << "its own file waits for the restart";
            AnswerMessageBox(box, "OK");
        }
        CHECK(UninstallerLog().find("/SILENT") != std::string::npos)
            << "run silently: " << UninstallerLog();
        CHECK(!ReadConfigString("InstallPath")) << "the uninstaller removed the configuration key";
        CHECK(removal.waitForExit(15000)) << "the program ends after the restart request";
        CHECK(WaitUntil(
            [&] { return GetFileAttributesA(ownFile.c_str()) == INVALID_FILE_ATTRIBUTES; }, 10000))
            << "its own file goes with the restart";
        ForgetUninstallerRuns();
    }
    InstallRemovalProgram();  // later tests find the removal program where it belongs
}

E2E_TEST(RemovalProgram, ASlowOrMissingUninstallerEndsWithItsBoxAndNoRestart) {
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
        if (!CHECK(window)) return;
        Click(FindControlByName(window, "cmdYes"));
        MessageBoxInfo box;
        if (CHECK(WaitForMessageBox(kTitle, box, removal.id(), 30000))) {
            CHECK_EQ(box.text, std::string("Fail to remove files! (WAIT_TIMEOUT)"));
            CHECK_EQ(box.icon, std::string("exclamation"));
            AnswerMessageBox(box, "OK");
        }
        CHECK(removal.waitForExit(5000));
        CHECK(!PendingDeletion("NXWLHCde.exe")) << "nothing scheduled when it did not finish";
        CHECK(
            WaitUntil([] { return UninstallerLog().find("removed") != std::string::npos; }, 20000))
            << "the uninstaller goes on after the removal program gave up";
    }
    std::string uninstaller = InstallFolder() + "\\unins000.exe";
    std::string aside = uninstaller + ".aside";
    MoveFileA(uninstaller.c_str(), aside.c_str());
    {
        Program removal(ownFile);
        HWND window = WaitForQuestion();
        if (CHECK(window)) {
            Click(FindControlByName(window, "cmdYes"));
            MessageBoxInfo box;
            if (CHECK(WaitForMessageBox(kTitle, box, removal.id(), 15000))) {
                CHECK_EQ(box.text, std::string("Fail to remove files! (Startup)"));
                AnswerMessageBox(box, "OK");
            }
            CHECK(removal.waitForExit(5000));
        }
    }
    MoveFileA(aside.c_str(), uninstaller.c_str());
    ForgetUninstallerRuns();
}

E2E_TEST(RemovalProgram, MissingInstallationFactsEndWithAPlainBox) {
    CloseLeftoverWindows(kTitle, 0);
    ConfigValueGuard windows("WindowsPath");
    DeleteConfigValue("WindowsPath");
    Program removal("NXWLHCde.exe");
    MessageBoxInfo box;
    if (CHECK(WaitForMessageBox(kTitle, box, removal.id()))) {
        CHECK_EQ(box.text, std::string("Fail to load data from Register File!"));
        CHECK_EQ(box.icon, std::string("none"));
        AnswerMessageBox(box, "OK");
    }
    CHECK(removal.waitForExit(5000));
}
