#include "calibration_window.h"

#include "companion_programs.h"
#include "frm_calibration.h"
#include "label_size.h"
#include "main_window_model.h"
#include "message_boxes.h"
#include "message_loop.h"
#include "question_note.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

namespace {

constexpr int kEscapeKey = 27;
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhiteColour = RGB(255, 255, 255);
constexpr COLORREF kRedColour = RGB(255, 0, 0);
constexpr COLORREF kBlackColour = RGB(0, 0, 0);
constexpr UINT_PTR kCountdownTimer = 0x7C01;  // the forms' own timers use their controls' address
constexpr UINT kCountdownTickMs = 250;

}  // namespace

CalibrationWindow::CalibrationWindow(ControlPanel& panel)
    : panel_(panel), form_(CalibrationFormSpec()), session_(panel.driver, panel.block) {}

CalibrationWindow::~CalibrationWindow() {
    surface_.reset();
    home_.reset();
}

bool CalibrationWindow::open() {
    if (std::optional<DisplayProblem> problem = FullScreenRunRefused(panel_.block)) {
        ShowDisplayProblem(*problem, panel_.block, kCalibrationErrorTitle);
        return false;
    }
    if (!form_.load()) return false;
    HWND window = form_.hwnd();
    sessionEvents_ = std::make_unique<SessionNotifications>(window);
    COLORREF windowColour = GetSysColor(COLOR_WINDOW);
    form_["picCalibration"].setBackColour(windowColour);
    form_["picHome"].setBackColour(windowColour);
    for (const char* label : {"LabelAction", "lblTitle", "lblResolution", "lblMesg1", "lblMesg2",
                              "lblMesg3", "lblHelp"})
        FitLabelToCaption(form_[label]);
    TextSize mark = MeasureLabelText(form_["LabelAction"], "X");
    markWidth_ = mark.width;
    markHeight_ = mark.height;

    if (session_.load() == RightButtonStep::NotifyTool)
        NotifyCompanion(panel_.driver, NOTIFY_RB_HIDE);

    surface_ = std::make_unique<PictureCanvas>(form_["picCalibration"]);
    home_ = std::make_unique<PictureCanvas>(form_["picHome"]);
    bindEvents();
    // the whole screen, whatever the work area leaves out
    SetWindowPos(window, HWND_TOP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_NOACTIVATE);
    layOut();
    render();
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    // activation starts the run; should the window not be activated, it starts all the same
    startRunLater();
    return true;
}

