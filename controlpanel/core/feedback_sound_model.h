// frmFeedbackSound's decisions: when the driver beeps, the beep's tone and duration, and the
// test beep with the values being edited.
#pragma once

#include "name_tables.h"
#include "settings_dialog_model.h"

// A larger tone is a lower pitch: the bar reads "High" at its left end.
constexpr Range kToneBarRange{200, 5000, 1, 100, 200};
constexpr Range kDurationBarRange{10, 50, 1, 5, 10};

class FeedbackSoundModel final : public SettingsDialogModel {
public:
    FeedbackSoundModel(DriverBlock& block, DriverPort& driver, const NameTables& names);

    void clickMode(int mode);
    // Change and every step of a dragged thumb alike.
    void toneMoved(int value);
    void durationMoved(int value);
    // One beep with the tone and duration shown, applied or not; the block is not touched.
    void soundTest();

    int mode() const { return mode_; }
    std::string modeCaption(int index) const;  // " Touch Down Only"
    bool modeSelected(int index) const { return index == mode_; }
    int tone() const { return tone_; }
    int duration() const { return duration_; }
    std::string toneLabel() const { return std::to_string(tone_); }
    std::string durationLabel() const { return std::to_string(duration_); }
    // Follows the applied mode, not the one selected.
    bool soundTestEnabled() const { return soundTestEnabled_; }

    std::string statusLine() const override;

private:
    bool differsFromBlock() const override;
    void writeFields(DriverBlock& block) const override;
    void applied() override { soundTestEnabled_ = mode_ == 1; }

    const NameTables& names_;
    int mode_;
    int tone_;
    int duration_;
    bool soundTestEnabled_;
    SoundTestRecord test_{};
};
