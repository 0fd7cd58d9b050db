// The final question on a touch screen without keyboard or mouse: a calibration too far off to
// touch No with must not stay for good, so an unanswered question answers No by itself.
#pragma once

#include <stdint.h>

#include <string>

constexpr unsigned kUnansweredQuestionSeconds = 15;

class QuestionCountdown {
public:
    // startMs and every later time on one monotonic clock, in milliseconds
    explicit QuestionCountdown(uint64_t startMs, unsigned seconds = kUnansweredQuestionSeconds);

    // Whole seconds left, rounded up: the full count at the start, 0 once the time is out.
    unsigned secondsLeft(uint64_t nowMs) const;
    bool expired(uint64_t nowMs) const { return secondsLeft(nowMs) == 0; }

private:
    uint64_t deadlineMs_;
};

// "The old calibration returns in 15 s."
std::string CountdownText(unsigned secondsLeft);
