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

TEST(AccessKeys, TheCharacterTypedFirstThenTheKeyWhateverTheLayout) {
    const std::vector<std::string> captions = {"&Apply", "&OK", "Set &1", "&Cancel", "Se&t"};
    EXPECT_EQ(AccessKeyTarget(captions, 'o', 'O'), 1) << "a Latin layout: the letter, any case";
    EXPECT_EQ(AccessKeyTarget(captions, 0xF4, 'A'), 0) << "Cyrillic: the A key types 0xF4";
    EXPECT_EQ(AccessKeyTarget(captions, '?', '1'), 2) << "a digit key";
    EXPECT_EQ(AccessKeyTarget(captions, 'c', 'T'), 3) << "the character typed wins over the key";
    EXPECT_EQ(AccessKeyTarget(captions, 0xF4, 0xBA), -1) << "a key that is no letter or digit";
    EXPECT_EQ(AccessKeyTarget(captions, 0xF4, 'Z'), -1) << "a letter no caption underlines";
    EXPECT_EQ(AccessKeyTarget({"&Apply", "&Again"}, 0xF4, 'A'), 0) << "the first in table order";
    EXPECT_EQ(AccessKeyTarget({}, 'a', 'A'), -1);
}
