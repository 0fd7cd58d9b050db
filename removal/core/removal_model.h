// The removal program's decisions: its texts, the layout of its question and the outcome of
// waiting for the uninstaller.
#pragma once

#include <stdint.h>

#include <string>

constexpr char kRemovalProgramTitle[] = "TouchScreen Software Removal";
constexpr char kRemovingText[] = "Removing files from your system...";
constexpr char kUninstallerFile[] = "unins000.exe";
constexpr int kUninstallerRounds = 10;  // one-second waits before giving up

// "Are you sure you want to completely remove TouchScreen V.7.5.COM and all of its components?"
std::string RemovalQuestion();
std::string RemovalCompleteText();
// The Add or Remove Programs entry of the installation: only administrators write it, so its
// InstallLocation names the folder whose uninstaller the removal program starts.
constexpr char kUninstallEntryKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TouchScreen NX-COM";
constexpr char kInstallLocationValue[] = "InstallLocation";

// "\"C:\...\unins000.exe\" /SILENT": the folder is quoted, it may hold spaces. Empty without a
// folder, so that nothing is started.
std::string UninstallerCommandLine(const std::string& installFolder);

struct ButtonPair {
    int32_t yesLeft;
    int32_t noLeft;
};
// A centred pair with a gap of half a button between them, in twips.
ButtonPair CentreButtonPair(int32_t innerWidth, int32_t yesWidth, int32_t noWidth);

// The window's width in twips: wide enough for its caption and two buttons.
int32_t RemovalWindowWidth(int32_t currentWidth, int32_t captionTextWidth, int32_t yesWidth);

enum class WaitResult { Finished, TimedOut, Failed, Abandoned };

// Where the wait for the uninstaller stands after one round.
struct UninstallerWait {
    int16_t counter = 0;  // one-second rounds so far; -1 once the uninstaller has finished
    bool over = false;
    std::string failure;  // the box to show when the wait ended without the uninstaller ending

    void round(WaitResult result);
    bool finished() const { return counter == -1; }
};
