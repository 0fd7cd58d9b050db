// What a user does with the removal program and what the tests read back of it.
#pragma once

#include <windows.h>

#include <string>

#include "desktop.h"
#include "e2e_test.h"
#include "program.h"
#include "wait.h"

namespace removal_steps {

constexpr char kTitle[] = "TouchScreen Software Removal";

// The question, once it has settled as the active window; null when it does not show.
inline HWND WaitForQuestion() {
    HWND window = e2e::WaitForTopWindow(kTitle);
    if (!window || !e2e::FindControlByName(window, "lblAsk")) return nullptr;
    e2e::PumpFor(300);  // the question settles as the active window before a test answers it
    return window;
}

// The box that ends a removal that went through, its text checked; false when it did not show.
inline bool WaitForCompleteBox(const e2e::Program& removal, e2e::MessageBoxInfo& box,
                               unsigned timeoutMs) {
    bool shown = e2e::WaitForMessageBox(kTitle, box, removal.id(), timeoutMs);
    EXPECT_TRUE(shown) << "the final box";
    if (shown) {
        EXPECT_EQ(box.text,
                  "Removal is complete to uninstall TouchScreen drivers and "
                  "utilities.\r\n\r\nThe Windows must be restarted.");
    }
    return shown;
}

}  // namespace removal_steps
