#include "calibration_wiring.h"

#include <memory>

#include "calibration_window.h"
#include "drawing_test_window.h"
#include "main_window_model.h"

using forms::Event;
using forms::EventType;

void BindCalibrationWindows(ControlPanel& panel, forms::Form& main) {
    main.on(EventType::Click, "cmdCalibration", [&panel](Event&) {
        panel.openOverMain(std::make_unique<CalibrationWindow>(panel),
                           ControlPanel::Order::HideThenShow);
    });
    main.on(EventType::Click, "cmdTest", [&panel](Event&) {
        panel.openOverMain(std::make_unique<DrawingTestWindow>(panel),
                           ControlPanel::Order::HideThenShow);
    });
    main.on(EventType::MouseDown, "cmdExit", [&panel](Event& event) {
        if (IsHiddenGesture(event.button, event.shift))
            panel.openOverMain(std::make_unique<DrawingTestWindow>(panel),
                               ControlPanel::Order::ShowThenHide);
    });
}
