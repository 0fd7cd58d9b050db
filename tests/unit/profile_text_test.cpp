// The setup files as editors save them: the encoding, then the key's value.
#include <gtest/gtest.h>

#include "profile_text.h"
#include "text_encoding.h"

namespace {

TextEncoding EncodingOf(std::string_view bytes, size_t expectedMark) {
    DetectedEncoding detected = DetectTextEncoding(bytes);
    EXPECT_EQ(detected.markBytes, expectedMark) << bytes;
    return detected.encoding;
}

}  // namespace

TEST(TextEncoding, AMarkDecidesElseValidUtf8ElseTheAnsiCodePage) {
    EXPECT_EQ(EncodingOf("[SETUP]\r\nTITLE=M\xC3\xBCller\r\n", 0), TextEncoding::Utf8)
        << "today's Notepad: UTF-8 without a mark";
    EXPECT_EQ(EncodingOf("\xEF\xBB\xBF[SETUP]\r\nTITLE=M\xC3\xBCller", 3), TextEncoding::Utf8);
    EXPECT_EQ(EncodingOf("[SETUP]\r\nTITLE=M\xFCller\r\n", 0), TextEncoding::Ansi)
        << "code page 1252's u-umlaut alone is no UTF-8";
    EXPECT_EQ(EncodingOf("\xEF\xBB\xBFTITLE=M\xFCller", 3), TextEncoding::Ansi)
        << "a mark before text that is no UTF-8";
    EXPECT_EQ(EncodingOf("[SETUP]", 0), TextEncoding::Utf8) << "ASCII reads the same either way";
    EXPECT_EQ(EncodingOf("", 0), TextEncoding::Utf8);
    EXPECT_EQ(EncodingOf("\xFF\xFE[\0", 2), TextEncoding::Utf16LittleEndian);
    EXPECT_EQ(EncodingOf("\xFE\xFF\0[", 2), TextEncoding::Utf16BigEndian);
}

TEST(TextEncoding, OnlyWellFormedUtf8IsValid) {
    for (std::string_view valid : {"A\xC3\xBC", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                   "\xF4\x8F\xBF\xBF", "\xED\x9F\xBF", "\xE0\xA0\x80"})
        EXPECT_TRUE(IsValidUtf8(valid)) << valid;
    for (std::string_view invalid :
         {"\xC3", "\xC3(", "\xC0\xAF" /* overlong */, "\xE0\x9F\xBF" /* overlong */,
          "\xED\xA0\x80" /* surrogate */, "\xF4\x90\x80\x80" /* past U+10FFFF */,
          "\xF5\x80\x80\x80", "\x80", "\xE2\x82", "\xFF"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
}

TEST(TextEncoding, Utf16BecomesUtf8) {
    using namespace std::string_view_literals;
    EXPECT_EQ(Utf8FromUtf16("M\0\xFC\0"sv, false), "M\xC3\xBC");
    EXPECT_EQ(Utf8FromUtf16("\0M\0\xFC"sv, true), "M\xC3\xBC");
    EXPECT_EQ(Utf8FromUtf16("\x3D\xD8\x00\xDE"sv, false), "\xF0\x9F\x98\x80") << "a surrogate pair";
    EXPECT_EQ(Utf8FromUtf16("\x3D\xD8M\0"sv, false), "\xEF\xBF\xBDM") << "a lone surrogate";
    EXPECT_EQ(Utf8FromUtf16("M\0\x01"sv, false), "M") << "an odd last byte";
}

TEST(ProfileValue, FindsTheKeyOfTheSectionAsTheProfileFunctionsDo) {
    const std::string_view text =
        "TITLE=outside any section\r\n"
        "[Other]\r\n"
        "TITLE=another section's\r\n"
        "  [ setup ]  \r\n"
        "; a comment=no key\r\n"
        "  Title  =   Brinvale Touch   \r\n"
        "TITLE=the second one\r\n"
        "STYLE=\"11120915\"\n"
        "QUOTE='one'side\"\n"
        "EMPTY=\n"
        "BARE\n"
        "[SETUP]\n"
        "LATER=a section given twice\n"
        "[Broken\n"
        "AFTER=still in SETUP";
    EXPECT_EQ(ProfileValue(text, "SETUP", "TITLE"), "Brinvale Touch");
    EXPECT_EQ(ProfileValue(text, "SETUP", "STYLE"), "11120915") << "enclosing quotes go";
    EXPECT_EQ(ProfileValue(text, "SETUP", "QUOTE"), "'one'side\"") << "unmatched quotes stay";
    EXPECT_EQ(ProfileValue(text, "SETUP", "EMPTY"), "");
    EXPECT_EQ(ProfileValue(text, "SETUP", "LATER"), "a section given twice");
    EXPECT_EQ(ProfileValue(text, "SETUP", "AFTER"), "still in SETUP") << "no ] is no section";
    EXPECT_EQ(ProfileValue(text, "SETUP", "BARE"), std::nullopt);
    EXPECT_EQ(ProfileValue(text, "SETUP", "MISSING"), std::nullopt);
    EXPECT_EQ(ProfileValue(text, "Absent", "TITLE"), std::nullopt);
    EXPECT_EQ(ProfileValue("", "SETUP", "TITLE"), std::nullopt);
}
