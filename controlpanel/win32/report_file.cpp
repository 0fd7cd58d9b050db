#include "report_file.h"

#include <cderr.h>
#include <commdlg.h>
#include <shlobj.h>

namespace {

std::string SystemMessage(DWORD error) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message.empty() ? "Error " + std::to_string(error) + "." : message;
}

// A function of a system library loaded when first needed: the Save dialog's libraries and
// theirs would otherwise load with every start of the program, for the rare saved report.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
    HMODULE module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

std::string AskWhereToSave(HWND owner, const std::string& title, const std::string& name,
                           DWORD& dialogError) {
    dialogError = 0;
    auto getFolderPath =
        SystemFunction<decltype(&SHGetFolderPathA)>("shell32.dll", "SHGetFolderPathA");
    auto getSaveFileName =
        SystemFunction<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
    auto extendedError =
        SystemFunction<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
    if (!getSaveFileName || !extendedError) {
        dialogError = CDERR_INITIALIZATION;
        return std::string();
    }
    char documents[MAX_PATH] = {};
    if (!getFolderPath ||
        FAILED(getFolderPath(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
        documents[0] = '\0';
    char path[MAX_PATH] = {};
    lstrcpynA(path, name.c_str(), MAX_PATH);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = documents[0] ? documents : nullptr;
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = "txt";
    // the program's current folder stays the installation folder
    dialog.Flags =
        OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (getSaveFileName(&dialog)) return path;
    dialogError = extendedError();
    return std::string();
}

bool WriteWholeFile(const std::string& path, const std::string& text, std::string& reason) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = SystemMessage(GetLastError());
        return false;
    }
    DWORD written = 0;
    bool whole = WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) &&
                 written == text.size();
    DWORD error = whole ? ERROR_SUCCESS : GetLastError();
    if (!CloseHandle(file) && whole) {
        whole = false;
        error = GetLastError();
    }
    if (whole) return true;
    reason = SystemMessage(error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error);
    DeleteFileA(path.c_str());
    return false;
}
