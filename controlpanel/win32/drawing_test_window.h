// frmTest: the full-screen canvas on which the user tries the touch screen.
#pragma once

#include <memory>

#include "accuracy_check_window.h"
#include "child_window.h"
#include "control_panel.h"
#include "display_guard.h"
#include "drawing_test_model.h"
#include "picture_canvas.h"
#include "session_events.h"

class DrawingTestWindow : public ChildWindow {
public:
    explicit DrawingTestWindow(ControlPanel& panel);
    ~DrawingTestWindow() override;
    bool open() override;

private:
    void bindEvents();
    void layOut();
    void render();
    void draw(const Stroke& stroke);
    void onCanvasButtonDown(const forms::Event& event);
    void onCanvasButtonUp(const forms::Event& event);
    void openAccuracyCheck();
    void onSessionSignal(SessionSignal signal);
    void leave();

    ControlPanel& panel_;
    forms::Form form_;
    DrawingTestModel model_;
    std::unique_ptr<PictureCanvas> canvas_;
    std::unique_ptr<AccuracyCheckWindow> accuracy_;  // kept after it closes, until the next
    std::unique_ptr<SessionNotifications> sessionEvents_;
    bool unloaded_ = false;
    int helpHeight_ = 0;  // lblHelp as designed, twips
};
