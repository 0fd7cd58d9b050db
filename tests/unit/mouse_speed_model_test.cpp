#include <gtest/gtest.h>

#include "mouse_speed_model.h"
#include "settings_fakes.h"

namespace {

constexpr MouseSpeedModel::Bar H = MouseSpeedModel::Horizontal;
constexpr MouseSpeedModel::Bar V = MouseSpeedModel::Vertical;

struct MouseSpeedDialog {
    NameTables names = FilledNames();
    SimDriverPort driver;
    DriverBlock block{};
    MouseSpeedDialog(int h, int v, int acceleration = 1, int bypass = 0) {
        block.ComPort = 1;
        block.SpeedH = uint8_t(h);
        block.SpeedV = uint8_t(v);
        block.Acceleration = uint8_t(acceleration);
        block.BypassMode = uint8_t(bypass);
        driver.putBlock(block);
    }
};

}  // namespace

TEST(MouseSpeedModel, DifferingSpeedsOpenCoupledAtTheVerticalSpeedWithApplyLit) {
    MouseSpeedDialog dialog(4, 12);
    MouseSpeedModel model(dialog.block, dialog.driver, dialog.names);
    EXPECT_TRUE(model.both());
    EXPECT_EQ(model.bothColour(), kBlack);
    EXPECT_EQ(model.bar(H), 12);
    EXPECT_EQ(model.bar(V), 12);
    EXPECT_EQ(model.barLabel(H), "60%");
    EXPECT_TRUE(model.applyEnabled()) << "the horizontal bar differs from SpeedH";
}

TEST(MouseSpeedModel, EqualSpeedsOpenCleanAndTheLowestReadsFivePercent) {
    for (int speed : {1, 10, 20}) {
        MouseSpeedDialog dialog(speed, speed);
        MouseSpeedModel model(dialog.block, dialog.driver, dialog.names);
        EXPECT_FALSE(model.applyEnabled()) << speed;
        EXPECT_EQ(model.barLabel(H), std::to_string(speed * 5) + "%");
        EXPECT_EQ(model.barLabel(V), std::to_string(speed * 5) + "%");
    }
}

TEST(MouseSpeedModel, CoupledBarsFollowEachOtherAndUncoupledOnesDoNot) {
    MouseSpeedDialog dialog(10, 10);
    MouseSpeedModel model(dialog.block, dialog.driver, dialog.names);
    model.barChanged(V, 14);
    EXPECT_EQ(model.bar(H), 14);
    model.clickBoth(false);
    EXPECT_EQ(model.bothColour(), kDimmedCaption);
    model.barChanged(H, 3);
    EXPECT_EQ(model.bar(H), 3);
    EXPECT_EQ(model.bar(V), 14);
    model.clickBoth(true);
    EXPECT_EQ(model.bar(H), 3) << "ticking again does not realign";
    EXPECT_EQ(model.bar(V), 14);
    model.barChanged(H, 4);
    EXPECT_EQ(model.bar(V), 4) << "the next movement couples them";
}

TEST(MouseSpeedModel, ADraggedThumbCarriesItsPartnerAndTheApplyRuleOnlyWhenCoupled) {
    MouseSpeedDialog dialog(10, 10);
    MouseSpeedModel model(dialog.block, dialog.driver, dialog.names);
    model.barScrolled(H, 16);
    EXPECT_EQ(model.bar(V), 16);
    EXPECT_EQ(model.barLabel(H), "80%") << "the dragged bar's label follows every step";
    EXPECT_TRUE(model.applyEnabled()) << "the partner's change ran the rule";

    MouseSpeedDialog loose(10, 10);
    MouseSpeedModel uncoupled(loose.block, loose.driver, loose.names);
    uncoupled.clickBoth(false);
    uncoupled.barScrolled(H, 16);
    EXPECT_EQ(uncoupled.bar(V), 10);
    EXPECT_FALSE(uncoupled.applyEnabled()) << "Apply follows the thumb's release";
    uncoupled.barChanged(H, 16);
    EXPECT_TRUE(uncoupled.applyEnabled());
}

