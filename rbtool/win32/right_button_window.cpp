#include "right_button_window.h"

#include "companion_programs.h"
#include "frm_right_button.h"
#include "message_loop.h"
#include "right_button_picture.h"
#include "tool_placement_win32.h"

using forms::Event;
using forms::EventType;

RightButtonWindow::RightButtonWindow() : form_(kRightButtonForm) {}

RightButtonWindow::~RightButtonWindow() {
    if (picture_) DeleteObject(picture_);
}

int RightButtonWindow::run(int showCommand) {
    if (!form_.load()) return 1;
    initialise();
    if (!load()) {
        form_.setQuitsProgram(false);
        DestroyWindow(form_.hwnd());
        return 0;
    }
    form_.setQuitsProgram(true);
    ShowWindow(form_.hwnd(), showCommand);
    return forms::RunMessageLoop();
}

void RightButtonWindow::initialise() {
    form_.setCaption(kRightButtonCaption);
    waiting_ = 0;
    forms::Control& action = form_["cmdAction"];
    action.move(0, 0, action.width(), action.height());
    RECT buttonPixels = action.pixelRect();
    picture_ = DrawRightButtonPicture(buttonPixels.right - 8, buttonPixels.bottom - 8);
    action.setPicture(picture_);
    PlaceToolInCorner(form_, action);
    form_.setTopmost(true);

    // the armed wait runs after the click, not inside it, so that a close during the wait
    // never pulls the window from under the button's own code
    form_.on(EventType::Click, "cmdAction", [this](Event&) {
        form_.post([this] {
            if (waiting_ == 0) onAction();
        });
    });
    form_.on(EventType::MouseDown, [this](Event& event) {
        if (event.button == forms::LeftButton || event.button == forms::RightButton) onAbandon();
    });
    form_.on(EventType::KeyPress, [this](Event&) { onAbandon(); });
    form_.on(EventType::Unload, [this](Event&) { onUnload(); });
}

bool RightButtonWindow::load() {
    if (!channel_.OpenTouchDriver()) {
        ReportOpenFailure(kRightButtonProgramTitle);
        return false;
    }
    registration_ = std::make_unique<RightButtonRegistration>(
        channel_, DriverHandleFromWindow(reinterpret_cast<uintptr_t>(form_.hwnd())));
    int32_t registered = registration_->query();
    bool ourTool =
        registered != kNoWindow && IsCompanionWindow(registered, Companion::RightButtonTool);
    if (DecideStart(registered, ourTool) == StartDecision::HandOver) {
        SendCompanionNotification(registered, NOTIFY_RB_SHOW);
        channel_.CloseTouchDriver();
        return false;
    }
    registration_->registerIdle();
    // a control panel run as administrator starts the tool at high integrity, where Windows
    // would drop the commands of the programs the user runs
    ChangeWindowMessageFilterEx(form_.hwnd(), WM_USER, MSGFLT_ALLOW, nullptr);
    form_.setMessageFilter([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (message == WM_ENDSESSION) {
            // Windows ends the process without an unload: the registration goes now
            if (wParam != FALSE) onUnload();
            return false;
        }
        if (message != WM_USER) return false;
        onCommand(wParam, lParam);
        result = 0;
        return true;
    });
    return true;
}

void RightButtonWindow::onAction() {
    forms::Control& action = form_["cmdAction"];
    action.setVisible(false);
    SetFocus(form_.hwnd());  // typed characters now reach the window and abandon the wait
    registration_->arm();
    waiting_ = 1;
    bool armed = true;
    do {
        if (!forms::DoEvents() || closed_) break;
        armed = registration_->stillArmed();
        if (!forms::DoEvents() || closed_) break;
        if (armed && waiting_ == 1) forms::WaitForEvents(kArmedPollMs);
    } while (armed && waiting_ == 1 && !closed_);
    // a close during the wait already withdrew the registration; disarming would renew it
    if (closed_) return;
    registration_->disarm();
    waiting_ = 0;
    action.setVisible(true);
}

void RightButtonWindow::onAbandon() {
    waiting_ = 0;
}

void RightButtonWindow::onUnload() {
    closed_ = true;
    if (registration_ && channel_.isOpen()) registration_->unregister();
    channel_.CloseTouchDriver();
}

// WM_USER from the control panel and the startup program: hide, show, quit.
void RightButtonWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    switch (CommandFor(wParam)) {
        case ToolCommand::Hide:
            ShowWindow(form_.hwnd(), SW_HIDE);
            break;
        case ToolCommand::Show:
            ShowWindow(form_.hwnd(), SW_SHOWNA);
            break;
        case ToolCommand::Quit:
            form_.unload();
            break;
        case ToolCommand::Unknown:
            MessageBoxA(form_.hwnd(), UnknownCommandText(wParam, lParam).c_str(),
                        kRightButtonProgramTitle, MB_OK);
            break;
    }
}
