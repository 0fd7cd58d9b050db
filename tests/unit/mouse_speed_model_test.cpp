#include <gtest/gtest.h>

#include "mouse_speed_model.h"
#include "settings_fakes.h"

namespace {

constexpr MouseSpeedModel::Bar H = MouseSpeedModel::Horizontal;
constexpr MouseSpeedModel::Bar V = MouseSpeedModel::Vertical;

OpenDialog<MouseSpeedModel> StoredMouseSpeedDialog(int h, int v, int acceleration = 1,
                                                   int bypass = 0) {
    DriverBlock block{};
    block.ComPort = 1;
    block.SpeedH = uint8_t(h);
    block.SpeedV = uint8_t(v);
    block.Acceleration = uint8_t(acceleration);
    block.BypassMode = uint8_t(bypass);
    return OpenDialog<MouseSpeedModel>(block);
}

}  // namespace

TEST(MouseSpeedModel, DifferingSpeedsOpenCoupledAtTheVerticalSpeedWithApplyLit) {
    auto dialog = StoredMouseSpeedDialog(4, 12);
    EXPECT_TRUE(dialog->both());
    EXPECT_EQ(dialog->bothColour(), kBlack);
    EXPECT_EQ(dialog->bar(H), 12);
    EXPECT_EQ(dialog->bar(V), 12);
    EXPECT_EQ(dialog->barLabel(H), "60%");
    EXPECT_TRUE(dialog->applyEnabled()) << "the horizontal bar differs from SpeedH";
}

TEST(MouseSpeedModel, EqualSpeedsOpenCleanAndTheLowestReadsFivePercent) {
    for (int speed : {1, 10, 20}) {
        auto dialog = StoredMouseSpeedDialog(speed, speed);
        EXPECT_FALSE(dialog->applyEnabled()) << speed;
        EXPECT_EQ(dialog->barLabel(H), std::to_string(speed * 5) + "%");
        EXPECT_EQ(dialog->barLabel(V), std::to_string(speed * 5) + "%");
    }
}

TEST(MouseSpeedModel, CoupledBarsFollowEachOtherAndUncoupledOnesDoNot) {
    auto dialog = StoredMouseSpeedDialog(10, 10);
    dialog->barChanged(V, 14);
    EXPECT_EQ(dialog->bar(H), 14);
    dialog->clickBoth(false);
    EXPECT_EQ(dialog->bothColour(), kDimmedCaption);
    dialog->barChanged(H, 3);
    EXPECT_EQ(dialog->bar(H), 3);
    EXPECT_EQ(dialog->bar(V), 14);
    dialog->clickBoth(true);
    EXPECT_EQ(dialog->bar(H), 3) << "ticking again does not realign";
    EXPECT_EQ(dialog->bar(V), 14);
    dialog->barChanged(H, 4);
    EXPECT_EQ(dialog->bar(V), 4) << "the next movement couples them";
}

TEST(MouseSpeedModel, ADraggedThumbCarriesItsPartnerAndTheApplyRuleOnlyWhenCoupled) {
    auto dialog = StoredMouseSpeedDialog(10, 10);
    dialog->barScrolled(H, 16);
    EXPECT_EQ(dialog->bar(V), 16);
    EXPECT_EQ(dialog->barLabel(H), "80%") << "the dragged bar's label follows every step";
    EXPECT_TRUE(dialog->applyEnabled()) << "the partner's change ran the rule";

    auto loose = StoredMouseSpeedDialog(10, 10);
    loose->clickBoth(false);
    loose->barScrolled(H, 16);
    EXPECT_EQ(loose->bar(V), 10);
    EXPECT_FALSE(loose->applyEnabled()) << "Apply follows the thumb's release";
    loose->barChanged(H, 16);
    EXPECT_TRUE(loose->applyEnabled());
}

