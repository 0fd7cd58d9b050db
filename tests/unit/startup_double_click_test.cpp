#include <gtest/gtest.h>

#include "double_click_settings.h"
#include "startup_fakes.h"

using namespace startup_fakes;

namespace {

class DoubleClickSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.putInstallFacts();
        ASSERT_TRUE(LoadInstallInfo(registry, config));
    }
    void TearDown() override { EXPECT_TRUE(registry.open.empty()) << "a key was left open"; }

    std::string apply(const DoubleClickSettings& settings) {
        return ApplyDoubleClick(pointer, registry, config, settings);
    }
    std::string mouseString(const std::string& name) {
        const FakeRegistry::Value& value = registry.value(name, kMouseKeyName);
        EXPECT_EQ(value.type, kRegSz) << name;
        return value.bytes;
    }

    FakeRegistry registry;
    FakePointer pointer;
    ProgramConfig config;
};

}  // namespace

TEST_F(DoubleClickSettingsTest, StoredValuesAreReadAllThreeOrNoneOfThem) {
    registry.putNumber("DoubleClickSpeed", 700);
    registry.putNumber("DoubleClickWidth", 10);
    registry.putNumber("DoubleClickHeight", 12);
    EXPECT_EQ(LoadStoredDoubleClick(registry, config), (DoubleClickSettings{700, 10, 12}));

    registry.keys[kConfigKeyName].erase("DoubleClickHeight");
    EXPECT_EQ(LoadStoredDoubleClick(registry, config), kDefaultDoubleClick)
        << "the two values that were read give way to the defaults too";
    EXPECT_EQ(config.doubleClickSpeed, 500u);

    registry.putString("DoubleClickHeight", "12");
    EXPECT_EQ(LoadStoredDoubleClick(registry, config), kDefaultDoubleClick)
        << "a string is missing";

    registry.putNumber("DoubleClickHeight", 0xFFFFFFFF);
    EXPECT_EQ(LoadStoredDoubleClick(registry, config), (DoubleClickSettings{700, 10, -1}))
        << "the values are signed";
}

TEST_F(DoubleClickSettingsTest, ApplyReachesWindowsItsPerUserStringsAndTheConfigurationKey) {
    std::vector<std::string> journal;
    pointer.journal = &journal;
    EXPECT_EQ(apply({650, 16, 20}), "");
    EXPECT_EQ(journal, (std::vector<std::string>{"SPI 29 16", "SPI 30 20", "SPI 32 650"}));
    EXPECT_EQ(mouseString("DoubleClickWidth"), std::string("16\0", 3)) << "length with the NUL";
    EXPECT_EQ(mouseString("DoubleClickHeight"), std::string("20\0", 3));
    EXPECT_EQ(mouseString("DoubleClickSpeed"), std::string("650\0", 4));
    EXPECT_EQ(registry.value("DoubleClickSpeed").type, kRegDword);
    EXPECT_EQ(registry.number("DoubleClickSpeed"), 650u);
    EXPECT_EQ(registry.number("DoubleClickWidth"), 16u);
    EXPECT_EQ(registry.number("DoubleClickHeight"), 20u);
    EXPECT_EQ(StoredDoubleClick(config), (DoubleClickSettings{650, 16, 20}));
}

TEST_F(DoubleClickSettingsTest, ValuesBeyondTheSlidersAreAppliedUnchanged) {
    std::vector<std::string> journal;
    pointer.journal = &journal;
    EXPECT_EQ(apply({1500, 100, 0}), "");
    EXPECT_EQ(journal, (std::vector<std::string>{"SPI 29 100", "SPI 30 0", "SPI 32 1500"}));
    EXPECT_EQ(mouseString("DoubleClickSpeed"), std::string("1500\0", 5));
    EXPECT_EQ(registry.number("DoubleClickWidth"), 100u);
}

TEST_F(DoubleClickSettingsTest, EachFailedStepAddsItsLetterAndTheOthersStillRun) {
    pointer.failing = {kSetDoubleClickHeight};
    std::string letters = apply({600, 8, 9});
    EXPECT_EQ(letters, "H");
    EXPECT_EQ(DoubleClickFailText(letters), "Fail to SetDoubleClock (H)!");
    EXPECT_EQ(pointer.now, (DoubleClickSettings{600, 8, 4})) << "width and time were still set";
    EXPECT_EQ(mouseString("DoubleClickHeight"), std::string("9\0", 2));

    pointer.failing = {kSetDoubleClickWidth, kSetDoubleClickHeight, kSetDoubleClickTime};
    registry.refusedWrites = {kMouseKeyName + "|DoubleClickWidth",
                              kMouseKeyName + "|DoubleClickSpeed"};
    EXPECT_EQ(apply({600, 8, 9}), "WHTwt");
    EXPECT_EQ(mouseString("DoubleClickHeight"), std::string("9\0", 2)) << "between two failures";
}

TEST_F(DoubleClickSettingsTest, AnUnopenablePerUserKeyStillStoresTheSettings) {
    pointer.failing = {kSetDoubleClickHeight};
    registry.refusedKeys = {kMouseKeyName};
    std::string letters = apply({450, 6, 7});
    EXPECT_EQ(DoubleClickFailText(letters), "Fail to SetDoubleClock (HR)!");
    EXPECT_FALSE(registry.has("DoubleClickSpeed", kMouseKeyName));
    EXPECT_EQ(registry.number("DoubleClickSpeed"), 450u);
    EXPECT_EQ(registry.number("DoubleClickHeight"), 7u);
}
