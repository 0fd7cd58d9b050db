// Timestamps of a program's start, for ./tools/bench. Off unless the environment variable
// NX_STARTUP_TRACE names a file: an ordinary start pays one variable lookup and nothing more.
#pragma once

#include <windows.h>

class StartupTrace {
public:
    StartupTrace();  // marks "started"
    StartupTrace(const StartupTrace&) = delete;
    StartupTrace& operator=(const StartupTrace&) = delete;

    // The end of a step; the name must outlive the trace (a literal).
    void mark(const char* step);
    // Writes "step counter" lines (performance counter ticks) to the file, once; the file
    // appears whole, so a reader that sees it may read it.
    void write();

private:
    static constexpr int kMaxMarks = 24;
    struct Mark {
        const char* step;
        LONGLONG counter;
    };
    char path_[MAX_PATH] = {};
    bool on_ = false;
    int count_ = 0;
    Mark marks_[kMaxMarks] = {};
};
