#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "com_port_resources_model.h"
#include "settings_fakes.h"

namespace {

DriverBlock BlockWithIrqs(int com1, int com2, int com3, int com4) {
    DriverBlock block{};
    block.ComPort = 1;
    const int irqs[] = {com1, com2, com3, com4};
    const int16_t bases[] = {0x3F8, 0x2F8, 0x3E8, 0x2E8};
    for (int port = 0; port < 4; ++port) block.Com[port] = {bases[port], uint8_t(irqs[port]), 0};
    for (int port = 4; port < 9; ++port) block.Com[port] = {0, 255, 0};
    block.ButtonMode = 2;
    block.SleepTime = 6;
    return block;
}

OpenDialog<ComPortResourcesModel> Opened(int com1, int com2, int com3, int com4) {
    return OpenDialog<ComPortResourcesModel>(BlockWithIrqs(com1, com2, com3, com4));
}

}  // namespace

TEST(ComPortResourceLists, AddressesAndIrqChoicesAsTheListsShowThem) {
    DriverBlock block = BlockWithIrqs(4, 3, 4, 3);
    block.Com[3].Base = 0;
    std::array<std::string, 4> addresses = PortAddressTexts(block);
    EXPECT_EQ(addresses[0], "03F8");
    EXPECT_EQ(addresses[1], "02F8");
    EXPECT_EQ(addresses[2], "03E8");
    EXPECT_EQ(addresses[3], "0000") << "a port without a base";
    block.Com[0].Base = int16_t(0xFEDC);
    EXPECT_EQ(PortAddressTexts(block)[0], "FEDC");
    auto choices = IrqChoiceTexts();
    EXPECT_EQ(std::vector<std::string>(choices.begin(), choices.end()),
              (std::vector<std::string>{"3", "4", "5", "7", "10", "11"}));
    EXPECT_EQ(IrqChoiceIndex(3), 0);
    EXPECT_EQ(IrqChoiceIndex(11), 5);
    for (int none : {0, 1, 6, 9, 12, 254, 255, -1}) EXPECT_EQ(IrqChoiceIndex(none), -1) << none;
}

TEST(ComPortResourcesSaveRule, OpensDarkWhenEveryStoredIrqIsAChoiceAndFollowsTheChoices) {
    auto dialog = Opened(4, 3, 5, 11);
    EXPECT_EQ(dialog->selection(1), 1);
    EXPECT_EQ(dialog->selection(2), 0);
    EXPECT_EQ(dialog->selection(3), 2);
    EXPECT_EQ(dialog->selection(4), 5);
    EXPECT_FALSE(dialog->saveEnabled());
    dialog->select(3, 3);  // IRQ 7
    EXPECT_TRUE(dialog->saveEnabled());
    dialog->select(1, 4);
    dialog->select(3, 2);  // COM3 back to its stored 5, COM1 still changed
    EXPECT_TRUE(dialog->saveEnabled());
    dialog->select(1, 1);
    EXPECT_FALSE(dialog->saveEnabled()) << "every list back on its stored IRQ";
    EXPECT_TRUE(dialog.driver.sent().empty()) << "choosing sends nothing";
}

TEST(ComPortResourcesSaveRule, AStoredIrqWithoutAChoiceOpensWithoutSelectionAndSaveLit) {
    for (int stored : {9, 255, 254, 1}) {
        auto dialog = Opened(4, 3, stored, 4);
        EXPECT_EQ(dialog->selection(3), -1) << stored;
        EXPECT_TRUE(dialog->saveEnabled()) << "stored " << stored;
    }
    auto dialog = Opened(4, 3, 0, 4);
    EXPECT_EQ(dialog->selection(3), -1);
    EXPECT_FALSE(dialog->saveEnabled()) << "an empty list matches a stored 0";
    dialog->select(3, 0);
    EXPECT_TRUE(dialog->saveEnabled());
    dialog->select(3, -1);
    EXPECT_FALSE(dialog->saveEnabled());
}

TEST(ComPortResourcesSaveRule, ChoicesOutsideTheListsAreNoChoice) {
    auto dialog = Opened(4, 3, 4, 3);
    dialog->select(2, 6);
    EXPECT_EQ(dialog->selection(2), -1);
    dialog->select(0, 2);
    dialog->select(5, 2);
    EXPECT_EQ(dialog->selection(0), -1);
    EXPECT_EQ(dialog->selection(5), -1);
    EXPECT_EQ(dialog->selection(1), 1) << "the other lists keep theirs";
}

