#include "debug_output.h"

#include <cstring>

namespace e2e {
namespace {

// The shared buffer of the debug-output protocol: the writer's process id, then the text.
struct DebugBuffer {
    DWORD process;
    char text[4096 - sizeof(DWORD)];
};

struct Line {
    DWORD process;
    std::string text;
};

CRITICAL_SECTION gLock;
std::vector<Line> gLines;
HANDLE gBufferReady = nullptr;
HANDLE gDataReady = nullptr;
const DebugBuffer* gBuffer = nullptr;

DWORD WINAPI Listen(void*) {
    for (;;) {
        SetEvent(gBufferReady);
        if (WaitForSingleObject(gDataReady, INFINITE) != WAIT_OBJECT_0) return 0;
        std::string text(gBuffer->text, strnlen(gBuffer->text, sizeof gBuffer->text));
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        EnterCriticalSection(&gLock);
        gLines.push_back({gBuffer->process, text});
        LeaveCriticalSection(&gLock);
    }
}

}  // namespace

bool ListenToDebugOutput() {
    if (gBuffer) return true;
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(DebugBuffer), "DBWIN_BUFFER");
    if (!mapping || GetLastError() == ERROR_ALREADY_EXISTS) return false;
    gBufferReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
    gDataReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
    auto* view = static_cast<const DebugBuffer*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    if (!gBufferReady || !gDataReady || !view) return false;
    InitializeCriticalSection(&gLock);
    gBuffer = view;
    HANDLE thread = CreateThread(nullptr, 0, Listen, nullptr, 0, nullptr);
    if (!thread) return false;
    CloseHandle(thread);
    return true;
}

std::vector<std::string> TakeDebugOutput(DWORD process) {
    std::vector<std::string> taken;
    if (!gBuffer) return taken;
    EnterCriticalSection(&gLock);
    std::vector<Line> kept;
    for (Line& line : gLines) {
        if (process == 0 || line.process == process)
            taken.push_back(std::move(line.text));
        else
            kept.push_back(std::move(line));
    }
    gLines.swap(kept);
    LeaveCriticalSection(&gLock);
    return taken;
}

}  // namespace e2e
