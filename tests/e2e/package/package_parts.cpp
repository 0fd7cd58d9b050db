#include "package_parts.h"

#include <aclapi.h>
#include <sddl.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <cstdlib>

#include "config_key.h"
#include "program.h"

namespace package_e2e {
namespace {

const char* const kFolderFiles[] = {"NXWLHCcp.exe", "NXWLHCao.exe", "NXWLHCdi.exe",  "NXWLHCrb.exe",
                                    "touchsim.exe", "unins000.exe", "uninstall.dat", "setup.ini",
                                    "setup.oem",    "NXVender.Bmp"};
const char* const kShortcuts[] = {"TouchScreen Control Panel.lnk", "Calibrate Touch Screen.lnk",
                                  "Double-Click Settings.lnk", "TouchScreen Software Removal.lnk"};

long ExitCodeOf(e2e::Program& program) {
    DWORD code = 0;
    if (!program.waitForExit(120000, &code)) return -1;
    return long(code);
}

// Calls `seen` with the SID and mask of each entry of the list that grants rights.
template <typename Seen>
void ForEachAllowedEntry(PACL list, Seen seen) {
    for (DWORD index = 0; list && index < list->AceCount; ++index) {
        ACE_HEADER* header = nullptr;
        if (!GetAce(list, index, reinterpret_cast<void**>(&header)) ||
            header->AceType != ACCESS_ALLOWED_ACE_TYPE)
            continue;
        auto* ace = reinterpret_cast<ACCESS_ALLOWED_ACE*>(header);
        seen(PSID(&ace->SidStart), ace->Mask, header->AceFlags);
    }
}

}  // namespace

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string StartMenuFolder() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, folder);
    return std::string(folder) + "\\" + kProduct;
}

long RunInstaller(const std::string& arguments, const char* variable) {
    const char* installer = std::getenv(variable);
    if (!installer) return -1;
    e2e::Program setup(installer, arguments);
    return ExitCodeOf(setup);
}

long RunUninstaller(const std::string& folder) {
    e2e::Program uninstaller(folder + "\\unins000.exe", "/SILENT");
    return ExitCodeOf(uninstaller);
}

std::vector<std::string> PresentParts() {
    std::vector<std::string> parts;
    auto note = [&](bool present, const std::string& part) {
        if (present) parts.push_back(part);
    };
    std::string folder = kInstallFolder;
    note(e2e::FileExists(folder), "the installation folder");
    for (const char* file : kFolderFiles) note(e2e::FileExists(folder + "\\" + file), file);
    note(e2e::FileExists(SystemFolder() + "\\drivers\\NXWLHCOM.sys"), "the driver's file");
    note(e2e::RegistryKeyExists(HKEY_LOCAL_MACHINE, kServiceKey), "the driver's service");
    note(e2e::RegistryKeyExists(HKEY_LOCAL_MACHINE, kConfigKey), "the configuration key");
    note(bool(e2e::ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kProduct)), "the Run entry");
    note(e2e::RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey), "the Add/Remove entry");
    note(e2e::FileExists(StartMenuFolder()), "the Start-menu folder");
    for (const char* link : kShortcuts)
        note(e2e::FileExists(StartMenuFolder() + "\\" + link), link);
    return parts;
}

std::vector<std::string> AllParts() {
    std::vector<std::string> parts = {"the installation folder"};
    parts.insert(parts.end(), std::begin(kFolderFiles), std::end(kFolderFiles));
    for (const char* part : {"the driver's file", "the driver's service", "the configuration key",
                             "the Run entry", "the Add/Remove entry", "the Start-menu folder"})
        parts.push_back(part);
    parts.insert(parts.end(), std::begin(kShortcuts), std::end(kShortcuts));
    return parts;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
    return text.empty() ? "none" : text;
}

std::string ReadTextFile(const std::string& path) {
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
        std::fclose(file);
    }
    return text;
}

std::string ShortcutCommand(const std::string& link) {
    std::string command;
    CoInitialize(nullptr);
    IShellLinkA* shell = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shell)))) {
        IPersistFile* file = nullptr;
        std::wstring wide(link.begin(), link.end());
        if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
            char target[MAX_PATH] = {}, arguments[MAX_PATH] = {};
            shell->GetPath(target, MAX_PATH, nullptr, 0);
            shell->GetArguments(arguments, MAX_PATH);
            command = std::string(target) + (arguments[0] ? " " : "") + arguments;
        }
        if (file) file->Release();
        shell->Release();
    }
    CoUninitialize();
    return command;
}

