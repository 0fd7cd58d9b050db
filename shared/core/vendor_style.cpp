#include "vendor_style.h"

namespace {

constexpr size_t kStyleCodeLength = 8;

// The number at the start of a field, 0 when there is none; a field is at most two digits.
int FieldNumber(const std::string& field) {
    size_t at = field.find_first_not_of(' ');
    if (at == std::string::npos) return 0;
    bool negative = field[at] == '-';
    if (field[at] == '-' || field[at] == '+') ++at;
    int number = 0;
    for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at)
        number = number * 10 + (field[at] - '0');
    return negative ? -number : number;
}

std::optional<uint32_t> PaletteColour(int index) {
    if (index < 0 || index >= static_cast<int>(kClassicPalette.size())) return std::nullopt;
    return kClassicPalette[index];
}

}  // namespace

std::optional<VendorStyle> ParseVendorStyle(const std::string& venderStyle) {
    if (venderStyle.size() < kStyleCodeLength) return std::nullopt;
    VendorStyle style;
    if (venderStyle[0] == '1') style.fontName = "Times New Roman";
    if (venderStyle[0] == '2') style.fontName = "Arial";
    int fontStyle = FieldNumber(venderStyle.substr(1, 1));
    if (fontStyle < 0 || fontStyle > 3) fontStyle = 0;
    style.bold = (fontStyle & 1) != 0;
    style.italic = (fontStyle & 2) != 0;
    int size = FieldNumber(venderStyle.substr(2, 2));
    if (size > 0) style.fontSize = size;
    style.titleColour = PaletteColour(FieldNumber(venderStyle.substr(4, 2)));
    style.versionColour = PaletteColour(FieldNumber(venderStyle.substr(6, 2)));
    return style;
}

void ApplyVendorStyle(const std::string& venderStyle, TitleBandLook& band) {
    std::optional<VendorStyle> style = ParseVendorStyle(venderStyle);
    if (!style) return;
    if (style->fontName) band.fontName = *style->fontName;
    band.bold = style->bold;
    band.italic = style->italic;
    if (style->fontSize) band.fontSize = *style->fontSize;
    if (style->titleColour) band.titleColour = *style->titleColour;
    if (style->versionColour) band.versionColour = *style->versionColour;
}
