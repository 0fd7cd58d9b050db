#include "label_size.h"

#include <windows.h>

TextSize MeasureLabelText(forms::Control& label, const std::string& text) {
    HWND window = label.hwnd();
    if (window == nullptr) return {0, 0};
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE extent{0, 0};
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    if (!text.empty()) GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return {int(extent.cx), int(metrics.tmHeight)};
}

void FitLabelToCaption(forms::Control& label) {
    forms::Form* form = forms::Form::fromWindow(label.hwnd());
    if (form == nullptr) return;
    TextSize size = MeasureLabelText(label, label.caption());
    int width = form->pixelsToTwipsX(size.width), height = form->pixelsToTwipsY(size.height);
    if (width != label.width() || height != label.height())
        label.move(label.left(), label.top(), width, height);
}

void SetAutoSizedCaption(forms::Control& label, const std::string& text) {
    if (label.caption() == text) return;
    label.setCaption(text);
    FitLabelToCaption(label);
}
