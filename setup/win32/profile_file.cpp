#include "profile_file.h"

#include <windows.h>

#include <vector>

#include "profile_limits.h"
#include "wide_text.h"

namespace {

// The key's text as the configuration store keeps it: in the ANSI code page.
std::string AnsiFromWide(std::wstring_view text) {
    if (text.empty()) return "";
    int length =
        WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(size_t(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), &ansi[0], length, nullptr,
                        nullptr);
    return ansi;
}

}  // namespace

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key) {
    std::wstring path = WideFromUtf8(file);
    std::wstring sectionName = WideFromUtf8(section);
    std::wstring keyName = WideFromUtf8(key);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        DWORD length = GetPrivateProfileStringW(sectionName.c_str(), keyName.c_str(), L"",
                                                buffer.data(), DWORD(buffer.size()), path.c_str());
        // a text that filled the buffer may have been cut: read it again with more room
        if (length + 1 < buffer.size())
            return length > kMaxProfileValueChars
                       ? ""
                       : AnsiFromWide(std::wstring_view(buffer.data(), length));
        if (buffer.size() > kMaxProfileValueChars) return "";
        buffer.resize(buffer.size() * 2);
    }
}
