// The double-click configuration window's decisions: the three sliders and their captions,
// the system values shown beside them, when Apply is offered, and the test lamp.
#pragma once

#include <stdint.h>

#include <string>

#include "double_click_settings.h"

enum class DoubleClickSlider { Speed, Width, Height };

struct SliderDesign {
    const char* scrollBar;   // "hscTT"
    const char* label;       // "lblTT"
    const char* prefix;      // "Speed: "
    const char* designText;  // the label's caption until the slider first changes
    int32_t min, max, smallChange, largeChange, designValue;
};

const SliderDesign& DesignOf(DoubleClickSlider slider);

constexpr uint32_t kLampOnColour = 0xFF0000;   // blue, 0x00BBGGRR
constexpr uint32_t kLampOffColour = 0xFAFAFA;  // near-white

class DoubleClickModel {
public:
    DoubleClickModel();

    // The load: the system values shown, then each slider set to its stored value, which
    // counts as a change only when it moves the slider from its design value. A stored value
    // beyond a slider's range puts the slider at the nearer end.
    void load(const DoubleClickSettings& stored, const DoubleClickSettings& system);

    // A change or a drag of a slider: its caption follows and Apply is weighed again.
    void sliderMoved(DoubleClickSlider slider, int32_t value);

    // After Apply: the sliders are the stored settings and the system shows them (or what
    // Windows made of them).
    void applied(const DoubleClickSettings& system);

    int32_t sliderValue(DoubleClickSlider slider) const;
    DoubleClickSettings sliderSettings() const;
    const DoubleClickSettings& stored() const { return stored_; }
    const std::string& caption(DoubleClickSlider slider) const;
    std::string systemText(DoubleClickSlider slider) const;
    bool applyEnabled() const { return applyEnabled_; }

    // Each double-click on the visible lamp image switches it.
    void toggleLamp() { lampOn_ = !lampOn_; }
    void setLampOn(bool on) { lampOn_ = on; }
    bool lampOn() const { return lampOn_; }
    uint32_t lampColour() const { return lampOn_ ? kLampOnColour : kLampOffColour; }

private:
    void weighApply();

    DoubleClickSettings stored_;
    DoubleClickSettings system_;
    int32_t sliders_[3];
    std::string captions_[3];
    bool applyEnabled_ = false;
    bool lampOn_ = false;
};
