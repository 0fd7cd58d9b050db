#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "vendor_style.h"

namespace {

uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}

// A title band as a form might design it, in colours no style code produces.
TitleBandLook Branded(const std::string& code) {
    TitleBandLook band = {"MS Sans Serif", false, true, 9, 0x123456, 0x654321};
    ApplyVendorStyle(code, band);
    return band;
}

std::string Describe(const TitleBandLook& band) {
    char colours[32];
    snprintf(colours, sizeof colours, " %06X %06X", band.titleColour, band.versionColour);
    return band.fontName + (band.bold ? " bold" : "") + (band.italic ? " italic" : "") + " " +
           std::to_string(band.fontSize) + colours;
}

}  // namespace

TEST(VendorStyle, DesignedExamples) {
    EXPECT_EQ(Describe(Branded("11120915")), "Times New Roman bold 12 FF0000 FFFFFF");
    EXPECT_EQ(Describe(Branded("21000000")), "Arial bold 9 000000 000000");
    for (const char* shortCode : {"", "2000", "1112091"}) {
        EXPECT_EQ(ParseVendorStyle(shortCode), std::nullopt) << shortCode;
        EXPECT_EQ(Describe(Branded(shortCode)), "MS Sans Serif italic 9 123456 654321");
    }
    EXPECT_EQ(Describe(Branded("11120915 and more")), "Times New Roman bold 12 FF0000 FFFFFF");
}

TEST(VendorStyle, FontStyleAndSizeFields) {
    EXPECT_EQ(Describe(Branded("30000000")), "MS Sans Serif 9 000000 000000");
    EXPECT_EQ(Describe(Branded("x2990000")), "MS Sans Serif italic 99 000000 000000");
    EXPECT_EQ(Describe(Branded(" 3010000")), "MS Sans Serif bold italic 1 000000 000000");
    const char* regular[] = {"04", "05", "07", "09", "0x", "0-"};
    for (const char* code : regular)
        EXPECT_EQ(Describe(Branded(std::string(code) + "000000")), "MS Sans Serif 9 000000 000000")
            << code;
    EXPECT_EQ(Branded("307x0000").fontSize, 7);
    EXPECT_EQ(Branded("30 80000").fontSize, 8);
    EXPECT_EQ(Branded("30x70000").fontSize, 9);
    EXPECT_EQ(Branded("30-50000").fontSize, 9);
}

TEST(VendorStyle, ColourFieldsIndexTheClassicPalette) {
    const uint32_t palette[16] = {
        Rgb(0, 0, 0),       Rgb(0, 0, 128),   Rgb(0, 128, 0),   Rgb(0, 128, 128),
        Rgb(128, 0, 0),     Rgb(128, 0, 128), Rgb(128, 128, 0), Rgb(192, 192, 192),
        Rgb(128, 128, 128), Rgb(0, 0, 255),   Rgb(0, 255, 0),   Rgb(0, 255, 255),
        Rgb(255, 0, 0),     Rgb(255, 0, 255), Rgb(255, 255, 0), Rgb(255, 255, 255)};
    for (int index = 0; index < 16; ++index) {
        std::string field = (index < 10 ? "0" : "") + std::to_string(index);
        TitleBandLook band = Branded("3000" + field + field);
        EXPECT_EQ(band.titleColour, palette[index]) << index;
        EXPECT_EQ(band.versionColour, palette[index]) << index;
    }
    EXPECT_EQ(Branded("30007x4x").versionColour, Rgb(128, 0, 0));
    EXPECT_EQ(Branded("3000xx9 ").versionColour, Rgb(0, 0, 255));
}

TEST(VendorStyle, ColourOutsideThePaletteStaysAsDesigned) {
    EXPECT_EQ(Describe(Branded("30001699")), "MS Sans Serif 9 123456 654321");
    EXPECT_EQ(Describe(Branded("3000-115")), "MS Sans Serif 9 123456 FFFFFF");
}
