#include <gtest/gtest.h>

#include <cstring>

#include "driver_requests.h"

TEST(DriverRequests, CodesCarryTheMouseDeviceTypeBufferedMethodAndTheirAccess) {
    for (const DriverRequest& request : kDriverRequests) {
        EXPECT_EQ(request.code >> 16, 0x000Fu) << request.name;
        EXPECT_EQ(request.code & 3u, 0u) << request.name << " is buffered";
        uint32_t access = (request.code >> 14) & 3u;
        bool readAccess = request.code == IOCTL_GET_SMI_WINDOW || request.code == IOCTL_SOUND_TEST;
        EXPECT_EQ(access, readAccess ? 1u : 0u) << request.name;
    }
}

TEST(DriverRequests, EachNameAndCodeIsUnique) {
    for (size_t i = 0; i < kDriverRequestCount; ++i)
        for (size_t j = i + 1; j < kDriverRequestCount; ++j) {
            EXPECT_NE(kDriverRequests[i].code, kDriverRequests[j].code);
            EXPECT_STRNE(kDriverRequests[i].name, kDriverRequests[j].name);
        }
    EXPECT_EQ(FindDriverRequest(0x000F2080), nullptr);
    EXPECT_STREQ(FindDriverRequest(IOCTL_SET_SLEEP_TIME)->name, "IOCTL_SET_SLEEP_TIME");
}

TEST(DriverRequests, FieldSetsCoverExactlyTheDocumentedBytes) {
    auto applied = [](uint32_t code) {
        std::string bytes;
        for (size_t offset = 0; offset < sizeof(DriverBlock); ++offset)
            if (RequestAppliesByte(*FindDriverRequest(code), offset))
                bytes += std::to_string(offset) + " ";
        return bytes;
    };
    EXPECT_EQ(applied(IOCTL_SET_COM_IRQ), "6 10 14 18 ");
    EXPECT_EQ(applied(IOCTL_SET_BUTTON_MODE), "40 53 54 55 56 57 ");
    EXPECT_EQ(applied(IOCTL_SET_SOUND), "41 42 43 44 45 ");
    EXPECT_EQ(applied(IOCTL_SET_MOUSE_SPEED), "47 48 49 50 ");
    EXPECT_EQ(applied(IOCTL_SET_CALIBRATION), "58 59 60 61 62 63 64 65 66 67 68 69 70 ");
    EXPECT_EQ(applied(IOCTL_SET_SCREEN_SIZE), "72 73 74 75 ");
    EXPECT_EQ(applied(IOCTL_SET_SLEEP_TIME), "51 ");
    EXPECT_EQ(applied(IOCTL_READ_SETTINGS), "");
}

TEST(DriverBlockLayout, FieldsLandAtTheirLittleEndianOffsets) {
    DriverBlock block{};
    block.Com[2].Base = 0x03E8;
    block.Com[8].Irq = 254;
    block.SoundTone = 0x1388;
    block.CalYMax = 983;
    block.ScreenHeight = 768;
    block.McuCode[3] = 0xAB;
    uint8_t bytes[sizeof block];
    std::memcpy(bytes, &block, sizeof block);
    EXPECT_EQ(bytes[12], 0xE8);
    EXPECT_EQ(bytes[13], 0x03);
    EXPECT_EQ(bytes[38], 254);
    EXPECT_EQ(bytes[42], 0x88);
    EXPECT_EQ(bytes[43], 0x13);
    EXPECT_EQ(bytes[68] | (bytes[69] << 8), 983);
    EXPECT_EQ(bytes[74] | (bytes[75] << 8), 768);
    EXPECT_EQ(bytes[81], 0xAB);
}

TEST(DriverBlockLayout, NamedFieldsTileTheBlockWithoutOverlap) {
    int owner[sizeof(DriverBlock)];
    for (int& o : owner) o = -1;
    for (size_t i = 0; i < kBlockFieldCount; ++i)
        for (int b = 0; b < kBlockFields[i].width; ++b) {
            ASSERT_LT(kBlockFields[i].offset + b, int(sizeof(DriverBlock)));
            EXPECT_EQ(owner[kBlockFields[i].offset + b], -1) << kBlockFields[i].name;
            owner[kBlockFields[i].offset + b] = int(i);
        }
    // only the per-port reserved bytes (7, 11, ..., 39) have no name
    for (size_t offset = 0; offset < sizeof(DriverBlock); ++offset) {
        bool portReserved = offset >= 7 && offset <= 39 && (offset - 7) % 4 == 0;
        EXPECT_EQ(owner[offset] == -1, portReserved) << "offset " << offset;
    }
}
