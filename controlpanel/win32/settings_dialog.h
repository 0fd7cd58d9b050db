// The settings dialogs' common window: the load that ends with the shared preparation, Apply,
// OK, Cancel and the return to the main window. A dialog adds its table, its model, the
// binding of its own controls and one render() that writes every control from the model.
#pragma once

#include <functional>
#include <string>

#include "child_window.h"
#include "control_panel.h"
#include "form.h"
#include "settings_dialog_model.h"

class SettingsDialog : public ChildWindow {
public:
    // statusLabel: the main window's label that shows the dialog's line after Apply.
    SettingsDialog(ControlPanel& panel, const FormSpec& spec, const char* statusLabel);
    bool open() final;

protected:
    virtual SettingsDialogModel& model() = 0;
    // The dialog's own part of the load: its lists filled and its controls bound.
    virtual void load() = 0;
    virtual void render() = 0;
    // After the block went to the driver and before the main window's line is written.
    virtual void applied() {}

    // Routes a control's event to the handler, then renders. Events that render() itself
    // raises by writing a control are not the user's and go nowhere.
    void on(forms::EventType type, const std::string& control,
            std::function<void(forms::Event&)> handler);
    void refresh();

    ControlPanel& panel_;
    forms::Form form_;

private:
    void onApply();
    void onOK();
    void onCancel();

    const char* statusLabel_;
    bool rendering_ = false;
};

// Writing what the model says into a control, without a change the control would report.
void ShowBar(forms::Control& bar, int value);
void ShowTick(forms::Control& check, bool ticked);
void ShowListIndex(forms::Control& list, int index);
// An option button: selected or not, and its caption coloured to match.
void ShowChoice(forms::Control& option, bool selected);
