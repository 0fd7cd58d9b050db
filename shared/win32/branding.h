// Vendor branding of every window with a title band: the logo bitmap or the vendor title in
// the vendor's style, the program icon, and the shared preparation of dialogs.
#pragma once

#include <windows.h>

#include "config_store.h"
#include "form.h"

// What the main window's branding found, for the program's other windows.
struct Branding {
    bool logoFlag = false;  // "NXLogo.Bmp" exists in the installation folder
    HBITMAP logo = nullptr;
    HBITMAP icon = nullptr;  // the program's picture in imgIcon
};

void BrandMainWindow(forms::Form& window, const ProgramConfig& config, Branding& branding);
void BrandWindow(forms::Form& window, forms::Form& main, const ProgramConfig& config,
                 Branding& branding);
void ApplyVendorStyle(forms::Form& window, const std::string& venderStyle);

// The end of every settings dialog's load: version line and caption from the main window,
// branding, placement and the centred icon.
void PrepareDialog(forms::Form& dialog, forms::Form& main, const ProgramConfig& config,
                   Branding& branding);
