#include "e2e_test.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "debug_output.h"
#include "failures.h"

namespace e2e {
namespace {

std::vector<TestCase>& Registry() {
    static std::vector<TestCase> tests;
    return tests;
}

const TestCase* gRunning = nullptr;
int gFailuresInTest = 0;

bool Selected(const TestCase& test, int argc, char** argv) {
    if (argc < 2) return true;
    std::string full = std::string(test.suite) + "." + test.name;
    for (int i = 1; i < argc; ++i)
        if (full.find(argv[i]) != std::string::npos) return true;
    return false;
}

// A failure a program survived and recorded during the test fails the test with its text.
void ReportRecordedFailures() {
    for (const std::string& line : TakeDebugOutput())
        if (line.rfind(forms::kFailurePrefix, 0) == 0)
            ReportFailure(__FILE__, __LINE__, "a program recorded: " + line);
}

}  // namespace

bool RegisterTest(const char* suite, const char* name, void (*body)()) {
    Registry().push_back({suite, name, body});
    return true;
}

void ReportFailure(const char* file, int line, const std::string& message) {
    ++gFailuresInTest;
    const char* base = std::strrchr(file, '/');
    std::printf("    %s:%d: %s\n", base ? base + 1 : file, line, message.c_str());
    std::fflush(stdout);
}

std::string CurrentTestName() {
    return gRunning ? std::string(gRunning->suite) + "." + gRunning->name : "none";
}

int RunAllTests(int argc, char** argv) {
    int passed = 0, failed = 0;
    if (!ListenToDebugOutput())
        std::printf("another debug monitor listens: failures the programs record go unseen\n");
    for (const TestCase& test : Registry()) {
        if (!Selected(test, argc, argv)) continue;
        gRunning = &test;
        gFailuresInTest = 0;
        std::printf("[ RUN  ] %s.%s\n", test.suite, test.name);
        std::fflush(stdout);
        test.body();
        ReportRecordedFailures();
        std::printf("[ %s ] %s.%s\n", gFailuresInTest ? "FAIL" : " OK ", test.suite, test.name);
        std::fflush(stdout);
        (gFailuresInTest ? failed : passed) += 1;
    }
    gRunning = nullptr;
    std::printf("e2e: %d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}

}  // namespace e2e
