#include "text_encoding.h"

#include <stdint.h>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";
constexpr uint32_t kReplacement = 0xFFFD;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        auto byte = [&](size_t at) { return uint8_t(bytes[at]); };
        uint8_t lead = byte(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length;
        // the second byte's range rules out overlong forms, surrogates and codes past U+10FFFF
        uint8_t low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (bytes.size() - i < length) return false;
        if (byte(i + 1) < low || byte(i + 1) > high) return false;
        for (size_t k = 2; k < length; ++k)
            if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return false;
        i += length;
    }
    return true;
}

DetectedEncoding DetectTextEncoding(std::string_view bytes) {
    if (StartsWith(bytes, kUtf16LittleMark)) return {TextEncoding::Utf16LittleEndian, 2};
    if (StartsWith(bytes, kUtf16BigMark)) return {TextEncoding::Utf16BigEndian, 2};
    size_t mark = StartsWith(bytes, kUtf8Mark) ? kUtf8Mark.size() : 0;
    bool utf8 = IsValidUtf8(bytes.substr(mark));
    return {utf8 ? TextEncoding::Utf8 : TextEncoding::Ansi, mark};
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    size_t count = bytes.size() / 2;
    auto unit = [&](size_t at) -> uint32_t {
        auto first = uint8_t(bytes[2 * at]), second = uint8_t(bytes[2 * at + 1]);
        return bigEndian ? (uint32_t(first) << 8 | second) : (uint32_t(second) << 8 | first);
    };
    for (size_t i = 0; i < count; ++i) {
        uint32_t code = unit(i);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < count && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = kReplacement;
        }
        AppendUtf8(out, code);
    }
    return out;
}
