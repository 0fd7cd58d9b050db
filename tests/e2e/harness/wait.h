// Waiting in tests: poll a condition on a monotonic clock while this thread's messages flow.
#pragma once

#include <functional>

namespace e2e {

constexpr unsigned kDefaultTimeoutMs = 5000;

// True as soon as the condition holds; false when the time ran out first.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs = kDefaultTimeoutMs);

// Lets this thread's messages flow for a while; for letting a program settle, not for syncing.
void PumpFor(unsigned milliseconds);

}  // namespace e2e
