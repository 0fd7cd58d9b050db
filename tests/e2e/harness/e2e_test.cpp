#include "e2e_test.h"

#include <windows.h>

#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "debug_output.h"
#include "desktop.h"
#include "failures.h"
#include "wait.h"

namespace e2e {
namespace {

constexpr unsigned kDefaultTimeLimitSeconds = 120;
// Past its limit a test's waits give up at once; a test still running this much later is stuck
// where no wait of ours can end it, and the runner ends.
constexpr unsigned kStuckSeconds = 60;
constexpr char kTimeLimitFailure[] = " ran past its time limit of ";

unsigned gTimeLimitSeconds = kDefaultTimeLimitSeconds;
std::atomic<int> gPassed{0};
std::atomic<int> gFailed{0};

// How long a freshly started prefix may take to show its desktop.
constexpr unsigned kDesktopStartMs = 60000;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return 0;
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void PrintClosingLine() {
    std::printf("e2e: %d passed, %d failed\n", gPassed.load(), gFailed.load());
    std::fflush(stdout);
}

// A file name from a test's name and a window's title.
std::string FileSafe(const std::string& text) {
    std::string safe;
    for (char c : text) {
        bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-';
        if (plain)
            safe += c;
        else if (!safe.empty() && safe.back() != '_' && safe.back() != '-')
            safe += '_';
    }
    while (!safe.empty() && safe.back() == '_') safe.pop_back();
    return safe;
}

BOOL CALLBACK CollectShown(HWND window, LPARAM found) {
    RECT frame;
    if (IsWindowVisible(window) && GetWindowRect(window, &frame) && frame.right > frame.left &&
        frame.bottom > frame.top)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// Every visible top-level window as the screen shows it, front to back, named after the test.
void SaveEveryWindow(const std::string& test, const char* why) {
    std::vector<HWND> shown;
    EnumWindows(CollectShown, reinterpret_cast<LPARAM>(&shown));
    int number = 0;
    for (HWND window : shown)
        SaveScreenshot(window, FileSafe(test + "-" + why + "-" + std::to_string(++number) + "-" +
                                        WindowText(window)));
    if (number > 0)
        std::printf("    %d window(s) saved as %s-%s-*\n", number, FileSafe(test).c_str(), why);
}

// The first failure of a test shows the scene; running past the time limit shows it again.
class Screenshots : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { taken_ = false; }
    void OnTestPartResult(const testing::TestPartResult& result) override {
        if (!result.failed()) return;
        bool timeLimit = std::strstr(result.message(), kTimeLimitFailure) != nullptr;
        if (taken_ && !timeLimit) return;
        taken_ = true;
        SaveEveryWindow(CurrentTestName(), timeLimit ? "time-limit" : "failed");
    }
    bool taken_ = false;
};

// Counts every run of every test, repeats included, for the closing line.
class Tally : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& test) override {
        if (test.result()->Failed())
            ++gFailed;
        else if (!test.result()->Skipped())
            ++gPassed;
    }
    void OnTestProgramEnd(const testing::UnitTest& unit) override {
        if (unit.ad_hoc_test_result().Failed()) ++gFailed;  // a failure outside any test
        PrintClosingLine();
    }
};

// The end of a test that is stuck: it is counted failed and the runner ends with its line.
struct Watchdog {
    CRITICAL_SECTION lock;
    HANDLE changed = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    ULONGLONG stuckAt = 0;  // 0: no test runs
    std::string test;
};
Watchdog gWatchdog;

DWORD WINAPI Watch(void*) {
    for (;;) {
        EnterCriticalSection(&gWatchdog.lock);
        ULONGLONG stuckAt = gWatchdog.stuckAt;
        std::string test = gWatchdog.test;
        LeaveCriticalSection(&gWatchdog.lock);
        ULONGLONG now = GetTickCount64();
        DWORD wait = stuckAt == 0 ? INFINITE : stuckAt > now ? DWORD(stuckAt - now) : 0;
        if (WaitForSingleObject(gWatchdog.changed, wait) == WAIT_OBJECT_0) continue;
        EnterCriticalSection(&gWatchdog.lock);
        bool same = gWatchdog.stuckAt == stuckAt;
        LeaveCriticalSection(&gWatchdog.lock);
        if (!same) continue;
        SetWaitDeadline(0, nullptr);  // the pictures' own waits must not report the limit again
        std::printf(
            "[  FAILED  ] %s is stuck %u s past its time limit where no wait can end it: "
            "the runner ends here\n",
            test.c_str(), kStuckSeconds);
        SaveEveryWindow(test, "stuck");
        ++gFailed;
        PrintClosingLine();
        TerminateProcess(GetCurrentProcess(), 3);
    }
}

