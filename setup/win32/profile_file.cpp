#include "profile_file.h"

#include <windows.h>

#include <vector>

#include "profile_limits.h"

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key) {
    std::vector<char> buffer(256);
    for (;;) {
        DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                DWORD(buffer.size()), file.c_str());
        // a text that filled the buffer may have been cut: read it again with more room
        if (length + 1 < buffer.size())
            return length > kMaxProfileValueChars ? "" : std::string(buffer.data(), length);
        if (buffer.size() > kMaxProfileValueChars) return "";
        buffer.resize(buffer.size() * 2);
    }
}
