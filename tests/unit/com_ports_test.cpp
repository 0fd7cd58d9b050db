#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com_ports.h"

using namespace basComPorts;

namespace {

const NodeStatus kStarted = {0x0180200A, 0};
const NodeStatus kDisabledHardware = {kDnHasProblem, kProblemHardwareDisabled};
const NodeStatus kResourceConflict = {kDnHasProblem, 12};

PortConfiguration Uart(uint64_t base, uint32_t irq) {
    return {{{base, base + 7}}, {irq}};
}

PortDevice Port(std::string name, std::optional<NodeStatus> status = kStarted) {
    PortDevice device;
    device.portName = std::move(name);
    device.nodeStatus = status;
    return device;
}

PortDevice Port(std::string name, PortConfiguration allocated) {
    PortDevice device = Port(std::move(name));
    device.allocated = std::move(allocated);
    return device;
}

std::string Fields(const ComResourceRecord& r) {
    return std::to_string(r.ComNumber) + " " + std::to_string(r.FirstAddress) + " " +
           std::to_string(r.LastAddress) + " " + std::to_string(r.Irq) + " " +
           std::to_string(r.Status) + " " + std::to_string(r.Problem) + " " +
           std::to_string(r.Configuration);
}

std::string PresentPorts(const PortTable& table) {
    std::string present;
    for (const ComResourceRecord& record : table)
        if (record.ComNumber != 0) present += std::to_string(record.ComNumber) + " ";
    return present;
}

}  // namespace

TEST(ComPortNames, OnlyComAndOneDigitOneToNineInAnyCaseCount) {
    EXPECT_EQ(ComNumberOf("COM1"), 1);
    EXPECT_EQ(ComNumberOf("com3"), 3);
    EXPECT_EQ(ComNumberOf("cOm9"), 9);
    for (const char* name :
         {"", "C", "COM", "COM0", "COM10", "COM12", "COM3x", "COM 3", "COM03", "COM+3", "COM-3",
          " COM3", "COM3 ", "LPT1", "CON3", "COMA", "COM\xB3", "\xC3\x87OM3", "COMx3"})
        EXPECT_EQ(ComNumberOf(name), 0) << "'" << name << "'";
    EXPECT_EQ(ComNumberOf("COM5" + std::string(100000, 'x')), 0);
    EXPECT_EQ(ComNumberOf("COM" + std::string(100000, '5')), 0);
}

