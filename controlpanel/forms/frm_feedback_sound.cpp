#include "frm_feedback_sound.h"

#include "feedback_sound_model.h"
#include "title_band.h"

FormSpec FeedbackSoundFormSpec() {
    const int32_t width = 6000;
    const ForeColour teal{kDimmedCaption};
    return {
        "frmFeedbackSound",
        "Feedback Sound",
        width,
        5340,
        WithTitleBand(
            width, "TouchScreen Control Panel Version ",
            {
                {Kind::Frame, "fraFeedbackSound", {240, 1200, 5520, 1440},
                 "  Feedback Sound Option  "},
                {Kind::Option, "optFeedbackSound", {360, 300, 4920, 240}, Index{1},
                 In{"fraFeedbackSound"}, teal},
                {Kind::Option, "optFeedbackSound", {360, 570, 4920, 240}, Index{2},
                 In{"fraFeedbackSound"}, teal},
                {Kind::Option, "optFeedbackSound", {360, 840, 4920, 240}, Index{3},
                 In{"fraFeedbackSound"}, teal},
                {Kind::Option, "optFeedbackSound", {360, 1110, 4920, 240}, Index{4},
                 In{"fraFeedbackSound"}, teal},
                {Kind::Frame, "fraTone", {240, 2760, 2640, 1155}, "  Tone  "},
                {Kind::HScroll, "hscTone", {120, 300, 2400, 255}, In{"fraTone"}, kToneBarRange},
                {Kind::Label, "Label1", {120, 630, 600, 255}, Index{3}, In{"fraTone"}, "High"},
                {Kind::Label, "lblTone", {840, 630, 960, 255}, In{"fraTone"}, "9999", Centred},
                {Kind::Label, "Label1", {1920, 630, 600, 255}, Index{2}, In{"fraTone"}, "Low",
                 RightAligned},
                {Kind::Frame, "fraDuration", {3120, 2760, 2640, 1155}, "  Duration  "},
                {Kind::HScroll, "hscDuration", {120, 300, 2400, 255}, In{"fraDuration"},
                 kDurationBarRange},
                {Kind::Label, "Label1", {120, 630, 600, 255}, Index{0}, In{"fraDuration"},
                 "Short"},
                {Kind::Label, "lblDuration", {840, 630, 960, 255}, In{"fraDuration"}, "99",
                 Centred},
                {Kind::Label, "Label1", {1920, 630, 600, 255}, Index{1}, In{"fraDuration"},
                 "Long", RightAligned},
                {Kind::Button, "cmdSoundTest", {240, 4080, 5520, 495}, "Touch Here to Test"},
                {Kind::Button, "cmdCandel", {2280, 4800, 1095, 375}, "&Cancel", CancelButton},
                {Kind::Button, "cmdOK", {3480, 4800, 1095, 375}, "&OK", DefaultButton},
                {Kind::Button, "cmdApply", {4680, 4800, 1095, 375}, "&Apply", Disabled},
            }),
    };
}
