// Waiting in tests: poll a condition on a monotonic clock while this thread's messages flow.
#pragma once

#include <functional>

namespace e2e {

constexpr unsigned kDefaultTimeoutMs = 5000;

// True as soon as the condition holds; false when the time ran out first.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs = kDefaultTimeoutMs);

// Lets this thread's messages flow for a while; for letting a program settle, not for syncing.
void PumpFor(unsigned milliseconds);

// The running test's time limit on GetTickCount64's clock (0: none). Once it has passed every
// wait gives up at once, so that the test runs to its end; the first wait to find it so calls
// overdue.
void SetWaitDeadline(unsigned long long deadline, void (*overdue)());

}  // namespace e2e
