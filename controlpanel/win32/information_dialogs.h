// The controller information box and the support box.
#pragma once

#include "child_window.h"
#include "control_panel.h"

class McuInfoBox : public ChildWindow {
public:
    explicit McuInfoBox(ControlPanel& panel);
    bool open() override;

private:
    ControlPanel& panel_;
    forms::Form form_;
};

class SupportBox : public ChildWindow {
public:
    explicit SupportBox(ControlPanel& panel);
    ~SupportBox() override;
    bool open() override;

private:
    ControlPanel& panel_;
    forms::Form form_;
    HBITMAP picture_ = nullptr;
};
