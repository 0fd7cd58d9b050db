#include <gtest/gtest.h>

#include "setup_number.h"

TEST(SettingsNumber, ReadsTheLeadingNumberAndStopsWhereItEnds) {
    EXPECT_EQ(RoundedLeadingNumber("  450"), 450);
    EXPECT_EQ(RoundedLeadingNumber("\t+7"), 7);
    EXPECT_EQ(RoundedLeadingNumber("-12"), -12);
    EXPECT_EQ(RoundedLeadingNumber("12abc"), 12);
    EXPECT_EQ(RoundedLeadingNumber("1,000"), 1);
    EXPECT_EQ(RoundedLeadingNumber("1.2.3"), 1);
    EXPECT_EQ(RoundedLeadingNumber("2e+"), 2) << "an exponent needs a digit";
    EXPECT_EQ(RoundedLeadingNumber("1.5E2x"), 150);
    for (const char* text : {"", "abc", "+", "-", ".", "e5", "0x10", " "})
        EXPECT_EQ(RoundedLeadingNumber(text), 0) << '"' << text << '"';
}

TEST(SettingsNumber, HalvesRoundToEvenExactly) {
    EXPECT_EQ(RoundedLeadingNumber("2.5"), 2);
    EXPECT_EQ(RoundedLeadingNumber("3.5"), 4);
    EXPECT_EQ(RoundedLeadingNumber("-3.5"), -4);
    EXPECT_EQ(RoundedLeadingNumber(".5"), 0);
    EXPECT_EQ(RoundedLeadingNumber("2.50000000000000000000001"), 3) << "no binary fraction";
    EXPECT_EQ(RoundedLeadingNumber("45e-1"), 4);
    EXPECT_EQ(RoundedLeadingNumber("6e-1"), 1);
    EXPECT_EQ(RoundedLeadingNumber("5e-2"), 0);
    EXPECT_EQ(RoundedLeadingNumber("9.999"), 10);
}

TEST(SettingsNumber, HugeAndTinyNumbersNeitherOverflowNorWrap) {
    EXPECT_EQ(RoundedLeadingNumber("1e400"), kNumberSaturation);
    EXPECT_EQ(RoundedLeadingNumber("-1e99999999999999999999"), -kNumberSaturation);
    EXPECT_EQ(RoundedLeadingNumber("1e-99999999999999999999"), 0);
    EXPECT_EQ(RoundedLeadingNumber("4294967297"), 4294967297) << "no 32-bit wrap to 1";
    EXPECT_EQ(RoundedLeadingNumber(std::string(5000, '9')), kNumberSaturation);
    EXPECT_EQ(RoundedLeadingNumber(std::string(5000, '0') + "42"), 42);
}

TEST(ProfileText, EndsAtItsFirstNulAndLosesTrailingSpacesOnly) {
    EXPECT_EQ(CleanProfileText("  450  "), "  450");
    EXPECT_EQ(CleanProfileText(std::string("12\0 garbage", 11)), "12");
    EXPECT_EQ(CleanProfileText("   "), "");
}