void CalibrationWindow::bindEvents() {
    form_.on(EventType::Resize, [this](Event&) { layOut(); });
    form_.on(EventType::Activate, [this](Event&) {
        if (HWND home = form_["picHome"].hwnd())
            RedrawWindow(home, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        startRunLater();
    });
    form_.on(EventType::KeyPress, [this](Event& event) {
        if (event.key != kEscapeKey) return;
        event.key = 0;
        onEscape();
    });
    form_.on(EventType::Timer, "TimerHOLD", [this](Event&) {
        session_.holdTimerEnded();
        render();
    });
    form_.on(EventType::Timer, "TimerIDEL", [this](Event&) {
        session_.idleTick();
        render();
    });
    form_.on(EventType::Unload, [this](Event& event) { onUnload(event); });
    form_.setMessageFilter([this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        if (message == WM_TIMER && wParam == kCountdownTimer) {
            onCountdownTick();
            result = 0;
            return true;
        }
        onSessionSignal(SessionSignalOf(message, wParam));
        return false;
    });
}

// The screen is taken from the user, or its size changed: the run breaks off as Esc answered Yes
// does and an open question is answered No, so the driver never keeps what nobody confirmed.
void CalibrationWindow::onSessionSignal(SessionSignal signal) {
    if (signal == SessionSignal::None || unloaded_) return;
    if (signal == SessionSignal::DisplayChange) {
        if (!running_) return;
        displayChanged_ = true;
    }
    session_.breakOff();
    AnswerOpenQuestionsNo(kCalibrationQuestionTitle);
    // Windows ends the process after this message without an unload
    if (signal == SessionSignal::EndSession) giveRightButtonBack();
    render();
}

void CalibrationWindow::giveRightButtonBack() {
    if (session_.unload() == RightButtonStep::NotifyTool)
        NotifyCompanion(panel_.driver, NOTIFY_RB_SHOW);
}

// The run starts after the main window has finished opening this one, so that nothing
// unloads the window from under the code that showed it.
void CalibrationWindow::startRunLater() {
    if (started_) return;
    form_.post([this] {
        if (started_) return;
        started_ = true;
        run();
    });
}

void CalibrationWindow::layOut() {
    HWND window = form_.hwnd();
    if (window == nullptr) return;
    RECT client{};
    GetClientRect(window, &client);
    auto px = [this](int twips) { return form_.twipsToPixelsX(twips); };
    auto py = [this](int twips) { return form_.twipsToPixelsY(twips); };
    auto tx = [this](int pixels) { return form_.pixelsToTwipsX(pixels); };
    auto ty = [this](int pixels) { return form_.pixelsToTwipsY(pixels); };
    forms::Control& surface = form_["picCalibration"];
    forms::Control& home = form_["picHome"];
    forms::Control& status = form_["picStat"];
    forms::Control& message = form_["picMesg"];
    forms::Control& title = form_["lblTitle"];
    forms::Control& liftPrompt = form_["lblMesg3"];
    forms::Control& help = form_["lblHelp"];

    CalibrationSurface before = layout_.targets;
    layout_ = LayOutCalibration({client.right, client.bottom, py(home.height()), px(message.left()),
                                 px(message.width()), px(status.width()), py(status.height()),
                                 px(title.width()), py(title.height()), py(liftPrompt.height())});
    const CalibrationLayout& l = layout_;
    surface.move(tx(l.surface.left), ty(l.surface.top), tx(l.surface.width), ty(l.surface.height));
    home.move(tx(l.home.left), ty(l.home.top), tx(l.home.width), ty(l.home.height));
    title.move(tx(l.titleLeft), ty(l.titleTop), title.width(), title.height());
    status.move(tx(l.statusLeft), status.top(), status.width(), status.height());
    message.move(tx(l.messageLeft), message.top(), message.width(), message.height());
    liftPrompt.move(liftPrompt.left(), ty(l.liftPromptTop), liftPrompt.width(),
                    liftPrompt.height());
    idleBar_ =
        IdleBarOf(py(help.top()), py(help.height()), px(message.left()), px(message.width()));

    bool moved = before.right != l.targets.right || before.bottom != l.targets.bottom;
    if (moved && surface_ && drawnCrosses_ != 0) {
        // the crosses belong to the old size: draw them again where they now are
        surface_->clear();
        drawnCrosses_ = 0;
        renderCrosses();
    }
    placeActionLabel();
}

void CalibrationWindow::run() {
    running_ = true;
    HideCursor();
    session_.begin(int(panel_.config.calibrationMode));
    render();
    while (session_.phase() != CalibrationPhase::Finished) {
        session_.readTouch();
        if (!pauseBetweenReads()) session_.quit();
        session_.decide();
        render();
    }
    showResult();
    ShowCursorAgain();
    if (displayChanged_)
        ShowDisplayProblem(DisplayProblem::ChangedDuringRun, panel_.block, kCalibrationErrorTitle);
    running_ = false;
    if (form_.loaded()) {
        form_.unload();
    } else {
        Event gone{EventType::Unload, form_.name()};
        onUnload(gone);
    }
}

// About kTouchPollMs between two reads however many messages come meanwhile, each handled; a
// wait that ran out within the clock's last millisecond is not repeated. False once the program
// is asked to end.
bool CalibrationWindow::pauseBetweenReads() {
    ULONGLONG deadline = GetTickCount64() + kTouchPollMs;
    for (ULONGLONG now = GetTickCount64(); now + 1 < deadline; now = GetTickCount64())
        if (!forms::WaitForEvents(unsigned(deadline - now))) return false;
    return true;
}

void CalibrationWindow::showResult() {
    switch (session_.end()) {
        case CalibrationEnd::UnsupportedMode:
            ShowCursorAgain();
            MessageBoxA(form_.hwnd(), session_.endMessage().c_str(), kControlPanelTitle, MB_OK);
            break;
        case CalibrationEnd::IncorrectPanelDirection:
        case CalibrationEnd::InvalidResult:
            ShowCursorAgain();
            ShowErrorBox(session_.endMessage(), session_.endTitle());
            HideCursor();
            break;
        case CalibrationEnd::Ready: {
            session_.applyNewCalibration();
            render();
            ShowCursorAgain();
            session_.announceEnd();
            int answer = askCompletionQuestion();
            // only a Yes keeps what the user has not confirmed
            if (answer == IDYES) {
                session_.keepNewCalibration();
            } else {
                forms::SetScreenPointer(forms::Pointer::Hourglass);
                session_.restoreOldCalibration();
                forms::SetScreenPointer(forms::Pointer::Default);
            }
            break;
        }
        case CalibrationEnd::None:
        case CalibrationEnd::Broken:
            break;
    }
}

// The question counts down beside its text and answers No by itself when the time is out: the
// new calibration may be too far off to touch No with, on a screen without keyboard or mouse.
int CalibrationWindow::askCompletionQuestion() {
    countdown_.emplace(GetTickCount64());
    countdownNote_ = nullptr;
    SetTimer(form_.hwnd(), kCountdownTimer, kCountdownTickMs, nullptr);
    int answer = AskQuestion(CompletionQuestion(), kYesIsDefault, kCalibrationQuestionTitle);
    KillTimer(form_.hwnd(), kCountdownTimer);
    countdown_.reset();
    countdownNote_ = nullptr;
    return answer;
}

void CalibrationWindow::onCountdownTick() {
    if (!countdown_) return;
    HWND box = FindOpenQuestion(kCalibrationQuestionTitle);
    if (box == nullptr) return;
    if (countdownNote_ == nullptr) countdownNote_ = AddQuestionNote(box);
    ULONGLONG now = GetTickCount64();
    if (countdownNote_)
        SetWindowTextA(countdownNote_, CountdownText(countdown_->secondsLeft(now)).c_str());
    if (countdown_->expired(now)) {
        countdown_.reset();
        AnswerOpenQuestionsNo(kCalibrationQuestionTitle);
    }
}

void CalibrationWindow::onEscape() {
    if (!running_ || !session_.escape()) return;
    render();
    ShowCursorAgain();
    int answer = AskQuestion(kBreakQuestion, kNoIsDefault, kCalibrationQuestionTitle);
    HideCursor();
    session_.answerBreak(answer == IDYES);
    render();
}

void CalibrationWindow::onUnload(Event& event) {
    if (running_) {
        // a close during the run ends it as broken; the run unloads the window itself
        event.cancel = true;
        session_.quit();
        return;
    }
    if (unloaded_) return;
    unloaded_ = true;
    sessionEvents_.reset();
    giveRightButtonBack();
    panel_.returnToMain();
    ShowCursorAgain();
}

void CalibrationWindow::render() {
    if (!form_.loaded()) return;
    const CalibrationScreen& screen = session_.screen();
    SetAutoSizedCaption(form_["lblResolution"], screen.resolution);
    renderMessages();
    form_["picStat"].setBackColour(screen.touchIndicator ? kYellow : kWhiteColour);
    SetAutoSizedCaption(form_["LabelAction"], screen.action);
    placeActionLabel();
    form_["picMesg"].setVisible(screen.helpShown);
    form_["lblHelp"].setVisible(screen.helpShown);
    form_["LabelAction"].setVisible(screen.actionShown());
    form_["picCalibration"].setVisible(screen.surfaceShown);
    renderCrosses();
    renderIdleBar();
    renderTimers();
}

void CalibrationWindow::renderMessages() {
    const CalibrationScreen& screen = session_.screen();
    forms::Control& first = form_["lblMesg1"];
    forms::Control& second = form_["lblMesg2"];
    forms::Control& lift = form_["lblMesg3"];
    if (!screen.touchPromptShown) {
        first.setVisible(false);
        second.setVisible(false);
    }
    if (!screen.liftOffPromptShown) lift.setVisible(false);
    SetAutoSizedCaption(first, screen.touchPrompt[0]);
    SetAutoSizedCaption(second, screen.touchPrompt[1]);
    SetAutoSizedCaption(lift, screen.liftOffPrompt);
    if (screen.touchPromptShown) {
        if (second.left() != first.left())
            second.move(first.left(), second.top(), second.width(), second.height());
        first.setVisible(true);
        second.setVisible(true);
    }
    if (screen.liftOffPromptShown) lift.setVisible(true);
}

void CalibrationWindow::placeActionLabel() {
    forms::Control& action = form_["LabelAction"];
    std::optional<ActionLabelPlace> place =
        PlaceActionLabel(session_.screen().actionTarget, layout_.targets, markWidth_, markHeight_);
    if (!place) return;
    int left = AlignedLeft(*place, markWidth_, form_.twipsToPixelsX(action.width()));
    int leftTwips = form_.pixelsToTwipsX(left), topTwips = form_.pixelsToTwipsY(place->top);
    if (leftTwips != action.left() || topTwips != action.top())
        action.move(leftTwips, topTwips, action.width(), action.height());
}

void CalibrationWindow::renderCrosses() {
    if (!surface_) return;
    uint16_t wanted = session_.screen().crosses;
    // erase before drawing, so a cross shown over an erased one is whole
    for (int pass = 0; pass < 2; ++pass) {
        for (int target = kFirstTarget; target <= kLastTarget; ++target) {
            uint16_t bit = uint16_t(1u << target);
            bool want = (wanted & bit) != 0, drawn = (drawnCrosses_ & bit) != 0;
            if (want == drawn || want != (pass == 1)) continue;
            drawCross(target, want);
            drawnCrosses_ = uint16_t(want ? drawnCrosses_ | bit : drawnCrosses_ & ~bit);
        }
    }
}

void CalibrationWindow::drawCross(int target, bool shown) {
    std::optional<CrossMark> mark = CrossMarkOf(target, layout_.targets);
    if (mark) DrawCrossMark(*surface_, *mark, shown);
}

void CalibrationWindow::renderIdleBar() {
    if (!home_) return;
    const CalibrationScreen& screen = session_.screen();
    if (screen.idleBarFramed && !drawnFrame_) {
        PixelBox frame = IdleBarFrame(idleBar_);
        home_->box(frame.left, frame.top, frame.right, frame.bottom, kBlackColour);
        drawnFrame_ = true;
    }
    if (screen.idleBarFilled < drawnSteps_) {
        home_->fill(idleBar_.left, idleBar_.top, idleBar_.right, idleBar_.bottom,
                    GetSysColor(COLOR_WINDOW));
        drawnSteps_ = 0;
    }
    for (; drawnSteps_ < screen.idleBarFilled; ++drawnSteps_) {
        PixelBox step = IdleStepBox(idleBar_, drawnSteps_);
        home_->fill(step.left, step.top, step.right, step.bottom, kRedColour);
    }
}

void CalibrationWindow::renderTimers() {
    auto follow = [this](const char* name, const TimerState& state, bool& armed, unsigned& starts) {
        if (state.on && (!armed || state.starts != starts)) {
            form_[name].setEnabled(true);  // arming again counts the full interval anew
            armed = true;
            starts = state.starts;
        } else if (!state.on && armed) {
            form_[name].setEnabled(false);
            armed = false;
        }
    };
    follow("TimerIDEL", session_.idleTimer(), idleArmed_, idleStarts_);
    follow("TimerHOLD", session_.holdTimer(), holdArmed_, holdStarts_);
}
