// The package on a machine that never had it: one in a folder of its own, then a silent
// installation and installations over it.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "config_key.h"
#include "e2e_test.h"
#include "package_parts.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;
using namespace package_e2e;

namespace {

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// Written from the building machine, a path would name its Unix folders (Wine's drive Z:).
bool NamesTheBuildingMachine(const std::string& text) {
    return text.find('/') != std::string::npos || text.find("Z:\\") != std::string::npos;
}

}  // namespace

TEST(PackageInstall, AFolderOutsideProgramFilesIsClosedToUsers) {
    const std::string folder = "C:\\nx-elsewhere";
    CreateDirectoryA(folder.c_str(), nullptr);  // made beforehand, with the drive's rights
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string log = std::string(temp) + "nx-elsewhere.log";
    ASSERT_EQ(RunInstaller("/S /LOG=" + log + " /D=" + folder), 0L);
    EXPECT_NE(ReadTextFile(log).find("Protected " + folder +
                                     ": Administrators and SYSTEM full "
                                     "control, Users read and run, nothing inherited."),
              std::string::npos)
        << "the installer set the folder's access list";
    if (FolderAccessListsAreKept()) {
        FolderAccess access = FolderAccessOf(folder);
        EXPECT_TRUE(access.inheritsNothing) << "nothing inherited from the drive";
        EXPECT_EQ(access.users, DWORD(FILE_GENERIC_READ | FILE_GENERIC_EXECUTE))
            << "Users read and run";
        EXPECT_FALSE(access.othersMayChange) << "only Administrators and SYSTEM change it";
    } else {
        std::printf(
            "wine: this file system keeps no access lists; the folder's is not read back\n");
    }
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation").value_or(""),
              folder);
    EXPECT_EQ(RunUninstaller(folder), 0L);
    EXPECT_EQ(Joined(PresentParts()), "none") << "a clean machine for the tests that follow";
}

TEST(PackageInstall, SilentInstallPutsEveryPartInPlace) {
    ASSERT_EQ(RunInstaller("/S"), 0L) << "the silent installation ends with exit code 0";
    EXPECT_EQ(Joined(PresentParts()), Joined(AllParts()));
    const std::string folder = kInstallFolder;
    EXPECT_TRUE(FileExists(WindowsFolder() + "\\NXWLHCde.exe"))
        << "the removal program lies in the Windows folder";

    EXPECT_EQ(ReadRegistryNumber(HKEY_LOCAL_MACHINE, kServiceKey, "Type").value_or(0), 1ul);
    EXPECT_EQ(ReadRegistryNumber(HKEY_LOCAL_MACHINE, kServiceKey, "Start").value_or(0), 2ul)
        << "the driver starts with Windows";
    EXPECT_EQ(ReadRegistryNumber(HKEY_LOCAL_MACHINE, kServiceKey, "ErrorControl").value_or(0), 1ul);
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kServiceKey, "ImagePath").value_or(""),
              "\\SystemRoot\\System32\\drivers\\NXWLHCOM.sys");
    EXPECT_TRUE(SimDriver().present()) << "the installer started the driver";

    const std::pair<const char*, std::string> facts[] = {{"VenderName", "Brinvale Touch Systems"},
                                                         {"VenderStyle", "21140900"},
                                                         {"InstallPath", folder},
                                                         {"WindowsPath", WindowsFolder()},
                                                         {"SystemPath", SystemFolder()},
                                                         {"HardwareID", "SERENUM\\BRV0750"}};
    for (const auto& fact : facts)
        EXPECT_EQ(ReadConfigString(fact.first).value_or("missing"), fact.second) << fact.first;
    // read before the prefix restarts: Wine enforces a key's access list but does not save it
    UsersEntry users = UsersAccess(kConfigKey);
    EXPECT_EQ(users.mask, 0x2001Bul) << "Users may read and set the configuration key's values: "
                                        "no subkeys, no deleting, no access list of theirs";
    EXPECT_EQ(users.flags, 0) << "an entry of the key's own, passed on to no subkey";
    EXPECT_EQ(UsersAccess("SOFTWARE\\Brinvale\\TouchScreen").mask & KEY_SET_VALUE, 0ul)
        << "and no other key's";
    // the setup program ran: setup.ini's values, the packed groups among them
    EXPECT_EQ(ReadConfigNumber("FeedbackTone").value_or(0), 1000ul);
    EXPECT_EQ(ReadConfigNumber("MouseSpeed").value_or(0), 0x0A0A0100ul);
    EXPECT_EQ(ReadConfigNumber("DoubleClickWidth").value_or(0), 32ul);

    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kProduct).value_or(""),
              Quoted(folder + "\\NXWLHCao.exe"));
    const std::pair<const char*, std::string> entry[] = {
        {"DisplayName", kProduct},
        {"DisplayVersion", "7.5"},
        {"Publisher", "Brinvale Touch Systems"},
        {"DisplayIcon", folder + "\\NXWLHCcp.exe,0"},
        {"InstallLocation", folder},
        {"UninstallString", Quoted(folder + "\\unins000.exe")},
        {"QuietUninstallString", Quoted(folder + "\\unins000.exe") + " /SILENT"}};
    for (const auto& value : entry)
        EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, value.first).value_or(""),
                  value.second)
            << value.first;
    EXPECT_EQ(ReadRegistryNumber(HKEY_LOCAL_MACHINE, kUninstallKey, "NoModify").value_or(0), 1ul);
    EXPECT_EQ(ReadRegistryNumber(HKEY_LOCAL_MACHINE, kUninstallKey, "NoRepair").value_or(0), 1ul);
    EXPECT_TRUE(ReadRegistryNumber(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize").value_or(0) >
                100)
        << "the size in KB";
    for (const char* name : {"InstallPath", "WindowsPath", "SystemPath"})
        EXPECT_FALSE(NamesTheBuildingMachine(ReadConfigString(name).value_or(""))) << name;

    const std::string menu = StartMenuFolder() + "\\";
    EXPECT_EQ(ShortcutCommand(menu + "TouchScreen Control Panel.lnk"), folder + "\\NXWLHCcp.exe");
    EXPECT_EQ(ShortcutCommand(menu + "Calibrate Touch Screen.lnk"),
              folder + "\\NXWLHCcp.exe /CALIBRATE");
    EXPECT_EQ(ShortcutCommand(menu + "Double-Click Settings.lnk"), folder + "\\NXWLHCao.exe /SDC");
    EXPECT_EQ(ShortcutCommand(menu + "TouchScreen Software Removal.lnk"),
              WindowsFolder() + "\\NXWLHCde.exe");
}

