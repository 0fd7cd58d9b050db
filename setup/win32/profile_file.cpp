#include "profile_file.h"

#include <windows.h>

#include "profile_limits.h"
#include "profile_text.h"
#include "text_encoding.h"
#include "wide_text.h"

namespace {

// No setup file comes near this; a larger one is read as holding nothing.
constexpr DWORD kMaxProfileFileBytes = 1024 * 1024;

std::string ReadWholeFile(const std::string& path) {
    HANDLE file =
        CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart <= kMaxProfileFileBytes) {
        bytes.resize(size_t(size.QuadPart));
        DWORD read = 0;
        if (!bytes.empty() && !ReadFile(file, &bytes[0], DWORD(bytes.size()), &read, nullptr))
            read = 0;
        bytes.resize(read);
    }
    CloseHandle(file);
    return bytes;
}

std::string Utf8Text(const std::string& bytes) {
    DetectedEncoding detected = DetectTextEncoding(bytes);
    std::string_view body = std::string_view(bytes).substr(detected.markBytes);
    switch (detected.encoding) {
        case TextEncoding::Utf8:
            return std::string(body);
        case TextEncoding::Utf16LittleEndian:
            return Utf8FromUtf16(body, false);
        case TextEncoding::Utf16BigEndian:
            return Utf8FromUtf16(body, true);
        case TextEncoding::Ansi:
            break;
    }
    return Utf8FromAnsi(body);
}

// The key's text as the configuration store keeps it, in the ANSI code page: a character the
// code page lacks becomes what Windows makes of it there.
std::string AnsiFromUtf8(const std::string& text) {
    std::wstring wide = WideFromUtf8(text);
    if (wide.empty()) return "";
    int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), &ansi[0], length, nullptr,
                            nullptr);
    return ansi;
}

}  // namespace

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key) {
    std::optional<std::string> value = ProfileValue(Utf8Text(ReadWholeFile(file)), section, key);
    if (!value || value->size() > kMaxProfileValueChars) return "";
    return AnsiFromUtf8(*value);
}
