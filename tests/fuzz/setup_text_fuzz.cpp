// Any bytes as a setup file: the encoding is decided and the text searched without a crash,
// UTF-16 always becomes valid UTF-8, and a value found never runs past its line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "profile_text.h"
#include "text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DetectedEncoding detected = DetectTextEncoding(bytes);
    if (detected.markBytes > size) std::abort();
    std::string_view body = bytes.substr(detected.markBytes);
    if (detected.encoding == TextEncoding::Utf8 && !IsValidUtf8(body)) std::abort();
    if (!IsValidUtf8(Utf8FromUtf16(body, false)) || !IsValidUtf8(Utf8FromUtf16(body, true)))
        std::abort();
    for (const char* key : {"TITLE", "STYLE"}) {
        auto value = ProfileValue(body, "SETUP", key);
        if (value && value->find('\n') != std::string::npos) std::abort();
    }
    return 0;
}
