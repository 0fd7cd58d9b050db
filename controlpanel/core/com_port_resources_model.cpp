#include "com_port_resources_model.h"

#include "driver_requests.h"
#include "formatters.h"

std::array<std::string, kIrqChoices.size()> IrqChoiceTexts() {
    std::array<std::string, kIrqChoices.size()> texts;
    for (size_t i = 0; i < kIrqChoices.size(); ++i) texts[i] = std::to_string(kIrqChoices[i]);
    return texts;
}

int IrqChoiceIndex(int irq) {
    for (size_t i = 0; i < kIrqChoices.size(); ++i)
        if (kIrqChoices[i] == irq) return int(i);
    return -1;
}

std::array<std::string, kResourcePorts> PortAddressTexts(const DriverBlock& block) {
    std::array<std::string, kResourcePorts> texts;
    for (int port = 0; port < kResourcePorts; ++port) texts[port] = Hex4(block.Com[port].Base);
    return texts;
}

ComPortResourcesModel::ComPortResourcesModel(DriverBlock& block, DriverPort& driver)
    : block_(block), driver_(driver) {
    for (int port = 0; port < kResourcePorts; ++port)
        selection_[port] = IrqChoiceIndex(block_.Com[port].Irq);
    saveEnabled_ = differsFromBlock();
}

int ComPortResourcesModel::selection(int port) const {
    return port >= 1 && port <= kResourcePorts ? selection_[port - 1] : -1;
}

void ComPortResourcesModel::select(int port, int choice) {
    if (port < 1 || port > kResourcePorts) return;
    selection_[port - 1] = choice >= 0 && choice < int(kIrqChoices.size()) ? choice : -1;
    saveEnabled_ = differsFromBlock();
}

bool ComPortResourcesModel::differsFromBlock() const {
    for (int port = 0; port < kResourcePorts; ++port) {
        int stored = block_.Com[port].Irq;
        int choice = selection_[port];
        // an empty list reads as IRQ 0
        if (choice < 0 ? stored != 0 : kIrqChoices[choice] != stored) return true;
    }
    return false;
}

void ComPortResourcesModel::save() {
    DriverBlock sent = block_;
    for (int port = 0; port < kResourcePorts; ++port) {
        int choice = selection_[port];
        if (choice >= 0) sent.Com[port].Irq = uint8_t(kIrqChoices[choice]);
    }
    if (driver_.transact(IOCTL_SET_COM_IRQ, sent)) {
        block_ = sent;
        saveEnabled_ = false;
    } else {
        saveEnabled_ = differsFromBlock();
    }
}

bool ComPortResourcesModel::saveIfEnabled() {
    if (!saveEnabled_) return false;
    save();
    return true;
}
