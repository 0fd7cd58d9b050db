#include "install_record.h"

#include <windows.h>

#include "removal_model.h"
#include "wide_text.h"

std::string RecordedInstallFolder() {
    HKEY entry = nullptr;
    // opened, never created: the removal runs elevated and must not leave an empty entry
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, WideFromUtf8(kUninstallEntryKey).c_str(), 0,
                      KEY_QUERY_VALUE | KEY_WOW64_64KEY, &entry) != ERROR_SUCCESS)
        return "";
    std::wstring name = WideFromUtf8(kInstallLocationValue);
    DWORD type = 0, size = 0;
    std::wstring folder;
    if (RegQueryValueExW(entry, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_SZ && size >= sizeof(wchar_t) && size <= 64 * 1024) {
        folder.assign(size / sizeof(wchar_t), L'\0');
        if (RegQueryValueExW(entry, name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&folder[0]), &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            folder.clear();
        folder.resize(folder.find(L'\0') == std::wstring::npos ? folder.size()
                                                               : folder.find(L'\0'));
    }
    RegCloseKey(entry);
    return Utf8FromWide(folder);
}
