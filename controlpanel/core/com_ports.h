// basComPorts: which present "Ports" devices are COM1 to COM9 and which resources the port table
// records for each. The Win32 side only fetches the devices; every decision is made here.
#pragma once

#include <stdint.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "driver_records.h"

namespace basComPorts {

constexpr int kPortCount = 9;

// The configuration manager's node status bit and problem number that rule out the allocated
// and the boot configuration.
constexpr uint32_t kDnHasProblem = 0x00000400;
constexpr uint32_t kProblemHardwareDisabled = 29;

// ComResourceRecord::Configuration: where the resources were taken from.
constexpr int32_t kNoConfiguration = 0;
constexpr int32_t kAllocatedConfiguration = 1;
constexpr int32_t kForcedConfiguration = 2;
constexpr int32_t kBootConfiguration = 4;

struct IoRange {
    uint64_t start;
    uint64_t end;
};

// The readable resource descriptors of one logical configuration, each type in descriptor order.
struct PortConfiguration {
    std::vector<IoRange> ioRanges;
    std::vector<uint32_t> irqs;
};

struct NodeStatus {
    uint32_t status;
    uint32_t problem;
};

// What Windows gave for one present device of the "Ports" class; nullopt where a call failed or
// the thing does not exist.
struct PortDevice {
    std::optional<std::string> portName;  // the string value's bytes as stored, NULs included
    std::optional<NodeStatus> nodeStatus;
    std::optional<PortConfiguration> allocated;
    std::optional<PortConfiguration> forced;
    std::optional<PortConfiguration> boot;
};

// Entry n-1 holds COMn.
using PortTable = std::array<ComResourceRecord, kPortCount>;

// Every entry absent: COM number 0 and every other field -1.
PortTable EmptyPortTable();

// 1 to 9 when the name (up to its first NUL) is exactly "COM" in any case and one digit 1 to 9;
// 0 for every other name.
int ComNumberOf(const std::string& portName);

// The record of a device already known to be COMn.
ComResourceRecord PortRecord(int comNumber, const PortDevice& device);

// Devices in the order Windows listed them; when two claim one COM number the later one wins.
PortTable BuildPortTable(const std::vector<PortDevice>& devices);

}  // namespace basComPorts
