// Any style code: the decision never crashes and never yields a colour outside the palette.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "vendor_style.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string code(reinterpret_cast<const char*>(data), size);
    auto style = ParseVendorStyle(code);
    if (size <= 7 && style) std::abort();
    TitleBandLook look{"MS Sans Serif", false, false, 8, 0x123456, 0x654321};
    ApplyVendorStyle(code, look);
    auto inPalette = [](uint32_t colour) {
        for (uint32_t entry : kClassicPalette)
            if (entry == colour) return true;
        return false;
    };
    if (look.titleColour != 0x123456 && !inPalette(look.titleColour)) std::abort();
    if (look.versionColour != 0x654321 && !inPalette(look.versionColour)) std::abort();
    if (look.fontSize <= 0) std::abort();
    return 0;
}
