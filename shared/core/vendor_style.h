// The vendor style code: eight characters that set the font of the vendor title and the text
// colours of the title and the version line.
//
//   1    font: "1" Times New Roman, "2" Arial, else unchanged
//   2    0 regular, 1 bold, 2 italic, 3 bold italic, else regular
//   3-4  size in points; 0 or less leaves it unchanged
//   5-6  title colour, 7-8 version line colour: an index of kClassicPalette; outside 0 to 15
//        the colour stays as designed
//
// Each numeric field reads as the number at its start (blanks, then an optional sign and
// digits); a field without one reads as 0.
#pragma once

#include <stdint.h>

#include <array>
#include <optional>
#include <string>

// Colours as 0x00BBGGRR.
constexpr std::array<uint32_t, 16> kClassicPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// What a style code decides; an empty optional leaves that property as designed.
struct VendorStyle {
    std::optional<std::string> fontName;
    bool bold = false;
    bool italic = false;
    std::optional<int> fontSize;
    std::optional<uint32_t> titleColour;
    std::optional<uint32_t> versionColour;
};

// Empty for a code of 7 characters or fewer: such a code changes nothing at all.
std::optional<VendorStyle> ParseVendorStyle(const std::string& venderStyle);

// The look of the title band's vendor title (lblOemTitle) and version line (lblSystem).
struct TitleBandLook {
    std::string fontName;
    bool bold = false;
    bool italic = false;
    int fontSize = 0;  // points
    uint32_t titleColour = 0;
    uint32_t versionColour = 0;
};

// Brands a designed look with the style code, in the designed order: font, style, size,
// title colour, version line colour.
void ApplyVendorStyle(const std::string& venderStyle, TitleBandLook& band);
