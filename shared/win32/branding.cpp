#include "branding.h"

#include "painted_bitmap.h"
#include "trusted_folder.h"
#include "vendor_style.h"
#include "wide_text.h"
#include "window_helpers.h"

namespace {

// The program's own picture: a touch screen with a calibration target.
HBITMAP DrawProgramIcon(int size) {
    return PaintBitmap(size, size, [&](HDC dc, const RECT&) {
        RECT all{0, 0, size, size};
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
        HBRUSH frame = CreateSolidBrush(RGB(64, 64, 64));
        HBRUSH glass = CreateSolidBrush(RGB(0, 96, 160));
        RECT monitor{size / 10, size / 10, size - size / 10, size * 3 / 4};
        FillRect(dc, &monitor, frame);
        InflateRect(&monitor, -size / 16, -size / 16);
        FillRect(dc, &monitor, glass);
        RECT stand{size * 2 / 5, size * 3 / 4, size * 3 / 5, size * 17 / 20};
        FillRect(dc, &stand, frame);
        HPEN cross = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        HGDIOBJ oldPen = SelectObject(dc, cross);
        int cx = (monitor.left + monitor.right) / 2, cy = (monitor.top + monitor.bottom) / 2;
        MoveToEx(dc, monitor.left + 3, cy, nullptr);
        LineTo(dc, monitor.right - 3, cy);
        MoveToEx(dc, cx, monitor.top + 3, nullptr);
        LineTo(dc, cx, monitor.bottom - 3);
        SelectObject(dc, oldPen);
        DeleteObject(cross);
        DeleteObject(glass);
        DeleteObject(frame);
    });
}

void ShowLogoInstead(forms::Form& window, HBITMAP logo) {
    window["lblOemTitle"].setVisible(false);
    forms::Control& version = window["lblSystem"];
    version.move(2, version.top() - 2, version.width(), version.height());
    window["picLogo"].setPicture(logo);
}

void ShowProgramIcon(forms::Form& window, Branding& branding) {
    if (!window.has("imgIcon")) return;
    if (branding.icon == nullptr) branding.icon = DrawProgramIcon(32);
    window["imgIcon"].setPicture(branding.icon);
}

}  // namespace

void BrandMainWindow(forms::Form& window, const ProgramConfig& config, Branding& branding) {
    std::string logoPath = FileInFolder(config.programFolder, "NXLogo.Bmp");
    branding.logoFlag = !logoPath.empty() && FileExists(logoPath);
    ShowProgramIcon(window, branding);
    if (branding.logoFlag) {
        branding.logo = static_cast<HBITMAP>(LoadImageW(nullptr, WideFromUtf8(logoPath).c_str(),
                                                        IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        ShowLogoInstead(window, branding.logo);
        return;
    }
    window["lblOemTitle"].setCaption(config.venderName);
    ApplyVendorStyle(window, config.venderStyle);
}

void BrandWindow(forms::Form& window, forms::Form& main, const ProgramConfig& config,
                 Branding& branding) {
    ShowProgramIcon(window, branding);
    if (branding.logoFlag) {
        ShowLogoInstead(window, main["picLogo"].picture());
        return;
    }
    window["lblOemTitle"].setCaption(main["lblOemTitle"].caption());
    ApplyVendorStyle(window, config.venderStyle);
}

void ApplyVendorStyle(forms::Form& window, const std::string& venderStyle) {
    forms::Control& title = window["lblOemTitle"];
    forms::Control& version = window["lblSystem"];
    FontSpec designed = title.font();
    TitleBandLook look;
    look.fontName = designed.name ? designed.name : "MS Sans Serif";
    look.bold = designed.bold;
    look.italic = designed.italic;
    look.fontSize = designed.points;
    look.titleColour = title.foreColour() == kSystemColour ? 0 : title.foreColour();
    look.versionColour = version.foreColour() == kSystemColour ? 0 : version.foreColour();
    TitleBandLook before = look;
    ApplyVendorStyle(venderStyle, look);
    title.setFont(FontSpec{look.fontName.c_str(), look.fontSize, look.bold, look.italic});
    if (look.titleColour != before.titleColour || title.foreColour() != kSystemColour)
        title.setForeColour(look.titleColour);
    if (look.versionColour != before.versionColour || version.foreColour() != kSystemColour)
        version.setForeColour(look.versionColour);
}

void PrepareDialog(forms::Form& dialog, forms::Form& main, const ProgramConfig& config,
                   Branding& branding) {
    dialog["lblSystem"].setCaption(main["lblSystem"].caption());
    dialog.setCaption(main.caption());
    BrandWindow(dialog, main, config, branding);
    PlaceWindow(dialog);
    CentreIcon(dialog);
}
