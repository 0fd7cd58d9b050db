#include <gtest/gtest.h>

#include <string>

#include "window_search.h"

namespace {

const std::string kTitle = " TouchScreen Control Panel #NX-COM";

}  // namespace

TEST(FindRunningWindow, TheFirstTitledMatchInZOrderWins) {
    std::vector<TopLevelWindow> windows = {
        {11, false, "Notepad"}, {12, false, kTitle}, {13, false, kTitle}};
    EXPECT_EQ(FindRunningWindow(99, kTitle, windows), 12u);
    EXPECT_EQ(FindRunningWindow(99, "Nothing like it", windows), 0u);
    EXPECT_EQ(FindRunningWindow(99, kTitle, {}), 0u);
}

TEST(FindRunningWindow, SkipsItsOwnWindowAndChildWindows) {
    std::vector<TopLevelWindow> windows = {
        {5, false, kTitle}, {6, true, kTitle}, {7, false, kTitle}};
    EXPECT_EQ(FindRunningWindow(5, kTitle, windows), 7u);
    EXPECT_EQ(FindRunningWindow(7, kTitle, {{5, true, kTitle}, {7, false, kTitle}}), 0u);
}

TEST(FindRunningWindow, ComparesWholeTitlesExactlyAndCaseSensitively) {
    for (const std::string& near : {std::string(" touchscreen control panel #nx-com"),
                                    kTitle.substr(1), kTitle + " ", kTitle.substr(0, 20)})
        EXPECT_EQ(FindRunningWindow(1, kTitle, {{2, false, near}}), 0u) << "'" << near << "'";
}

TEST(FindRunningWindow, UntitledWindowsNeverMatchEvenAnEmptyCaption) {
    std::vector<TopLevelWindow> windows = {{2, false, ""}, {3, false, "x"}};
    EXPECT_EQ(FindRunningWindow(1, "", windows), 0u);
}

TEST(FindRunningWindow, OnlyTheFirst127CharactersOfATitleTakePart) {
    std::string caption(kTitleReadLimit, 'a');
    EXPECT_EQ(FindRunningWindow(1, caption, {{2, false, caption + "tail"}}), 2u);
    std::string differsAtTheLastReadCharacter = caption;
    differsAtTheLastReadCharacter.back() = 'b';
    EXPECT_EQ(FindRunningWindow(1, caption, {{2, false, differsAtTheLastReadCharacter}}), 0u);
    std::string tooLongToMatch = caption + "a";
    EXPECT_EQ(FindRunningWindow(1, tooLongToMatch, {{2, false, tooLongToMatch}}), 0u);
}
