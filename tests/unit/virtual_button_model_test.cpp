#include <gtest/gtest.h>

#include "settings_fakes.h"
#include "virtual_button_model.h"

namespace {

using Action = RightButtonToolAction;

OpenDialog<VirtualButtonModel> StoredVirtualButtonDialog(int mode, int function, int switching,
                                                         int onTime = 1, int offTime = 3,
                                                         int beep = 1) {
    DriverBlock block{};
    block.ComPort = 1;
    block.ButtonMode = uint8_t(mode);
    block.RightButtonEnable = uint8_t(function);
    block.RightButtonAuto = uint8_t(switching);
    block.RightButtonOnTime = uint8_t(onTime);
    block.RightButtonOffTime = uint8_t(offTime);
    block.RightButtonBeep = uint8_t(beep);
    return OpenDialog<VirtualButtonModel>(block);
}

}  // namespace

TEST(VirtualButtonModel, ToggleTimesCountHalfSecondsInTheUsersNotation) {
    std::vector<std::string> dot = {"0.5", "1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5"};
    EXPECT_EQ(ToggleTimeTexts("."), dot);
    std::vector<std::string> comma = ToggleTimeTexts(",");
    ASSERT_EQ(comma.size(), 10u);
    EXPECT_EQ(comma[0], "0,5");
    EXPECT_EQ(comma[1], "1");
    EXPECT_EQ(comma[8], "4,5");
}

TEST(VirtualButtonModel, OpensWithTheStoredChoicesAndNothingToApply) {
    auto dialog = StoredVirtualButtonDialog(2, 1, 0);
    EXPECT_TRUE(dialog->modeSelected(2));
    EXPECT_TRUE(dialog->functionSelected(1));
    EXPECT_FALSE(dialog->functionSelected(0));
    EXPECT_EQ(dialog->modeCaption(1), " Stream Mode");
    EXPECT_EQ(dialog->modeCaption(4), " Drag Drop Mode");
    EXPECT_FALSE(dialog->applyEnabled());
}

TEST(VirtualButtonModel, OnlyDragDropWithTheFunctionOnSwitchesAndOnlyAutomaticTimes) {
    const struct {
        int mode, function, switching;
        bool switchingEnabled, rowEnabled;
    } cases[] = {{4, 1, 1, true, true},
                 {4, 1, 0, true, false},
                 {4, 0, 1, false, false},
                 {1, 1, 1, false, false},
                 {3, 1, 1, false, false}};
    for (const auto& c : cases) {
        auto dialog = StoredVirtualButtonDialog(c.mode, c.function, c.switching);
        EXPECT_EQ(dialog->switchingEnabled(), c.switchingEnabled)
            << c.mode << "," << c.function << "," << c.switching;
        EXPECT_EQ(dialog->automaticRowEnabled(), c.rowEnabled)
            << c.mode << "," << c.function << "," << c.switching;
    }
    auto dialog = StoredVirtualButtonDialog(4, 1, 0);
    dialog->chooseSwitching(1);
    EXPECT_TRUE(dialog->automaticRowEnabled());
    dialog->clickFunction(0);
    EXPECT_FALSE(dialog->switchingEnabled());
    EXPECT_FALSE(dialog->automaticRowEnabled());
}

TEST(VirtualButtonModel, SettingsTheCombinationDoesNotUseAreNotCompared) {
    auto stream = StoredVirtualButtonDialog(1, 1, 0);
    stream->chooseSwitching(1);
    stream->chooseOnTime(7);
    stream->chooseBeep(0);
    EXPECT_FALSE(stream->applyEnabled()) << "stream mode uses no automatic setting";
    stream->clickMode(4);
    EXPECT_TRUE(stream->applyEnabled());
    stream->clickMode(1);
    EXPECT_FALSE(stream->applyEnabled());
    stream->clickFunction(0);
    EXPECT_TRUE(stream->applyEnabled());
}