TEST(ComPortResourcesSave, SendsOnlyTheFourIrqBytesAndKeepsTheDriversAnswer) {
    auto dialog = Opened(4, 3, 4, 3);
    dialog.driver.change([](DriverBlock& held) { held.Level = 9; });  // not in the copy
    DriverBlock before = dialog.block;
    dialog->select(1, 2);  // 5
    dialog->select(2, 3);  // 7
    dialog->select(3, 4);  // 10
    dialog->select(4, 5);  // 11
    dialog->save();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    EXPECT_EQ(DifferingBytes(before, dialog.driver.sent()[0].block),
              (std::vector<size_t>{6, 10, 14, 18}));
    EXPECT_EQ(dialog.driver.sent()[0].block.Com[0].Irq, 5);
    EXPECT_EQ(dialog.driver.sent()[0].block.Com[1].Irq, 7);
    EXPECT_EQ(dialog.driver.sent()[0].block.Com[2].Irq, 10);
    EXPECT_EQ(dialog.driver.sent()[0].block.Com[3].Irq, 11);
    EXPECT_EQ(dialog.block.Level, 9) << "the program keeps the block as the driver answered";
    EXPECT_EQ(dialog.block.Com[3].Irq, 11);
    EXPECT_EQ(dialog.block.Com[0].Base, 0x3F8) << "the bases are not changed";
    EXPECT_FALSE(dialog->saveEnabled());
}

TEST(ComPortResourcesSave, APortWithoutSelectionKeepsItsStoredValue) {
    // COM3 not found (255) and COM4 with an IRQ the lists do not offer: Save must not turn
    // either into something the driver never said
    DriverBlock block = BlockWithIrqs(4, 3, 255, 9);
    block.Com[2].Base = 0;
    OpenDialog<ComPortResourcesModel> dialog(block);
    ASSERT_TRUE(dialog->saveEnabled());
    dialog->select(1, 0);  // 3
    dialog->save();
    ASSERT_EQ(dialog.driver.sent().size(), 1u);
    EXPECT_EQ(dialog.driver.sent()[0].block.Com[0].Irq, 3);
    EXPECT_EQ(dialog.driver.sent()[0].block.Com[1].Irq, 3);
    EXPECT_EQ(dialog.driver.sent()[0].block.Com[2].Irq, 255);
    EXPECT_EQ(dialog.driver.sent()[0].block.Com[3].Irq, 9);
    EXPECT_EQ(dialog.block.Com[2].Irq, 255);
    EXPECT_FALSE(dialog->saveEnabled()) << "Save goes dark after saving";
}

TEST(ComPortResourcesSave, OkSavesOnlyWhenSaveIsLit) {
    auto dialog = Opened(4, 3, 4, 3);
    EXPECT_FALSE(dialog->saveIfEnabled());
    EXPECT_TRUE(dialog.driver.sent().empty());
    dialog->select(2, 1);
    EXPECT_TRUE(dialog->saveIfEnabled());
    EXPECT_EQ(dialog.driver.sent().size(), 1u);
    EXPECT_EQ(dialog.block.Com[1].Irq, 4);
    EXPECT_FALSE(dialog->saveIfEnabled()) << "a second OK has nothing left to save";
    EXPECT_EQ(dialog.driver.sent().size(), 1u);
}

TEST(ComPortResourcesSave, AnUnansweredSaveLeavesTheProgramsBlockAndSaveLit) {
    auto dialog = Opened(4, 3, 4, 3);
    dialog.driver.fails = true;
    DriverBlock before = dialog.block;
    dialog->select(1, 5);
    dialog->save();
    EXPECT_TRUE(DifferingBytes(before, dialog.block).empty()) << "the driver never took IRQ 11";
    EXPECT_TRUE(dialog->saveEnabled()) << "the change is still pending";
    dialog.driver.fails = false;
    dialog.driver.putBlock(before);
    EXPECT_TRUE(dialog->saveIfEnabled());
    EXPECT_EQ(dialog.block.Com[0].Irq, 11);
    EXPECT_FALSE(dialog->saveEnabled());
}

TEST(ComPortResourcesSave, TheDriversCorrectionBecomesTheStoredIrq) {
    // a driver that refuses IRQ changes answers with its own values
    class RefusingDriver : public DriverPort {
    public:
        DriverBlock held{};
        bool transact(uint32_t, void* buffer, uint32_t length) override {
            std::memcpy(buffer, &held, length);
            return true;
        }
    } driver;
    DriverBlock block = BlockWithIrqs(4, 3, 4, 3);
    driver.held = block;
    ComPortResourcesModel model(block, driver);
    model.select(1, 3);
    model.save();
    EXPECT_EQ(block.Com[0].Irq, 4);
    EXPECT_FALSE(model.saveEnabled()) << "Save goes dark after sending";
    model.select(1, 1);
    EXPECT_FALSE(model.saveEnabled()) << "the rule compares with the driver's answer";
    model.select(1, 3);
    EXPECT_TRUE(model.saveEnabled());
}
