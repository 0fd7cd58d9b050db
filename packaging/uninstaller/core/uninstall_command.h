// How the package's uninstaller reads its command line and starts the NSIS uninstaller it
// carries, in place on the installation folder.
#pragma once

#include <string>

// The NSIS uninstaller beside unins000.exe; not an .exe, so that nobody starts it by hand.
constexpr char kNsisUninstallerFile[] = "uninstall.dat";

// "/SILENT" (or NSIS's own "/S") as a word of the command line, in any case.
bool IsSilentRemoval(const std::string& arguments);

// The NSIS uninstaller's command line: "_?=" makes it work on that folder in its own process
// instead of relaunching itself; the switch must come last and stay unquoted.
std::string InPlaceUninstallCommand(const std::string& program, const std::string& installFolder,
                                    bool silent);

// The folder of a file's path, without the trailing backslash.
std::string FolderOf(const std::string& path);

// Exit codes, the installer's too: removed; removed once Windows has restarted (a file in use
// is deleted then); a step failed and something is left.
constexpr int kExitDone = 0;
constexpr int kExitStepFailed = 2;
constexpr int kExitRestartNeeded = 3010;

// The uninstaller's exit code says the removal went through, now or at the next restart.
bool RemovalWentThrough(unsigned long exitCode);

// Without the NSIS uninstaller nothing can be removed: an earlier removal that went through left
// nothing but this program (0); anything else still installed fails the removal.
int ExitCodeWithoutUninstaller(bool partsLeft);
