// frmCOMxSet: the IRQs the driver is to use for COM1 to COM4, opened over the detection view.
#pragma once

#include <windows.h>

#include "child_window.h"
#include "com_port_resources_model.h"
#include "control_panel.h"
#include "form.h"

class ComPortResourcesDialog : public ChildWindow {
public:
    // view: the detection view, shown again when this dialog closes.
    ComPortResourcesDialog(ControlPanel& panel, forms::Form& view);
    ~ComPortResourcesDialog() override;
    bool open() override;

private:
    void fillLists();
    void render();
    void onIrqChosen(int port);
    void onSave();
    void onOK();
    void onCancel();

    ControlPanel& panel_;
    forms::Form& view_;
    forms::Form form_;
    ComPortResourcesModel model_;
    HBITMAP caution_ = nullptr;
    bool rendering_ = false;
};
