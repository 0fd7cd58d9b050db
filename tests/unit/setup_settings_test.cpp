#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "setup_settings.h"

namespace {

using Texts = std::map<std::string, std::string>;

std::map<std::string, uint32_t> Plan(const Texts& texts) {
    std::map<std::string, uint32_t> writes;
    for (const SettingWrite& write : PlanSettingWrites([&](const char* key) {
             auto found = texts.find(key);
             return found == texts.end() ? std::string() : found->second;
         }))
        writes[write.name] = write.value;
    return writes;
}

// Every key valid, at values that tell the bytes of the packed groups apart.
Texts AllValid() {
    return {
        {"CalibrationMode", "0"},     {"VirtualButton", "4"},        {"RightButtonFunction", "1"},
        {"RightButtonAutoMode", "1"}, {"RightButtonAutoSTime", "3"}, {"RightButtonAutoETime", "9"},
        {"RightButtonAutoBeep", "0"}, {"FeedbackSound", "2"},        {"FeedbackTone", "1000"},
        {"FeedbackDuration", "30"},   {"MouseBypass", "1"},          {"MouseHSpeed", "10"},
        {"MouseVSpeed", "12"},        {"MouseAcceleration", "2"},    {"DoubleClickSpeed", "450"},
        {"DoubleClickWidth", "4"},    {"DoubleClickHeight", "5"},    {"PanelDirection", "7"},
        {"AutoScanCOM", "9"},         {"AutoScanDevice", "12345"}};
}

}  // namespace

TEST(SettingClassification, BoundsAreValidAndOneBeyondIsNot) {
    for (const SettingRange& range : kSettingRanges) {
        SCOPED_TRACE(range.key);
        EXPECT_EQ(ClassifySetting(std::to_string(range.min), range.min, range.max).kind,
                  SettingClass::Valid);
        EXPECT_EQ(ClassifySetting(std::to_string(range.max), range.min, range.max).value,
                  uint32_t(range.max));
        EXPECT_EQ(ClassifySetting(std::to_string(range.min - 1), range.min, range.max).kind,
                  SettingClass::TooSmall);
        EXPECT_EQ(ClassifySetting(std::to_string(range.max + 1), range.min, range.max).kind,
                  SettingClass::TooLarge);
    }
}

TEST(SettingClassification, EmptyIsAbsentAndTextIsZero) {
    EXPECT_EQ(ClassifySetting("", 100, 900).kind, SettingClass::Absent);
    EXPECT_EQ(ClassifySetting("abc", 100, 900).kind, SettingClass::TooSmall);
    SettingReading zero = ClassifySetting("abc", 0, 64);
    EXPECT_EQ(zero.kind, SettingClass::Valid);
    EXPECT_EQ(zero.value, 0u);
    EXPECT_EQ(ClassifySetting("0.5", 1, 4).kind, SettingClass::TooSmall) << "rounds to 0";
    EXPECT_EQ(ClassifySetting("4.5", 1, 4).value, 4u) << "rounds to 4, in range";
    EXPECT_EQ(ClassifySetting("5.5", 1, 4).kind, SettingClass::TooLarge);
    EXPECT_EQ(ClassifySetting("1e9", 0, 99999).kind, SettingClass::TooLarge);
    EXPECT_EQ(ClassifySetting("-4294967295", 0, 1).kind, SettingClass::TooSmall)
        << "a negative number never wraps into range";
}

TEST(SettingsPlan, EveryValidValueIsWrittenInOrderWithBothGroupsPacked) {
    Texts texts = AllValid();
    std::vector<std::string> order;
    for (const SettingWrite& write : PlanSettingWrites([&](const char* key) { return texts[key]; }))
        order.push_back(write.name);
    EXPECT_EQ(order, (std::vector<std::string>{
                         "CalibrationMode", "VirtualButton", "RightButtonFunction",
                         "RightButtonAutomatic", "FeedbackSound", "FeedbackTone",
                         "FeedbackDuration", "MouseSpeed", "DoubleClickSpeed", "DoubleClickWidth",
                         "DoubleClickHeight", "PanelDirection", "AutoScanCOM", "AutoScanDevice"}));
    std::map<std::string, uint32_t> writes = Plan(texts);
    EXPECT_EQ(writes["MouseSpeed"], 168559105u) << "0x0A0C0201";
    EXPECT_EQ(writes["RightButtonAutomatic"], 0x01030900u);
    EXPECT_EQ(writes["FeedbackTone"], 1000u);
    EXPECT_EQ(writes["AutoScanDevice"], 12345u);
    EXPECT_EQ(writes["CalibrationMode"], 0u);
}

TEST(SettingsPlan, AGroupWithOnePartMissingOrOutOfRangeIsNotWritten) {
    Texts texts = AllValid();
    texts.erase("MouseBypass");
    texts["RightButtonAutoSTime"] = "10";
    std::map<std::string, uint32_t> writes = Plan(texts);
    EXPECT_EQ(writes.count("MouseSpeed"), 0u);
    EXPECT_EQ(writes.count("RightButtonAutomatic"), 0u);
    EXPECT_EQ(writes.size(), 12u) << "the other values are still written";
    EXPECT_EQ(writes["VirtualButton"], 4u);
}

TEST(SettingsPlan, OutOfRangeAndMissingValuesAreSkippedSilently) {
    Texts texts = AllValid();
    texts["FeedbackTone"] = "5001";
    texts["FeedbackDuration"] = "9";
    texts["DoubleClickSpeed"] = "abc";
    texts.erase("PanelDirection");
    std::map<std::string, uint32_t> writes = Plan(texts);
    for (const char* skipped :
         {"FeedbackTone", "FeedbackDuration", "DoubleClickSpeed", "PanelDirection"})
        EXPECT_EQ(writes.count(skipped), 0u) << skipped;
    EXPECT_EQ(writes.size(), 10u);
    EXPECT_TRUE(Plan({}).empty()) << "an empty file writes nothing";
}
