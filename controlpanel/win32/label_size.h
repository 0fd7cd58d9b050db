// Labels sized to their text, as the designed forms' auto-sizing labels are.
#pragma once

#include <string>

#include "form.h"

struct TextSize {
    int width;  // pixels
    int height;
};

// The text's size in the label's own font; an empty text keeps the height of a line.
TextSize MeasureLabelText(forms::Control& label, const std::string& text);

// The label fitted around its caption, its top-left corner kept.
void FitLabelToCaption(forms::Control& label);

// A new caption and the label fitted around it; nothing happens when it reads so already.
void SetAutoSizedCaption(forms::Control& label, const std::string& text);
