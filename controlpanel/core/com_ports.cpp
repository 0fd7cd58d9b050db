#include "com_ports.h"

namespace basComPorts {

namespace {

constexpr int32_t kNotProvided = -1;

// The record's fields are 32 bits wide; status bits and addresses keep their low 32 bits.
int32_t Low32(uint64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

ComResourceRecord AbsentRecord() {
    return {0, kNotProvided, kNotProvided, kNotProvided, kNotProvided, kNotProvided, kNotProvided};
}

bool IsProblemNode(const NodeStatus& node) {
    return (node.status & kDnHasProblem) != 0;
}

struct ChosenConfiguration {
    int32_t kind;
    const PortConfiguration* configuration;  // null with kNoConfiguration
};

ChosenConfiguration ChooseConfiguration(const PortDevice& device, const NodeStatus& node) {
    if (device.allocated && !IsProblemNode(node))
        return {kAllocatedConfiguration, &*device.allocated};
    if (device.forced) return {kForcedConfiguration, &*device.forced};
    bool hardwareDisabled = IsProblemNode(node) && node.problem == kProblemHardwareDisabled;
    if (device.boot && !hardwareDisabled) return {kBootConfiguration, &*device.boot};
    return {kNoConfiguration, nullptr};
}

}  // namespace

PortTable EmptyPortTable() {
    PortTable table;
    table.fill(AbsentRecord());
    return table;
}

int ComNumberOf(const std::string& portName) {
    std::string name = portName.substr(0, portName.find('\0'));
    if (name.size() != 4) return 0;
    // ASCII only: the locale's upper-casing must not turn some other letter into a "C".
    for (size_t i = 0; i < 3; ++i) {
        char upper =
            name[i] >= 'a' && name[i] <= 'z' ? static_cast<char>(name[i] - 'a' + 'A') : name[i];
        if (upper != "COM"[i]) return 0;
    }
    if (name[3] < '1' || name[3] > '9') return 0;
    return name[3] - '0';
}

ComResourceRecord PortRecord(int comNumber, const PortDevice& device) {
    ComResourceRecord record = AbsentRecord();
    record.ComNumber = comNumber;
    if (!device.nodeStatus) return record;
    const NodeStatus& node = *device.nodeStatus;
    record.Status = Low32(node.status);
    record.Problem = Low32(node.problem);

    ChosenConfiguration chosen = ChooseConfiguration(device, node);
    record.Configuration = chosen.kind;
    if (!chosen.configuration) return record;
    if (!chosen.configuration->ioRanges.empty()) {
        const IoRange& io = chosen.configuration->ioRanges.back();
        record.FirstAddress = Low32(io.start);
        record.LastAddress = Low32(io.end);
    }
    if (!chosen.configuration->irqs.empty()) record.Irq = Low32(chosen.configuration->irqs.back());
    return record;
}

PortTable BuildPortTable(const std::vector<PortDevice>& devices) {
    PortTable table = EmptyPortTable();
    for (const PortDevice& device : devices) {
        if (!device.portName) continue;
        int comNumber = ComNumberOf(*device.portName);
        if (comNumber == 0) continue;
        table[comNumber - 1] = PortRecord(comNumber, device);
    }
    return table;
}

}  // namespace basComPorts
