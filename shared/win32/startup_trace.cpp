#include "startup_trace.h"

namespace {

// Appends text to a bounded buffer; keeps the trace free of the C++ library, so a program
// that carries nothing else (the bench's minimal window) stays minimal.
void Append(char* buffer, int capacity, int& used, const char* text) {
    while (*text && used < capacity) buffer[used++] = *text++;
}

void AppendNumber(char* buffer, int capacity, int& used, LONGLONG value) {
    char digits[24];
    int count = 0;
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0 && count < int(sizeof digits));
    while (count > 0 && used < capacity) buffer[used++] = digits[--count];
}

}  // namespace

StartupTrace::StartupTrace() {
    DWORD length = GetEnvironmentVariableA("NX_STARTUP_TRACE", path_, sizeof path_ - 8);
    on_ = length > 0 && length < sizeof path_ - 8;
    mark("started");
}

void StartupTrace::mark(const char* step) {
    if (!on_ || count_ == kMaxMarks) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    marks_[count_++] = {step, now.QuadPart};
}

void StartupTrace::write() {
    if (!on_) return;
    on_ = false;
    char text[kMaxMarks * 96];
    int used = 0;
    for (int i = 0; i < count_; ++i) {
        Append(text, sizeof text, used, marks_[i].step);
        Append(text, sizeof text, used, " ");
        AppendNumber(text, sizeof text, used, marks_[i].counter);
        Append(text, sizeof text, used, "\n");
    }
    char partial[MAX_PATH];
    lstrcpyA(partial, path_);
    lstrcatA(partial, ".part");
    HANDLE file = CreateFileA(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text, DWORD(used), &written, nullptr);
    CloseHandle(file);
    MoveFileExA(partial, path_, MOVEFILE_REPLACE_EXISTING);
}
