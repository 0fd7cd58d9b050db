// What the installation package puts on a machine, as the lifecycle tests look at it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace package_e2e {

constexpr char kInstallFolder[] = "C:\\Program Files\\Brinvale TouchScreen";
constexpr char kConfigKey[] = "SOFTWARE\\Brinvale\\TouchScreen\\NX-COM";
constexpr char kServiceKey[] = "System\\CurrentControlSet\\Services\\NXWLHCOM";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TouchScreen NX-COM";
constexpr char kProduct[] = "TouchScreen NX-COM";

std::string SystemFolder();
std::string StartMenuFolder();  // the product's folder in every user's Start menu

// The installer the tests run (NX_PACKAGE_INSTALLER, or the one another variable names), with
// its arguments; its exit code, or -1 when it did not end within two minutes.
long RunInstaller(const std::string& arguments, const char* variable = "NX_PACKAGE_INSTALLER");
long RunUninstaller(const std::string& folder);  // "unins000.exe /SILENT" from that folder

// Every part of an installation that is there now, each named so that a person can tell
// what is left over; the removal program's own file is not among them.
std::vector<std::string> PresentParts();
std::vector<std::string> AllParts();
std::string Joined(const std::vector<std::string>& parts);  // "a, b, c", "none" when empty

// What the held-open test leaves in a program file until the restart replaces it.
constexpr char kHeldProgram[] = "old program";

// A whole text file; "" when it cannot be read.
std::string ReadTextFile(const std::string& path);

// A shortcut's target and arguments, "" when it cannot be read.
std::string ShortcutCommand(const std::string& link);

// What the key's access list grants the built-in Users group: every allowing entry's rights
// and inheritance flags together; a key without an access list grants everything.
struct UsersEntry {
    DWORD mask = 0;
    BYTE flags = 0;
};
UsersEntry UsersAccess(const std::string& path);

// A folder's access list as the tests judge it.
struct FolderAccess {
    bool inheritsNothing = false;  // protected from the drive's entries
    DWORD users = 0;               // the rights of the built-in Users group
    bool othersMayChange = false;  // anyone but SYSTEM and Administrators may write or delete
};
FolderAccess FolderAccessOf(const std::string& folder);
// Whether the file system keeps a folder's access list: Wine keeps it only where the file
// system stores extended attributes.
bool FolderAccessListsAreKept();

// A folder every user can write, holding the uninstaller stand-in (NX_PLANTED_PROGRAM) under
// the name of every program ours start, a logo and a cut file; the configuration key's
// InstallPath, WindowsPath and SystemPath are pointed at it, as any user can. Each planted
// program notes its start in "unins000.log" there.
std::string PlantProgramsWhereTheFactsPoint();
// The planted programs' starts so far, one command line a line; "" when none ran.
std::string PlantedProgramRuns();

}  // namespace package_e2e
