#include "session_events.h"

#include <wtsapi32.h>

#include "wide_text.h"

namespace {

struct QuestionSearch {
    std::string title;
    bool answerNo;
    HWND found;
};

BOOL CALLBACK VisitQuestion(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<QuestionSearch*>(lParam);
    char className[16] = {};
    char caption[128] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(className) != "#32770" || search->title != caption) return TRUE;
    search->found = window;
    if (search->answerNo) PostMessageA(window, WM_COMMAND, IDNO, 0);
    return search->answerNo;
}

std::string ProgramFileOf(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return {};
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = DWORD(sizeof path / sizeof path[0]);
    std::string file;
    if (QueryFullProcessImageNameW(process, 0, path, &length)) {
        std::string full = Utf8FromWide(std::wstring(path, length));
        size_t slash = full.find_last_of("\\/");
        file = slash == std::string::npos ? full : full.substr(slash + 1);
    }
    CloseHandle(process);
    return file;
}

uint32_t SessionOfProcess(DWORD processId) {
    DWORD session = kNoConsoleSession;
    if (!ProcessIdToSessionId(processId, &session)) return kNoConsoleSession;
    return session;
}

}  // namespace

SessionFacts CurrentSessionFacts() {
    SessionFacts facts;
    facts.remoteMetric = GetSystemMetrics(SM_REMOTESESSION) != 0;
    facts.ownSession = SessionOfProcess(GetCurrentProcessId());
    facts.consoleSession = WTSGetActiveConsoleSessionId();
    return facts;
}

WindowFacts InspectWindow(int32_t handle) {
    WindowFacts facts;
    if (handle == kNoWindow) return facts;
    HWND window = reinterpret_cast<HWND>(WindowFromDriverHandle(handle));
    DWORD processId = 0;
    if (!IsWindow(window) || GetWindowThreadProcessId(window, &processId) == 0) return facts;
    facts.exists = true;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    facts.className = className;
    char caption[128] = {};
    GetWindowTextA(window, caption, sizeof caption);
    facts.caption = caption;
    facts.programFile = ProgramFileOf(processId);
    facts.windowSession = SessionOfProcess(processId);
    facts.ownSession = SessionOfProcess(GetCurrentProcessId());
    return facts;
}

PixelExtent PrimaryDisplayMode() {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmPelsWidth != 0)
        return {int(mode.dmPelsWidth), int(mode.dmPelsHeight)};
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

SessionNotifications::SessionNotifications(HWND window)
    : window_(window),
      registered_(WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION) != FALSE) {}

SessionNotifications::~SessionNotifications() {
    if (registered_) WTSUnRegisterSessionNotification(window_);
}

void AnswerOpenQuestionsNo(const std::string& title) {
    QuestionSearch search{title, true, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), VisitQuestion, reinterpret_cast<LPARAM>(&search));
}

HWND FindOpenQuestion(const std::string& title) {
    QuestionSearch search{title, false, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), VisitQuestion, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
