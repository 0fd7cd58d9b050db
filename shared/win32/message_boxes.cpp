#include "message_boxes.h"

#include <windows.h>

#include "form.h"
#include "wide_text.h"

namespace {

// A box must not show the hourglass a long action left on the screen pointer.
class NormalPointerWhileShown {
public:
    NormalPointerWhileShown() : saved_(forms::ScreenPointer()) {
        forms::SetScreenPointer(forms::Pointer::Default);
    }
    ~NormalPointerWhileShown() { forms::SetScreenPointer(saved_); }

private:
    forms::Pointer saved_;
};

}  // namespace

int ShowErrorBox(const std::string& text, const std::string& title) {
    NormalPointerWhileShown pointer;
    MessageBeep(MB_OK);
    // the text may name a path in any script
    return MessageBoxW(nullptr, WideFromUtf8(text).c_str(), WideFromUtf8(title).c_str(), 0x1010);
}

int AskQuestion(const std::string& text, int extra, const std::string& title) {
    NormalPointerWhileShown pointer;
    return MessageBoxA(nullptr, text.c_str(), title.c_str(), UINT(4 + 32 + 4096 + extra));
}
