// unins000.exe: the package's uninstaller as the removal program and Add or Remove Programs
// start it. The NSIS uninstaller would copy itself to the temp folder and return at once; this
// program runs such a copy in place on the installation folder and waits for it, so that its
// own process ends only when the removal is complete, with the NSIS uninstaller's exit code.
#include <windows.h>

#include <string>

#include "uninstall_command.h"

namespace {

constexpr char kTitle[] = "TouchScreen NX-COM";
constexpr const char* kInstalledKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TouchScreen NX-COM",
    "SOFTWARE\\Brinvale\\TouchScreen\\NX-COM", "System\\CurrentControlSet\\Services\\NXWLHCOM"};
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "TouchScreen NX-COM";

std::string ModulePath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The Add or Remove entry, the configuration key, the driver's service or the Run entry.
bool InstalledPartsLeft() {
    for (const char* path : kInstalledKeys)
        if (KeyExists(path)) return true;
    HKEY run = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &run) !=
        ERROR_SUCCESS)
        return false;
    bool left =
        RegQueryValueExA(run, kRunValue, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(run);
    return left;
}

// A folder of its own in the temp folder for the running copy.
std::string MakeWorkFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder =
        std::string(temp) + "nx-uninstall-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Runs the command and waits for its end; the exit code, or 2 when it could not start.
DWORD RunAndWait(const std::string& program, std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return 2;
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 2;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return code;
}

// A running program's file cannot be deleted, but it can be moved: out of the installation
// folder, which can then go, into the work folder, which goes at the next start of Windows.
void RetireFromFolder(const std::string& self, const std::string& installFolder,
                      const std::string& workFolder) {
    std::string parked = workFolder + "\\unins000.exe";
    if (MoveFileExA(self.c_str(), parked.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        MoveFileExA(parked.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        MoveFileExA(workFolder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        RemoveDirectoryA(installFolder.c_str());
    } else {
        MoveFileExA(self.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        MoveFileExA(installFolder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        RemoveDirectoryA(workFolder.c_str());
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    const std::string self = ModulePath();
    const std::string installFolder = FolderOf(self);
    const bool silent = IsSilentRemoval(arguments ? arguments : "");
    const std::string uninstaller = installFolder + "\\" + kNsisUninstallerFile;
    const std::string workFolder = MakeWorkFolder();
    if (!FileExists(uninstaller)) {
        int code = ExitCodeWithoutUninstaller(InstalledPartsLeft());
        if (code != kExitDone) {
            if (!silent)
                MessageBoxA(nullptr,
                            "TouchScreen NX-COM cannot be removed: its uninstaller's data file "
                            "is missing.\r\n\r\nInstall the package again, then remove it.",
                            kTitle, MB_OK | MB_ICONSTOP);
            RemoveDirectoryA(workFolder.c_str());
            return code;
        }
        // an earlier removal already ran; only this file is left
        if (!silent)
            MessageBoxA(nullptr, "TouchScreen NX-COM has already been removed.", kTitle,
                        MB_OK | MB_ICONINFORMATION);
        RetireFromFolder(self, installFolder, workFolder);
        return code;
    }
    const std::string copy = workFolder + "\\uninstall.exe";
    DWORD code = 2;
    if (CopyFileA(uninstaller.c_str(), copy.c_str(), FALSE)) {
        code = RunAndWait(copy, InPlaceUninstallCommand(copy, installFolder, silent));
        DeleteFileA(copy.c_str());
    }
    // a removal cancelled by the user keeps its uninstaller; a complete one took it away
    if (RemovalWentThrough(code) && !FileExists(uninstaller))
        RetireFromFolder(self, installFolder, workFolder);
    else
        RemoveDirectoryA(workFolder.c_str());
    return int(code);
}
