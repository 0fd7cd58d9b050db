#include "report_file.h"

#include <cderr.h>
#include <commdlg.h>
#include <shlobj.h>

#include "report_save.h"
#include "wide_text.h"

namespace {

std::string SystemMessage(DWORD error) {
    wchar_t text[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, text, ARRAYSIZE(text), nullptr);
    std::string message = Utf8FromWide(std::wstring_view(text, length));
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message.empty() ? "Error " + std::to_string(error) + "." : message;
}

// A system library by its full path: Windows 7 without its loader update refuses the flag that
// keeps the search in System32, and a plain name would search the program's folder first.
HMODULE LoadSystemLibrary(const wchar_t* library) {
    if (HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return module;
    wchar_t folder[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path = std::wstring(folder, length) + L"\\" + library;
    // the library's own dependencies are looked for beside it, in System32, first
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// A function of a system library loaded when first needed: the Save dialog's libraries and
// theirs would otherwise load with every start of the program, for the rare saved report.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// The user's Documents folder, wherever the profile or a moved folder puts it.
std::wstring DocumentsFolder() {
    auto getFolderPath =
        SystemFunction<decltype(&SHGetFolderPathW)>(L"shell32.dll", "SHGetFolderPathW");
    wchar_t documents[MAX_PATH] = {};
    if (!getFolderPath ||
        FAILED(getFolderPath(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
        return std::wstring();
    return documents;
}

class WindowsReportFiles : public ReportFiles {
public:
    std::string createBeside(const std::string& target) override {
        std::wstring folder = WideFromUtf8(target);
        size_t slash = folder.find_last_of(L"\\/");
        folder.resize(slash == std::wstring::npos ? 0 : slash + 1);
        if (folder.empty()) folder = L".";
        wchar_t path[MAX_PATH] = {};
        // a name of its own in the same folder, so the replace is a rename on one volume
        if (GetTempFileNameW(folder.c_str(), L"rpt", 0, path) != 0) return Utf8FromWide(path);
        noteFailure();
        return std::string();
    }

    bool writeAll(const std::string& path, const std::string& text) override {
        HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                  TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            noteFailure();
            return false;
        }
        DWORD written = 0;
        bool whole = WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) &&
                     written == text.size() && FlushFileBuffers(file);
        DWORD error = whole ? ERROR_SUCCESS : GetLastError();
        if (!CloseHandle(file) && whole) {
            whole = false;
            error = GetLastError();
        }
        if (!whole) error_ = error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error;
        return whole;
    }

    bool replace(const std::string& written, const std::string& target) override {
        if (MoveFileExW(WideFromUtf8(written).c_str(), WideFromUtf8(target).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        noteFailure();
        return false;
    }

    void remove(const std::string& path) override { DeleteFileW(WideFromUtf8(path).c_str()); }

    std::string failure() override { return SystemMessage(error_); }

private:
    // Keeps the error of the step that failed.
    void noteFailure() {
        error_ = GetLastError();
        if (error_ == ERROR_SUCCESS) error_ = ERROR_WRITE_FAULT;
    }

    DWORD error_ = ERROR_SUCCESS;
};

}  // namespace

std::string AskWhereToSave(HWND owner, const std::string& title, const std::string& name,
                           DWORD& dialogError) {
    dialogError = 0;
    auto getSaveFileName =
        SystemFunction<decltype(&GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    auto extendedError =
        SystemFunction<decltype(&CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
    if (!getSaveFileName || !extendedError) {
        dialogError = CDERR_INITIALIZATION;
        return std::string();
    }
    std::wstring documents = DocumentsFolder();
    std::wstring wideTitle = WideFromUtf8(title);
    wchar_t path[MAX_PATH] = {};
    lstrcpynW(path, WideFromUtf8(name).c_str(), MAX_PATH);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = documents.empty() ? nullptr : documents.c_str();
    dialog.lpstrTitle = wideTitle.c_str();
    dialog.lpstrDefExt = L"txt";
    // the program's current folder stays the installation folder
    dialog.Flags =
        OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (getSaveFileName(&dialog)) return Utf8FromWide(path);
    dialogError = extendedError();
    return std::string();
}

bool WriteWholeFile(const std::string& path, const std::string& text, std::string& reason) {
    WindowsReportFiles files;
    return SaveReplacing(files, path, text, reason);
}
