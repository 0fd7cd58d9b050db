#include "plain_message.h"

#include <windows.h>

#include "form.h"

void ShowPlainMessage(const std::string& text, const std::string& title) {
    // the box is read and answered with the normal pointer, whatever a long action left
    forms::Pointer saved = forms::ScreenPointer();
    forms::SetScreenPointer(forms::Pointer::Default);
    MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK);
    forms::SetScreenPointer(saved);
}
