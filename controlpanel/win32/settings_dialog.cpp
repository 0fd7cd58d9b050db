#include "settings_dialog.h"

#include "branding.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;
using forms::Pointer;

SettingsDialog::SettingsDialog(ControlPanel& panel, const FormSpec& spec, const char* statusLabel)
    : panel_(panel), form_(spec), statusLabel_(statusLabel) {}

bool SettingsDialog::open() {
    if (!form_.load()) return false;
    load();
    on(EventType::Click, "cmdApply", [this](Event&) { onApply(); });
    on(EventType::Click, "cmdOK", [this](Event&) { onOK(); });
    on(EventType::Click, "cmdCandel", [this](Event&) { onCancel(); });
    form_.on(EventType::Unload, [this](Event&) { ReturnToMainWindow(*panel_.main); });
    refresh();
    PrepareDialog(form_, *panel_.main, panel_.config, panel_.branding);
    form_.show();
    return true;
}

void SettingsDialog::on(EventType type, const std::string& control,
                        std::function<void(Event&)> handler) {
    form_.on(type, control, [this, handler](Event& event) {
        if (rendering_) return;
        handler(event);
        if (form_.loaded()) refresh();
    });
}

void SettingsDialog::refresh() {
    rendering_ = true;
    render();
    form_["cmdApply"].setEnabled(model().applyEnabled());
    rendering_ = false;
}

void SettingsDialog::onApply() {
    if (!model().applyEnabled()) return;
    form_.setMousePointer(Pointer::Hourglass);
    model().apply();
    applied();
    panel_.setStatusLine(statusLabel_, model().statusLine());
    refresh();
    form_.setMousePointer(Pointer::Default);
}

void SettingsDialog::onOK() {
    if (model().applyEnabled()) onApply();
    forms::SetScreenPointer(Pointer::Hourglass);
    form_.unload();
}

// Edits since the last Apply are dropped; an Apply already made stays.
void SettingsDialog::onCancel() {
    forms::SetScreenPointer(Pointer::Hourglass);
    form_.unload();
}

void ShowBar(forms::Control& bar, int value) {
    if (bar.value() != value) bar.setValue(value);
}

void ShowTick(forms::Control& check, bool ticked) {
    if ((check.value() != 0) != ticked) check.setValue(ticked ? 1 : 0);
}

void ShowListIndex(forms::Control& list, int index) {
    if (list.listIndex() != index) list.setListIndex(index);
}

void ShowChoice(forms::Control& option, bool selected) {
    if ((option.value() != 0) != selected) option.setValue(selected ? 1 : 0);
    option.setForeColour(ChoiceColour(selected));
}
