// The right-button tool's window: registration, the armed wait and the commands it obeys.
#pragma once

#include <windows.h>

#include <memory>

#include "driver_channel.h"
#include "form.h"
#include "right_button_tool.h"

class RightButtonWindow {
public:
    RightButtonWindow();
    ~RightButtonWindow();

    // The whole life of the tool; returns the program's exit code.
    int run(int showCommand);

private:
    void initialise();
    bool load();
    void onAction();
    void onAbandon();
    void onUnload();
    void onCommand(WPARAM wParam, LPARAM lParam);

    forms::Form form_;
    DriverChannel channel_;
    std::unique_ptr<RightButtonRegistration> registration_;
    uint16_t waiting_ = 0;
    bool closed_ = false;
    HBITMAP picture_ = nullptr;
};
