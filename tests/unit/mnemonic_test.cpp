#include <gtest/gtest.h>

#include "mnemonic.h"

TEST(AccessKeys, TheLetterAfterASingleAmpersand) {
    EXPECT_EQ(AccessKeyOf("&Apply"), 'A');
    EXPECT_EQ(AccessKeyOf("S&upport"), 'U');
    EXPECT_EQ(AccessKeyOf("E&xit"), 'X');
    EXPECT_EQ(AccessKeyOf("Both Touch Down && Lift Off"), 0) << "&& is an ampersand";
    EXPECT_EQ(AccessKeyOf("Save && &Quit"), 'Q');
    EXPECT_EQ(AccessKeyOf("Trailing &"), 0);
    EXPECT_EQ(AccessKeyOf(""), 0);
    EXPECT_EQ(AccessKeyOf("SMI on"), 0);
}
