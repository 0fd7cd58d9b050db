#include "double_click_model.h"

namespace {

const SliderDesign kSliders[3] = {
    {"hscTT", "lblTT", "Speed: ", "Speed: 500", 100, 900, 1, 50, 500},
    {"hscWW", "lblWW", "Width: ", "Width: 32", 0, 64, 1, 5, 32},
    // the height row's caption is spelt so once the slider moves
    {"hscHH", "lblHH", "Hight: ", "Height: 32", 0, 64, 1, 5, 32},
};

int Slot(DoubleClickSlider slider) {
    return static_cast<int>(slider);
}

int32_t Field(const DoubleClickSettings& settings, DoubleClickSlider slider) {
    switch (slider) {
        case DoubleClickSlider::Speed:
            return settings.speed;
        case DoubleClickSlider::Width:
            return settings.width;
        case DoubleClickSlider::Height:
            return settings.height;
    }
    return 0;
}

}  // namespace

const SliderDesign& DesignOf(DoubleClickSlider slider) {
    return kSliders[Slot(slider)];
}

DoubleClickModel::DoubleClickModel() : stored_(kDefaultDoubleClick), system_(kDefaultDoubleClick) {
    for (int i = 0; i < 3; ++i) {
        sliders_[i] = kSliders[i].designValue;
        captions_[i] = kSliders[i].designText;
    }
}

void DoubleClickModel::load(const DoubleClickSettings& stored, const DoubleClickSettings& system) {
    stored_ = stored;
    system_ = system;
    for (DoubleClickSlider slider :
         {DoubleClickSlider::Speed, DoubleClickSlider::Width, DoubleClickSlider::Height}) {
        const SliderDesign& design = DesignOf(slider);
        int32_t value = Field(stored, slider);
        if (value < design.min) value = design.min;
        if (value > design.max) value = design.max;
        if (value != sliders_[Slot(slider)]) sliderMoved(slider, value);
    }
}

void DoubleClickModel::sliderMoved(DoubleClickSlider slider, int32_t value) {
    sliders_[Slot(slider)] = value;
    captions_[Slot(slider)] = DesignOf(slider).prefix + std::to_string(value);
    weighApply();
}

void DoubleClickModel::applied(const DoubleClickSettings& system) {
    stored_ = sliderSettings();
    system_ = system;
    applyEnabled_ = false;
}

void DoubleClickModel::weighApply() {
    DoubleClickSettings sliders = sliderSettings();
    applyEnabled_ = !(sliders == stored_ && system_ == stored_);
}

int32_t DoubleClickModel::sliderValue(DoubleClickSlider slider) const {
    return sliders_[Slot(slider)];
}

DoubleClickSettings DoubleClickModel::sliderSettings() const {
    return {sliders_[0], sliders_[1], sliders_[2]};
}

const std::string& DoubleClickModel::caption(DoubleClickSlider slider) const {
    return captions_[Slot(slider)];
}

std::string DoubleClickModel::systemText(DoubleClickSlider slider) const {
    return std::to_string(Field(system_, slider));
}