UsersEntry UsersAccess(const std::string& path) {
    UsersEntry entry;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, READ_CONTROL | KEY_WOW64_64KEY, &key) !=
        ERROR_SUCCESS)
        return entry;
    DWORD size = 0;
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    std::string buffer(size, '\0');
    auto* descriptor = reinterpret_cast<PSECURITY_DESCRIPTOR>(&buffer[0]);
    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    BYTE users[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof users;
    if (size > 0 &&
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor, &size) == ERROR_SUCCESS &&
        GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) &&
        CreateWellKnownSid(WinBuiltinUsersSid, nullptr, users, &sidSize)) {
        if (!present || !list) entry.mask = GENERIC_ALL;  // no access list lets everybody in
        ForEachAllowedEntry(list, [&](PSID sid, DWORD mask, BYTE flags) {
            if (!EqualSid(sid, users)) return;
            entry.mask |= mask;
            entry.flags |= flags;
        });
    }
    RegCloseKey(key);
    return entry;
}

FolderAccess FolderAccessOf(const std::string& folder) {
    FolderAccess access;
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(folder.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &list, nullptr, &descriptor) != ERROR_SUCCESS)
        return access;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    access.inheritsNothing = (control & SE_DACL_PROTECTED) != 0;
    BYTE users[SECURITY_MAX_SID_SIZE], system[SECURITY_MAX_SID_SIZE], admins[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof users;
    CreateWellKnownSid(WinBuiltinUsersSid, nullptr, users, &size);
    size = sizeof system;
    CreateWellKnownSid(WinLocalSystemSid, nullptr, system, &size);
    size = sizeof admins;
    CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, admins, &size);
    constexpr DWORD kChange = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA |
                              FILE_WRITE_ATTRIBUTES | FILE_DELETE_CHILD | DELETE | WRITE_DAC |
                              WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;
    ForEachAllowedEntry(list, [&](PSID sid, DWORD mask, BYTE) {
        if (EqualSid(sid, users)) access.users |= mask;
        if (!EqualSid(sid, system) && !EqualSid(sid, admins) && (mask & kChange))
            access.othersMayChange = true;
    });
    LocalFree(descriptor);
    return access;
}

bool FolderAccessListsAreKept() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "nx-access-probe";
    CreateDirectoryA(folder.c_str(), nullptr);
    PSECURITY_DESCRIPTOR wanted = nullptr;
    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    bool kept = false;
    if (ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;FA;;;BA)", SDDL_REVISION_1,
                                                             &wanted, nullptr) &&
        GetSecurityDescriptorDacl(wanted, &present, &list, &defaulted) &&
        SetNamedSecurityInfoA(&std::string(folder)[0], SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, list, nullptr) == ERROR_SUCCESS)
        kept = FolderAccessOf(folder).inheritsNothing;
    if (wanted) LocalFree(wanted);
    RemoveDirectoryA(folder.c_str());
    return kept;
}

namespace {

const char kPlantedFolder[] = "C:\\users\\Public\\nx-planted";

}  // namespace

std::string PlantProgramsWhereTheFactsPoint() {
    const std::string folder = kPlantedFolder;
    CreateDirectoryA(folder.c_str(), nullptr);
    const char* planted = std::getenv("NX_PLANTED_PROGRAM");
    for (const char* name : {"NXWLHCvr.exe", "NXWLHCrb.exe", "unins000.exe", "NXWLHCde.exe",
                             "NXWLHCcp.exe", "NXWLHCao.exe", "NXWLHCdi.exe"})
        CopyFileA(planted ? planted : "", (folder + "\\" + name).c_str(), FALSE);
    CopyFileA((std::string(kInstallFolder) + "\\NXVender.Bmp").c_str(),
              (folder + "\\NXLogo.Bmp").c_str(), FALSE);
    CopyFileA((std::string(kInstallFolder) + "\\setup.ini").c_str(),
              (folder + "\\NXVender.Cut").c_str(), FALSE);
    for (const char* fact : {"InstallPath", "WindowsPath", "SystemPath"})
        e2e::WriteConfigString(fact, folder);
    return folder;
}

std::string PlantedProgramRuns() {
    std::string runs;
    if (FILE* log = std::fopen((std::string(kPlantedFolder) + "\\unins000.log").c_str(), "r")) {
        char line[1024];
        while (std::fgets(line, sizeof line, log)) runs += line;
        std::fclose(log);
    }
    return runs;
}

}  // namespace package_e2e