TEST(MouseSpeedModel, MovingBackToTheStoredValuesDarkensApply) {
    MouseSpeedDialog dialog(10, 10, 2);
    MouseSpeedModel model(dialog.block, dialog.driver, dialog.names);
    model.barChanged(H, 11);
    EXPECT_TRUE(model.applyEnabled());
    model.barChanged(H, 10);
    EXPECT_FALSE(model.applyEnabled());
    model.clickAcceleration(3);
    EXPECT_TRUE(model.applyEnabled());
    EXPECT_TRUE(model.accelerationSelected(3));
    EXPECT_FALSE(model.accelerationSelected(2));
    model.clickAcceleration(3);
    EXPECT_TRUE(model.applyEnabled()) << "the selected option again changes nothing";
    model.clickAcceleration(2);
    EXPECT_FALSE(model.applyEnabled());
}

TEST(MouseSpeedModel, BypassGreysTheSpeedControlsButTheirValuesAreStillStored) {
    MouseSpeedDialog dialog(10, 10, 1);
    MouseSpeedModel model(dialog.block, dialog.driver, dialog.names);
    EXPECT_TRUE(model.speedControlsEnabled());
    model.barChanged(H, 6);
    model.clickAcceleration(4);
    model.clickBypass(true);
    EXPECT_FALSE(model.speedControlsEnabled());
    EXPECT_TRUE(model.applyEnabled());
    model.apply();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    const DriverBlock sent = dialog.driver.sent()[0].block;
    EXPECT_EQ(dialog.driver.sent()[0].code, uint32_t(IOCTL_SET_MOUSE_SPEED));
    EXPECT_EQ(sent.BypassMode, 1);
    EXPECT_EQ(sent.SpeedH, 6);
    EXPECT_EQ(sent.SpeedV, 6);
    EXPECT_EQ(sent.Acceleration, 4);
    EXPECT_EQ(model.statusLine(), "Enable Bypass Mode");
    model.clickBypass(false);
    EXPECT_TRUE(model.speedControlsEnabled());
    EXPECT_TRUE(model.applyEnabled());
}

TEST(MouseSpeedModel, TheStatusLineIsTheBlockAsTheDriverAnswered) {
    MouseSpeedDialog dialog(10, 10, 1);
    MouseSpeedModel model(dialog.block, dialog.driver, dialog.names);
    model.barChanged(V, 8);
    model.clickAcceleration(2);
    model.apply();
    EXPECT_EQ(model.statusLine(), "HS=40%, VS=40%, Acceleration=Medium");
    EXPECT_EQ(dialog.block.SpeedH, 8);
    EXPECT_EQ(dialog.block.Acceleration, 2);
    EXPECT_FALSE(model.applyEnabled());
}

TEST(MouseSpeedModel, StoredBypassOtherThanOneIsOnAndNothingToApply) {
    MouseSpeedDialog dialog(10, 10, 1, 2);
    MouseSpeedModel model(dialog.block, dialog.driver, dialog.names);
    EXPECT_TRUE(model.bypass());
    EXPECT_FALSE(model.speedControlsEnabled());
    EXPECT_FALSE(model.applyEnabled());
}

TEST(MouseSpeedModel, ValuesWithoutAPlaceShowTheNearestAndAnInvalidAcceleration) {
    MouseSpeedDialog dialog(0, 25, 7);
    MouseSpeedModel model(dialog.block, dialog.driver, dialog.names);
    EXPECT_EQ(model.bar(H), 20);
    EXPECT_EQ(model.bar(V), 20);
    EXPECT_TRUE(model.applyEnabled()) << "what the bars show is not what is stored";
    for (int index = 1; index <= 4; ++index)
        EXPECT_FALSE(model.accelerationSelected(index)) << "no option for level 7";
    EXPECT_EQ(model.accelerationCaption(1), "Slow");
    EXPECT_EQ(model.accelerationCaption(4), "Off");
    model.apply();
    EXPECT_EQ(dialog.block.Acceleration, 7) << "an untouched level is written back as it was";
    EXPECT_EQ(model.statusLine(), "HS=100%, VS=100%, Acceleration=Invalid#7");
}
