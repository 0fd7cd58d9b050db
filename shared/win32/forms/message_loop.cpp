#include "message_loop.h"

#include "failures.h"
#include "form.h"

namespace forms {
namespace {

void Deliver(MSG& message) {
    Form* form = Form::fromWindow(message.hwnd);
    bool consumed = false;
    // nothing thrown leaves the loop; a message whose preview failed is delivered as it came
    RunRecorded([&] { consumed = form && form->preTranslate(message); },
                [&] { return "message loop, " + form->name(); });
    if (consumed) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

}  // namespace

int RunMessageLoop() {
    MSG message;
    int result;
    while ((result = GetMessageA(&message, nullptr, 0, 0)) > 0) Deliver(message);
    return result == 0 ? int(message.wParam) : 1;
}

bool DoEvents() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(int(message.wParam));
            return false;
        }
        Deliver(message);
    }
    return true;
}

bool WaitForEvents(unsigned milliseconds) {
    MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return DoEvents();
}

void PauseWithEvents(unsigned milliseconds) {
    ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64())
        if (!WaitForEvents(unsigned(deadline - now))) return;
}

}  // namespace forms
