#include "question_countdown.h"

QuestionCountdown::QuestionCountdown(uint64_t startMs, unsigned seconds)
    : deadlineMs_(startMs + uint64_t(seconds) * 1000) {}

unsigned QuestionCountdown::secondsLeft(uint64_t nowMs) const {
    if (nowMs >= deadlineMs_) return 0;
    return unsigned((deadlineMs_ - nowMs + 999) / 1000);
}

std::string CountdownText(unsigned secondsLeft) {
    return "The old calibration returns in " + std::to_string(secondsLeft) + " s.";
}
