#include <gtest/gtest.h>

#include <string>

#include "serial_port_view_model.h"

using basComPorts::EmptyPortTable;
using basComPorts::PortTable;

namespace {

// The driver as it starts on a machine without serial ports: nothing found anywhere.
DriverBlock NoPortsBlock(uint8_t comPort) {
    DriverBlock block{};
    block.ComPort = comPort;
    for (ComPortSlot& slot : block.Com) slot = {0, 255, 0};
    return block;
}

ComResourceRecord Entry(int32_t com, int32_t base, int32_t irq) {
    return {com, base, base == -1 ? -1 : base + 7, irq, 0x0180200A, 0, 1};
}

}  // namespace

TEST(SerialPortRows, WithoutSerialPortsEveryRowReadsNotFoundWithItsOwnNumber) {
    SerialPortRows rows = SerialPortRowsOf(NoPortsBlock(0), EmptyPortTable());
    for (int n = 1; n <= 9; ++n) {
        const SerialPortRow& row = rows[n - 1];
        EXPECT_EQ(row.portText, "COM" + std::to_string(n) + "..Not Found.");
        EXPECT_EQ(row.deviceText, "");
        EXPECT_EQ(row.colour, kPortRowGrey);
        EXPECT_FALSE(row.detected) << "ComPort 0 marks no row";
    }
}

TEST(SerialPortRows, TheDriversOwnTextsForEachKindOfPort) {
    DriverBlock block = NoPortsBlock(1);
    block.Com[0] = {0x3F8, 4, 0};
    block.Com[1] = {0x2F8, 3, 0};
    block.Com[2] = {0, 254, 0};
    block.Com[3] = {0, 7, 0};
    block.Com[4] = {int16_t(0xBEEF), 11, 0};  // above 0x7FFF the 16-bit field reads negative
    SerialPortRows rows = SerialPortRowsOf(block, EmptyPortTable());
    EXPECT_EQ(rows[0].portText, "COM1, BasePort=03F8h, IRQ=4");
    EXPECT_EQ(rows[1].portText, "COM2, BasePort=02F8h, IRQ=3");
    EXPECT_EQ(rows[2].portText, "COM3..Used by Other Device.");
    EXPECT_EQ(rows[3].portText, "COM4..Unabled (code=7)");
    EXPECT_EQ(rows[4].portText, "COM5, BasePort=BEEFh, IRQ=11");
    EXPECT_EQ(rows[5].portText, "COM6..Not Found.");
}

TEST(SerialPortRows, PortsWindowsReportedShowWindowsResourcesInstead) {
    DriverBlock block = NoPortsBlock(2);
    block.Com[0] = {0x3F8, 4, 0};
    block.Com[1] = {0x2F8, 3, 0};
    PortTable table = EmptyPortTable();
    table[1] = Entry(2, 0x2E8, 5);
    table[2] = Entry(3, -1, -1);         // present, but its configuration could not be read
    table[3] = Entry(4, 0x12345678, 9);  // only the last four digits of a wide base
    table[8] = Entry(9, 0x3E8, 10);
    SerialPortRows rows = SerialPortRowsOf(block, table);
    EXPECT_EQ(rows[0].portText, "COM1, BasePort=03F8h, IRQ=4") << "not reported: the driver's";
    EXPECT_EQ(rows[1].portText, "COM2, BasePort=02E8h, IRQ=5");
    EXPECT_EQ(rows[2].portText, "COM3, BasePort=FFFFh, IRQ=-1");
    EXPECT_EQ(rows[3].portText, "COM4, BasePort=5678h, IRQ=9");
    EXPECT_EQ(rows[8].portText, "COM9, BasePort=03E8h, IRQ=10");
    EXPECT_EQ(rows[4].portText, "COM5..Not Found.");
}

TEST(SerialPortRows, AnEntryNamesItsOwnRowWhateverSlotItSitsIn) {
    PortTable table = EmptyPortTable();
    table[0] = Entry(7, 0x3F8, 4);
    table[1] = Entry(12, 0x2F8, 3);  // outside COM1 to COM9: no row of its own
    table[2] = Entry(-1, 0x2F8, 3);
    SerialPortRows rows = SerialPortRowsOf(NoPortsBlock(1), table);
    EXPECT_EQ(rows[6].portText, "COM7, BasePort=03F8h, IRQ=4");
    EXPECT_EQ(rows[0].portText, "COM1..Not Found.");
    EXPECT_EQ(rows[1].portText, "COM2..Not Found.");
    EXPECT_EQ(rows[2].portText, "COM3..Not Found.");
}

TEST(SerialPortRows, OnlyTheDetectedRowIsMarkedAndBlack) {
    for (uint8_t detected = 1; detected <= 9; ++detected) {
        DriverBlock block = NoPortsBlock(detected);
        block.Protocol = 0;
        SerialPortRows rows = SerialPortRowsOf(block, EmptyPortTable());
        for (int n = 1; n <= 9; ++n) {
            const SerialPortRow& row = rows[n - 1];
            bool mine = n == detected;
            EXPECT_EQ(row.detected, mine) << "COM" << n << " with ComPort " << int(detected);
            EXPECT_EQ(row.colour, mine ? kPortRowBlack : kPortRowGrey) << "COM" << n;
            EXPECT_EQ(row.deviceText, mine ? "*NXCOM" : "") << "COM" << n;
        }
    }
}

TEST(SerialPortRows, DeviceLabelNamesTheProtocolFamilyOrNothing) {
    DriverBlock block = NoPortsBlock(3);
    block.Protocol = 1;
    EXPECT_EQ(SerialPortRowsOf(block, EmptyPortTable())[2].deviceText, "*VTCOM");
    for (uint8_t protocol : {2, 255}) {
        block.Protocol = protocol;
        EXPECT_EQ(SerialPortRowsOf(block, EmptyPortTable())[2].deviceText, "*")
            << "protocol " << int(protocol);
    }
}

TEST(SerialPortRows, AControllerPortAboveNineMarksNoRow) {
    for (uint8_t comPort : {10, 200, 255}) {
        SerialPortRows rows = SerialPortRowsOf(NoPortsBlock(comPort), EmptyPortTable());
        for (const SerialPortRow& row : rows) {
            EXPECT_FALSE(row.detected) << "ComPort " << int(comPort);
            EXPECT_EQ(row.colour, kPortRowGrey);
            EXPECT_EQ(row.deviceText, "");
        }
    }
}

TEST(SerialPortSetupKey, AltSAloneOpensTheHiddenSetup) {
    const int shift = 1, ctrl = 2, alt = 4;
    EXPECT_TRUE(IsSetupKey('S', alt));
    EXPECT_FALSE(IsSetupKey('S', 0));
    EXPECT_FALSE(IsSetupKey('S', alt | ctrl));
    EXPECT_FALSE(IsSetupKey('S', alt | shift));
    EXPECT_FALSE(IsSetupKey('M', alt));
    EXPECT_FALSE(IsSetupKey('s', alt)) << "key codes, not characters";
}
