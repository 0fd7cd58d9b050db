// unins000.exe, the stand-in for the installation package's uninstaller. Started with /SILENT
// it removes what the installation put in its folder (everything but its own files) and the
// configuration key, without a window. It notes every start in "unins000.log" beside itself,
// and first runs for as many seconds as "unins000.delay" beside it says, so a test can make
// it slow.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool IsOwnFile(const char* name) {
    return _strnicmp(name, "unins000.", 9) == 0;
}

void RemoveInstalledFiles(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (IsOwnFile(found.cFileName)) continue;
        DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self);
    folder.resize(folder.find_last_of('\\'));
    if (FILE* log = std::fopen((folder + "\\unins000.log").c_str(), "a")) {
        std::fprintf(log, "%s\n", commandLine);
        std::fclose(log);
    }
    int seconds = 0;
    if (FILE* delay = std::fopen((folder + "\\unins000.delay").c_str(), "r")) {
        if (std::fscanf(delay, "%d", &seconds) != 1) seconds = 0;
        std::fclose(delay);
    }
    if (seconds > 0) Sleep(DWORD(seconds) * 1000);
    if (std::strstr(commandLine, "/SILENT") == nullptr) return 0;
    RemoveInstalledFiles(folder);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Brinvale\\TouchScreen\\NX-COM");
    if (FILE* log = std::fopen((folder + "\\unins000.log").c_str(), "a")) {
        std::fprintf(log, "removed\n");
        std::fclose(log);
    }
    return 0;
}
