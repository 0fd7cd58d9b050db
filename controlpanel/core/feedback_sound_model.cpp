#include "feedback_sound_model.h"

#include "formatters.h"

FeedbackSoundModel::FeedbackSoundModel(DriverBlock& block, DriverPort& driver,
                                       const NameTables& names)
    : SettingsDialogModel(block, driver, IOCTL_SET_SOUND),
      names_(names),
      mode_(block.SoundMode),
      tone_(ClampToRange(block.SoundTone, kToneBarRange)),
      duration_(ClampToRange(block.SoundDuration, kDurationBarRange)),
      soundTestEnabled_(block.SoundMode == 1) {
    // a stored tone or duration outside its bar shows at the bar's end, ready to be applied
    runApplyRule();
}

void FeedbackSoundModel::clickMode(int mode) {
    if (mode == mode_) return;
    mode_ = mode;
    runApplyRule();
}

void FeedbackSoundModel::toneMoved(int value) {
    tone_ = ClampToRange(value, kToneBarRange);
    runApplyRule();
}

void FeedbackSoundModel::durationMoved(int value) {
    duration_ = ClampToRange(value, kDurationBarRange);
    runApplyRule();
}

void FeedbackSoundModel::soundTest() {
    test_.Tone = int16_t(tone_);
    test_.Duration = int16_t(duration_);
    driver_.transact(IOCTL_SOUND_TEST, test_);
}

std::string FeedbackSoundModel::modeCaption(int index) const {
    return index >= 1 && index <= 4 ? " " + names_.sound[size_t(index)] : std::string();
}

std::string FeedbackSoundModel::statusLine() const {
    return SoundLine(names_, mode_);
}

bool FeedbackSoundModel::differsFromBlock() const {
    return mode_ != block_.SoundMode || duration_ != block_.SoundDuration ||
           tone_ != block_.SoundTone;
}

void FeedbackSoundModel::writeFields(DriverBlock& block) const {
    block.SoundTone = int16_t(tone_);
    block.SoundDuration = int16_t(duration_);
    block.SoundMode = uint8_t(mode_);
}
