// frmAccuracy: the accuracy check the drawing test opens over itself, and the check's result.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "accuracy_check.h"
#include "accuracy_report.h"
#include "calibration_layout.h"
#include "control_panel.h"
#include "display_guard.h"
#include "picture_canvas.h"
#include "session_events.h"

class AccuracyCheckWindow {
public:
    // Owned by the drawing test's window, which it returns to when it closes.
    AccuracyCheckWindow(ControlPanel& panel, HWND owner);
    ~AccuracyCheckWindow();
    AccuracyCheckWindow(const AccuracyCheckWindow&) = delete;
    AccuracyCheckWindow& operator=(const AccuracyCheckWindow&) = delete;

    bool open();

private:
    void bindEvents();
    void bindTouch(const std::string& name);
    void onPress(int button);
    void onMove();
    void onRelease(int button);
    void keepPointerWhileHeld();
    void watchForLostHolds();
    void loseHold();
    void finish();
    void again();
    void saveReport();
    void leave();
    void watchSession();
    void onSessionSignal(SessionSignal signal);
    void hideCursor(bool hidden);
    POINT touchedPoint() const;

    void render();
    void renderCheck();
    void renderResult();
    void layOutCheckTexts();
    void layOutResult();
    void drawResult();
    void place(forms::Control& control, const PixelRect& at);

    ControlPanel& panel_;
    HWND owner_;
    forms::Form form_;
    AccuracyCheck check_;
    DisplaySize display_;
    LocalTime finished_{};
    std::unique_ptr<PictureCanvas> surface_;  // picCheck
    std::unique_ptr<PictureCanvas> picture_;  // picResult
    std::unique_ptr<SessionNotifications> sessionEvents_;
    int drawnTarget_ = 0;  // the cross picCheck shows, 1..9; 0 for none
    bool cursorHidden_ = false;
    bool left_ = false;
};
