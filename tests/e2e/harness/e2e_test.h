// A small test runner for the end-to-end tests: registration, checks that report and go on,
// and the closing "N passed, N failed" line.
#pragma once

#include <functional>
#include <sstream>
#include <string>

namespace e2e {

struct TestCase {
    const char* suite;
    const char* name;
    void (*body)();
};

bool RegisterTest(const char* suite, const char* name, void (*body)());

// Records a failed check of the running test; the message says what a person needs to know.
void ReportFailure(const char* file, int line, const std::string& message);

// Name of the running test, "Suite.Name", for screenshots and messages.
std::string CurrentTestName();

// The outcome of one check: converts to whether it held, takes a message with <<, and
// reports a failure when the statement ends.
class Check {
public:
    Check(bool held, const char* file, int line, std::string what)
        : held_(held), file_(file), line_(line), what_(std::move(what)) {}
    Check(const Check&) = delete;
    Check& operator=(const Check&) = delete;
    ~Check() {
        if (!held_) ReportFailure(file_, line_, what_ + extra_.str());
    }
    template <typename T>
    Check& operator<<(const T& value) {
        if (!held_) extra_ << value;
        return *this;
    }
    explicit operator bool() const { return held_; }

private:
    bool held_;
    const char* file_;
    int line_;
    std::string what_;
    std::ostringstream extra_;
};

template <typename A, typename B>
Check CheckEqual(const A& left, const B& right, const char* leftText, const char* rightText,
                 const char* file, int line) {
    if (left == right) return Check(true, file, line, "");
    std::ostringstream text;
    text << leftText << " == " << rightText << "\n      left:  " << left << "\n      right: " << right
         << "\n      ";
    return Check(false, file, line, text.str());
}

int RunAllTests(int argc, char** argv);

}  // namespace e2e

#define E2E_TEST(suite, name)                                                            \
    static void suite##_##name##_body();                                                 \
    static const bool suite##_##name##_registered =                                      \
        ::e2e::RegisterTest(#suite, #name, &suite##_##name##_body);                      \
    static void suite##_##name##_body()

// Each check converts to whether it held, so a test can stop when going on makes no sense:
//   if (!(CHECK(window) << "the main window shows")) return;
#define CHECK(condition) \
    ::e2e::Check(bool(condition), __FILE__, __LINE__, "expected " #condition " ")

#define CHECK_EQ(left, right) ::e2e::CheckEqual((left), (right), #left, #right, __FILE__, __LINE__)