TEST(VirtualButtonModel, TimesChangedUnderAutomaticAndLeftUnderManualAreStoredAnyway) {
    auto dialog = StoredVirtualButtonDialog(4, 1, 0, 1, 3, 1);
    dialog->chooseSwitching(1);
    EXPECT_TRUE(dialog->applyEnabled());
    dialog->chooseOnTime(6);
    dialog->chooseSwitching(0);
    EXPECT_FALSE(dialog->applyEnabled()) << "under manual switching the times are not compared";
    EXPECT_EQ(dialog->working().onTime, 6) << "yet the edit is kept";
    dialog->clickMode(3);
    dialog->apply();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    EXPECT_EQ(dialog.driver.sent()[0].code, uint32_t(IOCTL_SET_BUTTON_MODE));
    EXPECT_EQ(dialog.driver.block().ButtonMode, 3);
    EXPECT_EQ(dialog.driver.block().RightButtonAuto, 0);
    EXPECT_EQ(dialog.driver.block().RightButtonOnTime, 6) << "all six fields go back";
    EXPECT_EQ(dialog.driver.block().RightButtonOffTime, 3);
    EXPECT_EQ(dialog.driver.block().RightButtonBeep, 1);
}

TEST(VirtualButtonModel, AutomaticTimesAndBeepAreComparedWhileAutomatic) {
    auto dialog = StoredVirtualButtonDialog(4, 1, 1, 1, 3, 1);
    dialog->chooseOffTime(4);
    EXPECT_TRUE(dialog->applyEnabled());
    dialog->chooseOffTime(3);
    EXPECT_FALSE(dialog->applyEnabled());
    dialog->chooseBeep(0);
    EXPECT_TRUE(dialog->applyEnabled());
    dialog->chooseBeep(-1);
    EXPECT_EQ(dialog->working().beep, 0) << "no selection is no choice";
}

TEST(VirtualButtonModel, TheToolRunsOnlyWhileTheRightButtonIsWorkedByHand) {
    const struct {
        int mode, function, switching;
        Action action;
        const char* line;
    } cases[] = {
        {4, 1, 1, Action::Quit, "Drag Drop Mode, RBF Enable ( Automatic Mode )"},
        {4, 1, 0, Action::Start, "Drag Drop Mode, RBF Enable ( Manual Mode )"},
        {1, 1, 0, Action::Start, "Stream Mode, RBF Enable"},
        {1, 1, 1, Action::Start, "Stream Mode, RBF Enable"},
        {2, 0, 0, Action::Quit, "Lift Off Mode, RBF Disable"},
        {4, 0, 0, Action::Quit, "Drag Drop Mode, RBF Disable"},
        {0, 1, 0, Action::Start, "Invalid#0,1,0"},
    };
    for (const auto& c : cases) {
        auto dialog = StoredVirtualButtonDialog(c.mode, c.function, c.switching);
        EXPECT_EQ(dialog->toolAction(), c.action) << c.line;
        EXPECT_EQ(dialog->statusLine(), c.line);
    }
}

TEST(VirtualButtonModel, ValuesWithoutAChoiceSelectNothingAndAreKept) {
    auto dialog = StoredVirtualButtonDialog(7, 2, 5, 12, 0, 9);
    for (int index = 1; index <= 4; ++index) EXPECT_FALSE(dialog->modeSelected(index));
    EXPECT_FALSE(dialog->functionSelected(0));
    EXPECT_FALSE(dialog->functionSelected(1));
    EXPECT_FALSE(dialog->applyEnabled());
    EXPECT_EQ(dialog->toolAction(), Action::Quit) << "a function other than 1 is not on";
    dialog->clickMode(1);
    dialog->apply();
    EXPECT_EQ(dialog.driver.block().RightButtonEnable, 2);
    EXPECT_EQ(dialog.driver.block().RightButtonOnTime, 12);
}
