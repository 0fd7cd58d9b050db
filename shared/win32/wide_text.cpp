#include "wide_text.h"

#include <windows.h>

namespace {

std::wstring WideFrom(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view text) { return WideFrom(CP_UTF8, text); }

std::string Utf8FromWide(std::wstring_view text) {
    if (text.empty()) return {};
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                        length, nullptr, nullptr);
    return utf8;
}

std::string Utf8FromAnsi(std::string_view text) {
    return Utf8FromWide(WideFrom(CP_ACP, text));
}
