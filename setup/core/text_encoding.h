// How the setup files are to be read: editors save them in the ANSI code page, as UTF-8 (with
// or without a byte-order mark) or as UTF-16 with one.
#pragma once

#include <stddef.h>

#include <string>
#include <string_view>

enum class TextEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DetectedEncoding {
    TextEncoding encoding;
    size_t markBytes;  // the byte-order mark to skip
};

// A UTF-16 mark decides; otherwise the text is UTF-8 when it is valid UTF-8 (after a UTF-8
// mark, if any) and in the ANSI code page when it is not.
DetectedEncoding DetectTextEncoding(std::string_view bytes);

// Well-formed UTF-8: no overlong form, no surrogate, nothing beyond U+10FFFF, no cut sequence.
bool IsValidUtf8(std::string_view bytes);

// UTF-16 code units to UTF-8; a lone surrogate becomes U+FFFD, an odd last byte is dropped.
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian);
