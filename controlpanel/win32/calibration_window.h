// frmCalibration: the full-screen window that leads the user through the four targets.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "calibration_layout.h"
#include "calibration_session.h"
#include "child_window.h"
#include "control_panel.h"
#include "display_guard.h"
#include "picture_canvas.h"
#include "question_countdown.h"
#include "session_events.h"

class CalibrationWindow : public ChildWindow {
public:
    explicit CalibrationWindow(ControlPanel& panel);
    ~CalibrationWindow() override;
    bool open() override;

private:
    void bindEvents();
    void layOut();
    void run();
    bool pauseBetweenReads();
    void showResult();
    int askCompletionQuestion();
    void onCountdownTick();
    void onEscape();
    void onUnload(forms::Event& event);
    void onSessionSignal(SessionSignal signal);
    void giveRightButtonBack();
    void startRunLater();

    void render();
    void renderMessages();
    void renderCrosses();
    void renderIdleBar();
    void renderTimers();
    void placeActionLabel();
    void drawCross(int target, bool shown);

    ControlPanel& panel_;
    forms::Form form_;
    CalibrationSession session_;
    std::unique_ptr<PictureCanvas> surface_;  // picCalibration
    std::unique_ptr<PictureCanvas> home_;     // picHome
    std::unique_ptr<SessionNotifications> sessionEvents_;
    bool displayChanged_ = false;
    std::optional<QuestionCountdown> countdown_;  // while the final question is open
    HWND countdownNote_ = nullptr;
    bool started_ = false;
    bool running_ = false;
    bool unloaded_ = false;

    CalibrationLayout layout_{};
    IdleBar idleBar_{};
    int markWidth_ = 0;  // LabelAction while it reads "X", pixels
    int markHeight_ = 0;
    // what the pictures and timers show now, to follow the session's screen
    uint16_t drawnCrosses_ = 0;
    bool drawnFrame_ = false;
    int drawnSteps_ = 0;
    bool idleArmed_ = false;
    unsigned idleStarts_ = 0;
    bool holdArmed_ = false;
    unsigned holdStarts_ = 0;
};
