// A window opened over a program's hidden main window, which it brings back when it closes.
#pragma once

#include <memory>

class ChildWindow {
public:
    virtual ~ChildWindow() = default;
    // Loads, prepares and shows the window; false when it could not be shown.
    virtual bool open() = 0;
};

// The one child window a main window has open at a time. A window stays alive after it
// closes, until the next one replaces it, so nothing is freed from inside its own events.
class ChildWindowSlot {
public:
    bool open(std::unique_ptr<ChildWindow> window) {
        previous_ = std::move(current_);
        current_ = std::move(window);
        return current_->open();
    }
    ChildWindow* current() const { return current_.get(); }

private:
    std::unique_ptr<ChildWindow> current_;
    std::unique_ptr<ChildWindow> previous_;  // may still be on the stack that opens the next
};
