#include <gtest/gtest.h>

#include "settings_fakes.h"
#include "virtual_button_model.h"

namespace {

using Action = RightButtonToolAction;

struct VirtualButtonDialog {
    NameTables names = FilledNames();
    SimDriverPort driver;
    DriverBlock block{};
    VirtualButtonDialog(int mode, int function, int switching, int onTime = 1, int offTime = 3,
                        int beep = 1) {
        block.ComPort = 1;
        block.ButtonMode = uint8_t(mode);
        block.RightButtonEnable = uint8_t(function);
        block.RightButtonAuto = uint8_t(switching);
        block.RightButtonOnTime = uint8_t(onTime);
        block.RightButtonOffTime = uint8_t(offTime);
        block.RightButtonBeep = uint8_t(beep);
        driver.putBlock(block);
    }
};

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
    VirtualButtonDialog dialog(2, 1, 0);
    VirtualButtonModel model(dialog.block, dialog.driver, dialog.names);
    EXPECT_TRUE(model.modeSelected(2));
    EXPECT_TRUE(model.functionSelected(1));
    EXPECT_FALSE(model.functionSelected(0));
    EXPECT_EQ(model.modeCaption(1), " Stream Mode");
    EXPECT_EQ(model.modeCaption(4), " Drag Drop Mode");
    EXPECT_FALSE(model.applyEnabled());
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
        VirtualButtonDialog dialog(c.mode, c.function, c.switching);
        VirtualButtonModel model(dialog.block, dialog.driver, dialog.names);
        EXPECT_EQ(model.switchingEnabled(), c.switchingEnabled)
            << c.mode << "," << c.function << "," << c.switching;
        EXPECT_EQ(model.automaticRowEnabled(), c.rowEnabled)
            << c.mode << "," << c.function << "," << c.switching;
    }
    VirtualButtonDialog dialog(4, 1, 0);
    VirtualButtonModel model(dialog.block, dialog.driver, dialog.names);
    model.chooseSwitching(1);
    EXPECT_TRUE(model.automaticRowEnabled());
    model.clickFunction(0);
    EXPECT_FALSE(model.switchingEnabled());
    EXPECT_FALSE(model.automaticRowEnabled());
}

TEST(VirtualButtonModel, SettingsTheCombinationDoesNotUseAreNotCompared) {
    VirtualButtonDialog stream(1, 1, 0);
    VirtualButtonModel model(stream.block, stream.driver, stream.names);
    model.chooseSwitching(1);
    model.chooseOnTime(7);
    model.chooseBeep(0);
    EXPECT_FALSE(model.applyEnabled()) << "stream mode uses no automatic setting";
    model.clickMode(4);
    EXPECT_TRUE(model.applyEnabled());
    model.clickMode(1);
    EXPECT_FALSE(model.applyEnabled());
    model.clickFunction(0);
    EXPECT_TRUE(model.applyEnabled());
}

TEST(VirtualButtonModel, TimesChangedUnderAutomaticAndLeftUnderManualAreStoredAnyway) {
    VirtualButtonDialog dialog(4, 1, 0, 1, 3, 1);
    VirtualButtonModel model(dialog.block, dialog.driver, dialog.names);
    model.chooseSwitching(1);
    EXPECT_TRUE(model.applyEnabled());
    model.chooseOnTime(6);
    model.chooseSwitching(0);
    EXPECT_FALSE(model.applyEnabled()) << "under manual switching the times are not compared";
    EXPECT_EQ(model.working().onTime, 6) << "yet the edit is kept";
    model.clickMode(3);
    model.apply();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    EXPECT_EQ(dialog.driver.sent()[0].code, uint32_t(IOCTL_SET_BUTTON_MODE));
    EXPECT_EQ(dialog.driver.block().ButtonMode, 3);
    EXPECT_EQ(dialog.driver.block().RightButtonAuto, 0);
    EXPECT_EQ(dialog.driver.block().RightButtonOnTime, 6) << "all six fields go back";
    EXPECT_EQ(dialog.driver.block().RightButtonOffTime, 3);
    EXPECT_EQ(dialog.driver.block().RightButtonBeep, 1);
}

TEST(VirtualButtonModel, AutomaticTimesAndBeepAreComparedWhileAutomatic) {
    VirtualButtonDialog dialog(4, 1, 1, 1, 3, 1);
    VirtualButtonModel model(dialog.block, dialog.driver, dialog.names);
    model.chooseOffTime(4);
    EXPECT_TRUE(model.applyEnabled());
    model.chooseOffTime(3);
    EXPECT_FALSE(model.applyEnabled());
    model.chooseBeep(0);
    EXPECT_TRUE(model.applyEnabled());
    model.chooseBeep(-1);
    EXPECT_EQ(model.working().beep, 0) << "no selection is no choice";
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
        VirtualButtonDialog dialog(c.mode, c.function, c.switching);
        VirtualButtonModel model(dialog.block, dialog.driver, dialog.names);
        EXPECT_EQ(model.toolAction(), c.action) << c.line;
        EXPECT_EQ(model.statusLine(), c.line);
    }
}

TEST(VirtualButtonModel, ValuesWithoutAChoiceSelectNothingAndAreKept) {
    VirtualButtonDialog dialog(7, 2, 5, 12, 0, 9);
    VirtualButtonModel model(dialog.block, dialog.driver, dialog.names);
    for (int index = 1; index <= 4; ++index) EXPECT_FALSE(model.modeSelected(index));
    EXPECT_FALSE(model.functionSelected(0));
    EXPECT_FALSE(model.functionSelected(1));
    EXPECT_FALSE(model.applyEnabled());
    EXPECT_EQ(model.toolAction(), Action::Quit) << "a function other than 1 is not on";
    model.clickMode(1);
    model.apply();
    EXPECT_EQ(dialog.driver.block().RightButtonEnable, 2);
    EXPECT_EQ(dialog.driver.block().RightButtonOnTime, 12);
}
