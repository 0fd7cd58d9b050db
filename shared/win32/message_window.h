// The progress message window (frmMessage) of the setup and removal programs: a picture and
// one line of text, captioned with the program title, shown while the program works.
#pragma once

#include <windows.h>

#include <string>

#include "form.h"

class MessageWindow {
public:
    explicit MessageWindow(std::string programTitle);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // The show-message step: the text, the layout, the placement under the busy pointer, and
    // the window shown and painted at once. Showing again replaces the text.
    bool show(const std::string& text);
    void close();
    bool visible() const { return form_.visible(); }
    HWND hwnd() const { return form_.hwnd(); }

private:
    bool load();
    void layOut(const std::string& text);
    void place();

    forms::Form form_;
    std::string title_;
    HBITMAP picture_ = nullptr;
    bool closing_ = false;
};
