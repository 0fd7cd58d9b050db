#include "own_program.h"

#include <windows.h>

#include "trusted_folder.h"
#include "wide_text.h"

std::string OwnProgramFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
        if (length == 0) return "";
        // a path that filled the buffer may have been cut: ask again with more room
        if (length < path.size()) return Utf8FromWide(std::wstring_view(path.data(), length));
        if (path.size() >= 32768) return "";
        path.resize(path.size() * 2);
    }
}

std::string OwnProgramFolder() {
    return FolderOfFile(OwnProgramFile());
}
