#include "control_panel.h"

void ControlPanel::openOverMain(std::unique_ptr<ChildWindow> window, Order order) {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    if (order == Order::HideThenShow) main->hide();
    bool shown = child.open(std::move(window));
    if (shown) main->hide();
    else main->show();
    forms::SetScreenPointer(forms::Pointer::Default);
}

void ControlPanel::setStatusLine(const char* label, const std::string& text) {
    (*main)[label].setCaption(text);
}