TEST(PackageInstall, InstallingAgainKeepsTheUsersChoicesAndReplacesThePrograms) {
    const std::string panel = std::string(kInstallFolder) + "\\NXWLHCcp.exe";
    WriteConfigNumber("CalibrationMode", 0);
    WriteConfigNumber("DoubleClickSpeed", 650);
    WriteConfigNumber("AutoScanDevice", 1234);
    WriteConfigString("Calibrated", "by the user");  // a value no setup file names
    DeleteFileA(panel.c_str());
    ASSERT_EQ(RunInstaller("/S"), 0L) << "the second installation ends with exit code 0";
    EXPECT_EQ(Joined(PresentParts()), Joined(AllParts())) << "the deleted program is back";
    EXPECT_EQ(ReadConfigNumber("CalibrationMode").value_or(9), 0ul);
    EXPECT_EQ(ReadConfigNumber("DoubleClickSpeed").value_or(0), 650ul);
    EXPECT_EQ(ReadConfigNumber("AutoScanDevice").value_or(0), 1234ul);
    EXPECT_EQ(ReadConfigString("Calibrated").value_or(""), "by the user");
    EXPECT_EQ(ReadConfigNumber("FeedbackTone").value_or(0), 1000ul) << "the defaults are there";
    EXPECT_EQ(ReadRegistryNumber(HKEY_LOCAL_MACHINE, kServiceKey, "Start").value_or(0), 2ul);
    EXPECT_TRUE(WaitUntil([] { return SimDriver().present(); }, 10000))
        << "the driver was stopped for its file and started again";
}

TEST(PackageInstall, AProgramHeldOpenWaitsForTheRestartAndTheLogSaysSo) {
    const std::string panel = std::string(kInstallFolder) + "\\NXWLHCcp.exe";
    HANDLE held = CreateFileA(panel.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE) << "held open with no sharing";
    DWORD written = 0;
    WriteFile(held, kHeldProgram, DWORD(strlen(kHeldProgram)), &written, nullptr);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string log = std::string(temp) + "nx install log.txt";
    DeleteFileA(log.c_str());
    long code = RunInstaller("/S /LOG=\"" + log + "\"");
    CloseHandle(held);
    EXPECT_EQ(code, 3010L) << "in place once Windows restarts";
    EXPECT_TRUE(PendingDeletion("NXWLHCcp.exe")) << "the new file waits for the restart";
    std::string text = ReadTextFile(log);
    EXPECT_NE(text.find("NXWLHCcp.exe is in use: replaced when Windows restarts."),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Exit code 3010"), std::string::npos) << text;
}