TEST(ComPortNames, TheNameEndsAtItsFirstNulWhateverFollows) {
    EXPECT_EQ(ComNumberOf(std::string("COM4\0", 5)), 4);
    EXPECT_EQ(ComNumberOf(std::string("COM4\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 20)), 4);
    EXPECT_EQ(ComNumberOf(std::string("COM4") + '\0' + "7"), 4);
    EXPECT_EQ(ComNumberOf(std::string("COM") + '\0' + "4"), 0);
    EXPECT_EQ(ComNumberOf(std::string("\0COM4", 5)), 0);
}

TEST(PortTable, BeforeAndWithoutPortsEveryEntryIsAbsentWithAllFieldsMinusOne) {
    for (const PortTable& table :
         {EmptyPortTable(), BuildPortTable({}),
          BuildPortTable({Port("LPT1", Uart(0x378, 7)), Port("COM12", Uart(0x2E8, 5)),
                          Port("COM0", Uart(0x3E8, 4))})})
        for (const ComResourceRecord& record : table)
            EXPECT_EQ(Fields(record), "0 -1 -1 -1 -1 -1 -1");
}

TEST(PortTable, EachNamedPortLandsInTheEntryOfItsNumberWhateverTheListingOrder) {
    PortTable table = BuildPortTable({Port("LPT1", Uart(0x378, 7)), Port("COM3", Uart(0x3E8, 4)),
                                      Port("com1", Uart(0x3F8, 4)), Port("COM9", Uart(0x2E8, 3))});
    EXPECT_EQ(PresentPorts(table), "1 3 9 ");
    EXPECT_EQ(Fields(table[0]), "1 1016 1023 4 25174026 0 1");
    EXPECT_EQ(Fields(table[2]), "3 1000 1007 4 25174026 0 1");
    EXPECT_EQ(Fields(table[8]), "9 744 751 3 25174026 0 1");

    PortDevice nameless = Port("", Uart(0x3F8, 4));
    nameless.portName.reset();
    EXPECT_EQ(PresentPorts(BuildPortTable({nameless})), "");
}

TEST(PortTable, OfTwoDevicesNamedAlikeTheLaterGivesTheWholeRecord) {
    PortTable table = BuildPortTable({Port("COM2", Uart(0x2F8, 3)), Port("com2", std::nullopt)});
    EXPECT_EQ(Fields(table[1]), "2 -1 -1 -1 -1 -1 -1");

    PortDevice ioOnly = Port("COM2");
    ioOnly.allocated = PortConfiguration{{{0x3E8, 0x3EF}}, {}};
    table = BuildPortTable({Port("COM2", Uart(0x2F8, 3)), ioOnly});
    EXPECT_EQ(Fields(table[1]), "2 1000 1007 -1 25174026 0 1");
}

TEST(PortResources, AFailedStatusQueryLeavesEveryResourceFieldMinusOne) {
    PortDevice device = Port("COM1", std::nullopt);
    device.allocated = Uart(0x3F8, 4);
    device.boot = Uart(0x3F8, 4);
    EXPECT_EQ(Fields(PortRecord(1, device)), "1 -1 -1 -1 -1 -1 -1");
}

TEST(PortResources, AHealthyNodeTakesTheAllocatedConfigurationFirst) {
    PortDevice device = Port("COM1");
    device.boot = Uart(0x2F8, 3);
    device.forced = Uart(0x3E8, 5);
    device.allocated = Uart(0x3F8, 4);
    EXPECT_EQ(Fields(PortRecord(1, device)), "1 1016 1023 4 25174026 0 1");
    device.allocated.reset();
    EXPECT_EQ(Fields(PortRecord(1, device)), "1 1000 1007 5 25174026 0 2");
    device.forced.reset();
    EXPECT_EQ(Fields(PortRecord(1, device)), "1 760 767 3 25174026 0 4");
    device.boot.reset();
    EXPECT_EQ(Fields(PortRecord(1, device)), "1 -1 -1 -1 25174026 0 0");
}

TEST(PortResources, ANodeWithAProblemNeverTakesItsAllocatedConfiguration) {
    PortDevice device = Port("COM2", kResourceConflict);
    device.allocated = Uart(0x3F8, 4);
    device.boot = Uart(0x2F8, 3);
    EXPECT_EQ(Fields(PortRecord(2, device)), "2 760 767 3 1024 12 4");
    device.boot.reset();
    EXPECT_EQ(Fields(PortRecord(2, device)), "2 -1 -1 -1 1024 12 0");
}

TEST(PortResources, DisabledHardwareSkipsTheBootConfigurationButNotTheForcedOne) {
    PortDevice device = Port("COM4", kDisabledHardware);
    device.allocated = Uart(0x3F8, 4);
    device.boot = Uart(0x2E8, 3);
    EXPECT_EQ(Fields(PortRecord(4, device)), "4 -1 -1 -1 1024 29 0");
    device.forced = Uart(0x3E8, 5);
    EXPECT_EQ(Fields(PortRecord(4, device)), "4 1000 1007 5 1024 29 2");
}

TEST(PortResources, ProblemNumber29CountsOnlyWithTheProblemBit) {
    PortDevice device = Port("COM4", NodeStatus{0x0180200A, kProblemHardwareDisabled});
    device.boot = Uart(0x2E8, 3);
    EXPECT_EQ(Fields(PortRecord(4, device)), "4 744 751 3 25174026 29 4");
    device.allocated = Uart(0x3F8, 4);
    EXPECT_EQ(PortRecord(4, device).Configuration, kAllocatedConfiguration);
}

TEST(PortResources, OnlyTheChosenConfigurationProvidesResources) {
    PortDevice device = Port("COM1", kResourceConflict);
    device.allocated = Uart(0x3F8, 4);
    device.forced = PortConfiguration{};
    EXPECT_EQ(Fields(PortRecord(1, device)), "1 -1 -1 -1 1024 12 2");
    device.forced = PortConfiguration{{}, {5}};
    EXPECT_EQ(Fields(PortRecord(1, device)), "1 -1 -1 5 1024 12 2");
    device.forced = PortConfiguration{{{0x2F8, 0x2FF}}, {}};
    EXPECT_EQ(Fields(PortRecord(1, device)), "1 760 767 -1 1024 12 2");
}

TEST(PortResources, OfSeveralDescriptorsOfOneTypeTheLastWins) {
    PortDevice device = Port(
        "COM1", PortConfiguration{{{0x3F8, 0x3FF}, {0x2F8, 0x2FF}, {0x100, 0x10F}}, {4, 3, 11}});
    EXPECT_EQ(Fields(PortRecord(1, device)), "1 256 271 11 25174026 0 1");
}

TEST(PortResources, WideValuesKeepTheirLow32BitsAsTheDriverExpects) {
    PortDevice device = Port("COM1", NodeStatus{0x80000400, 0xFFFFFFF0});
    device.forced = PortConfiguration{{{0x1000003F8, 0xFFFFFFFF00000400}}, {0xFFFFFFFE}};
    ComResourceRecord record = PortRecord(1, device);
    EXPECT_EQ(record.FirstAddress, 0x3F8);
    EXPECT_EQ(record.LastAddress, 0x400);
    EXPECT_EQ(record.Irq, -2);
    EXPECT_EQ(static_cast<uint32_t>(record.Status), 0x80000400u);
    EXPECT_EQ(record.Problem, -16);
}