TEST(MouseSpeedModel, MovingBackToTheStoredValuesDarkensApply) {
    auto dialog = StoredMouseSpeedDialog(10, 10, 2);
    dialog->barChanged(H, 11);
    EXPECT_TRUE(dialog->applyEnabled());
    dialog->barChanged(H, 10);
    EXPECT_FALSE(dialog->applyEnabled());
    dialog->clickAcceleration(3);
    EXPECT_TRUE(dialog->applyEnabled());
    EXPECT_TRUE(dialog->accelerationSelected(3));
    EXPECT_FALSE(dialog->accelerationSelected(2));
    dialog->clickAcceleration(3);
    EXPECT_TRUE(dialog->applyEnabled()) << "the selected option again changes nothing";
    dialog->clickAcceleration(2);
    EXPECT_FALSE(dialog->applyEnabled());
}

TEST(MouseSpeedModel, BypassGreysTheSpeedControlsButTheirValuesAreStillStored) {
    auto dialog = StoredMouseSpeedDialog(10, 10, 1);
    EXPECT_TRUE(dialog->speedControlsEnabled());
    dialog->barChanged(H, 6);
    dialog->clickAcceleration(4);
    dialog->clickBypass(true);
    EXPECT_FALSE(dialog->speedControlsEnabled());
    EXPECT_TRUE(dialog->applyEnabled());
    dialog->apply();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    const DriverBlock sent = dialog.driver.sent()[0].block;
    EXPECT_EQ(dialog.driver.sent()[0].code, uint32_t(IOCTL_SET_MOUSE_SPEED));
    EXPECT_EQ(sent.BypassMode, 1);
    EXPECT_EQ(sent.SpeedH, 6);
    EXPECT_EQ(sent.SpeedV, 6);
    EXPECT_EQ(sent.Acceleration, 4);
    EXPECT_EQ(dialog->statusLine(), "Enable Bypass Mode");
    dialog->clickBypass(false);
    EXPECT_TRUE(dialog->speedControlsEnabled());
    EXPECT_TRUE(dialog->applyEnabled());
}

TEST(MouseSpeedModel, TheStatusLineIsTheBlockAsTheDriverAnswered) {
    auto dialog = StoredMouseSpeedDialog(10, 10, 1);
    dialog->barChanged(V, 8);
    dialog->clickAcceleration(2);
    dialog->apply();
    EXPECT_EQ(dialog->statusLine(), "HS=40%, VS=40%, Acceleration=Medium");
    EXPECT_EQ(dialog.block.SpeedH, 8);
    EXPECT_EQ(dialog.block.Acceleration, 2);
    EXPECT_FALSE(dialog->applyEnabled());
}

TEST(MouseSpeedModel, StoredBypassOtherThanOneIsOnAndNothingToApply) {
    auto dialog = StoredMouseSpeedDialog(10, 10, 1, 2);
    EXPECT_TRUE(dialog->bypass());
    EXPECT_FALSE(dialog->speedControlsEnabled());
    EXPECT_FALSE(dialog->applyEnabled());
}

TEST(MouseSpeedModel, ValuesWithoutAPlaceShowTheNearestAndAnInvalidAcceleration) {
    auto dialog = StoredMouseSpeedDialog(0, 25, 7);
    EXPECT_EQ(dialog->bar(H), 20);
    EXPECT_EQ(dialog->bar(V), 20);
    EXPECT_TRUE(dialog->applyEnabled()) << "what the bars show is not what is stored";
    for (int index = 1; index <= 4; ++index)
        EXPECT_FALSE(dialog->accelerationSelected(index)) << "no option for level 7";
    EXPECT_EQ(dialog->accelerationCaption(1), "Slow");
    EXPECT_EQ(dialog->accelerationCaption(4), "Off");
    dialog->apply();
    EXPECT_EQ(dialog.block.Acceleration, 7) << "an untouched level is written back as it was";
    EXPECT_EQ(dialog->statusLine(), "HS=100%, VS=100%, Acceleration=Invalid#7");
}
