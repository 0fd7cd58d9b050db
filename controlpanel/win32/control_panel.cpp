#include "control_panel.h"

#include "window_helpers.h"

void ControlPanel::openOverMain(std::unique_ptr<ChildWindow> window, Order order) {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    if (order == Order::HideThenShow) main->hide();
    bool shown = child.open(std::move(window));
    if (shown)
        main->hide();
    else
        returnToMain();
    forms::SetScreenPointer(forms::Pointer::Default);
}

void ControlPanel::returnToMain() {
    if (!calibrateOnly) {
        ReturnToMainWindow(*main);
        return;
    }
    // after the window that ends has finished its own unload
    forms::Form* window = main;
    window->post([window] { window->unload(); });
}

void ControlPanel::setStatusLine(const char* label, const std::string& text) {
    (*main)[label].setCaption(text);
}
