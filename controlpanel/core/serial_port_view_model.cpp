#include "serial_port_view_model.h"

#include "formatters.h"

SerialPortRows SerialPortRowsOf(const DriverBlock& block, const basComPorts::PortTable& table) {
    SerialPortRows rows;
    for (int n = 1; n <= basComPorts::kPortCount; ++n) {
        const ComPortSlot& slot = block.Com[n - 1];
        rows[n - 1] = {PortText(n, slot.Base, slot.Irq), "", kPortRowGrey, false};
    }
    for (const ComResourceRecord& entry : table) {
        int m = entry.ComNumber;
        if (m < 1 || m > basComPorts::kPortCount) continue;
        rows[m - 1].portText = PortText(m, entry.FirstAddress, entry.Irq);
    }
    int c = block.ComPort;
    if (c >= 1 && c <= basComPorts::kPortCount) {
        SerialPortRow& row = rows[c - 1];
        row.detected = true;
        row.colour = kPortRowBlack;
        row.deviceText = "*" + ProtocolName(block.Protocol);
    }
    return rows;
}

bool IsSetupKey(int virtualKey, int shift) {
    const int kAltOnly = 4;
    return virtualKey == 'S' && shift == kAltOnly;
}