void ArmWatchdog(ULONGLONG stuckAt, const std::string& test) {
    EnterCriticalSection(&gWatchdog.lock);
    gWatchdog.stuckAt = stuckAt;
    gWatchdog.test = test;
    LeaveCriticalSection(&gWatchdog.lock);
    SetEvent(gWatchdog.changed);
}

void ReportTimeLimit() {
    ADD_FAILURE() << CurrentTestName() << kTimeLimitFailure << gTimeLimitSeconds
                  << " s: every wait from here on gives up at once";
}

// A crash of the runner itself ends it with the crashed test counted, not silently.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* crash) {
    std::printf("[  FAILED  ] %s crashed: exception 0x%08lX\n", CurrentTestName().c_str(),
                crash->ExceptionRecord->ExceptionCode);
    ++gFailed;
    PrintClosingLine();
    return EXCEPTION_EXECUTE_HANDLER;
}

// Around each test: its time limit, and the failures its programs recorded meanwhile.
class TestGuard : public testing::EmptyTestEventListener {
    void OnTestProgramStart(const testing::UnitTest&) override {
        if (!ListenToDebugOutput())
            std::printf("another debug monitor listens: failures the programs record go unseen\n");
        InitializeCriticalSection(&gWatchdog.lock);
        if (HANDLE thread = CreateThread(nullptr, 0, Watch, nullptr, 0, nullptr))
            CloseHandle(thread);
        SetUnhandledExceptionFilter(ReportCrash);
    }
    void OnTestStart(const testing::TestInfo&) override {
        ULONGLONG limit = GetTickCount64() + gTimeLimitSeconds * 1000ull;
        SetWaitDeadline(limit, ReportTimeLimit);
        ArmWatchdog(limit + kStuckSeconds * 1000ull, CurrentTestName());
    }
    void OnTestEnd(const testing::TestInfo&) override {
        SetWaitDeadline(0, nullptr);
        ArmWatchdog(0, "");
        for (const std::string& line : TakeDebugOutput())
            if (line.rfind(forms::kFailurePrefix, 0) == 0)
                ADD_FAILURE() << "a program recorded: " << line;
    }
};

}  // namespace

std::string CurrentTestName() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return test ? std::string(test->test_suite_name()) + "." + test->name() : "none";
}

int RunAllTests(int argc, char** argv) {
    // the runner sees the screen in pixels, as the programs and a user's pointer do
    SetProcessDPIAware();
    testing::InitGoogleTest(&argc, argv);  // takes GoogleTest's own flags out of argv
    std::string words;
    int expectedDpi = 0;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument.rfind("--e2e_time_limit=", 0) == 0) {
            gTimeLimitSeconds = unsigned(std::atoi(argument.c_str() + 17));
        } else if (argument.rfind("--e2e_dpi=", 0) == 0) {
            expectedDpi = std::atoi(argument.c_str() + 10);
        } else if (argument.rfind("-", 0) == 0) {
            std::fprintf(stderr, "unknown flag %s\n", argument.c_str());
            return 2;
        } else {
            words += (words.empty() ? "*" : ":*") + argument + "*";
        }
    }
    if (gTimeLimitSeconds == 0) {
        std::fprintf(stderr, "--e2e_time_limit wants a number of seconds\n");
        return 2;
    }
    if (expectedDpi != 0) {
        // a run meant for another scaling proves nothing at this one; a prefix that has just
        // started may still be making its desktop
        int dpi = 0;
        WaitUntil([&] { return (dpi = ScreenDpi()) != 0; }, kDesktopStartMs);
        if (dpi != expectedDpi) {
            std::fprintf(stderr, "the screen is at %d DPI, not %d\n", dpi, expectedDpi);
            return 2;
        }
    }
    if (!words.empty()) {
        if (GTEST_FLAG_GET(filter) != "*") {
            std::fprintf(stderr, "select tests with words or with --gtest_filter, not both\n");
            return 2;
        }
        GTEST_FLAG_SET(filter, words);
    }
    GTEST_FLAG_SET(catch_exceptions, true);  // an exception fails its test, the next one runs
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    // the guard reports failures at a test's end: it comes after those that watch failures
    listeners.Append(new Screenshots);
    listeners.Append(new Tally);
    listeners.Append(new TestGuard);
    return RUN_ALL_TESTS();
}

}  // namespace e2e
