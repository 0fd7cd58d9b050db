// The end-to-end runners are GoogleTest programs: tests are TEST()s with EXPECT_* and ASSERT_*.
// The runner adds what a test under Wine needs around that: a time limit per test, pictures of
// every window when a test fails, the failures the programs recorded, and a closing line
// "e2e: N passed, N failed" that ./tools/test adds up.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace e2e {

// "Suite.Name" of the running test; "none" between tests.
std::string CurrentTestName();

// Runs the tests the arguments select. A word selects the tests whose "Suite.Name" contains
// it; GoogleTest's flags work as usual (--gtest_repeat, --gtest_shuffle, ...);
// --e2e_time_limit=SECONDS sets each test's time limit (120 s unless given).
int RunAllTests(int argc, char** argv);

}  // namespace e2e
