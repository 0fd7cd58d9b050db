// frmCOMxSet's decisions: the addresses and IRQ choices of COM1 to COM4, when Save is lit, and
// what Save sends to the driver.
#pragma once

#include <stdint.h>

#include <array>
#include <string>

#include "driver_port.h"
#include "driver_records.h"

constexpr int kResourcePorts = 4;  // COM1 to COM4
constexpr std::array<int, 6> kIrqChoices = {3, 4, 5, 7, 10, 11};

// "3", "4", "5", "7", "10", "11"
std::array<std::string, kIrqChoices.size()> IrqChoiceTexts();
// The list entry of an IRQ, or -1 when the IRQ is none of the choices.
int IrqChoiceIndex(int irq);
// What every row's address list holds: the bases of COM1 to COM4 as four hexadecimal digits.
std::array<std::string, kResourcePorts> PortAddressTexts(const DriverBlock& block);

class ComPortResourcesModel {
public:
    // Each port's list starts on its stored IRQ, or without a selection when it has no entry.
    ComPortResourcesModel(DriverBlock& block, DriverPort& driver);

    // port 1 to 4; the chosen entry, -1 for none.
    int selection(int port) const;
    // A choice in a port's list; the Save rule runs after it.
    void select(int port, int choice);

    bool saveEnabled() const { return saveEnabled_; }

    // The four IRQ bytes into a copy of the program's block, sent with IOCTL_SET_COM_IRQ; the
    // driver's answer becomes the program's block and Save goes dark. A port without a
    // selection keeps its stored IRQ. When the driver does not answer, the program's block
    // stays as the driver last gave it and Save stays lit.
    void save();
    // OK saves first when Save is lit; true when it did.
    bool saveIfEnabled();

private:
    bool differsFromBlock() const;

    DriverBlock& block_;
    DriverPort& driver_;
    std::array<int, kResourcePorts> selection_;
    bool saveEnabled_ = false;
};
