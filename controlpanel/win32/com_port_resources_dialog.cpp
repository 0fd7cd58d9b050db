#include "com_port_resources_dialog.h"

#include "frm_com_x_set.h"
#include "painted_bitmap.h"

using forms::Event;
using forms::EventType;

namespace {

// The system's warning sign on the dialog's own background, for imgCaution.
HBITMAP DrawCautionSign() {
    const int size = GetSystemMetrics(SM_CXICON);
    return SystemIconBitmap(IDI_WARNING, size, size);
}

}  // namespace

ComPortResourcesDialog::ComPortResourcesDialog(ControlPanel& panel, forms::Form& view)
    : panel_(panel), view_(view), form_(ComXSetFormSpec()), model_(panel.block, panel.driver) {}

ComPortResourcesDialog::~ComPortResourcesDialog() {
    if (caution_) DeleteObject(caution_);
}

bool ComPortResourcesDialog::open() {
    if (!form_.load()) return false;
    caution_ = DrawCautionSign();
    form_["imgCaution"].setPicture(caution_);
    fillLists();
    render();
    PrepareDialog(form_, *panel_.main, panel_.config, panel_.branding);
    form_.on(EventType::Click, "cboIRQ", [this](Event& event) { onIrqChosen(event.index); });
    form_.on(EventType::Click, "cmdSave", [this](Event&) { onSave(); });
    form_.on(EventType::Click, "cmdOK", [this](Event&) { onOK(); });
    form_.on(EventType::Click, "cmdCancel", [this](Event&) { onCancel(); });
    form_.on(EventType::Unload, [this](Event&) {
        if (view_.loaded()) view_.show();
    });
    form_.show();
    return true;
}

void ComPortResourcesDialog::fillLists() {
    std::array<std::string, kResourcePorts> addresses = PortAddressTexts(panel_.block);
    for (int port = 1; port <= kResourcePorts; ++port) {
        forms::Control& addressList = form_.item("cboPort", port);
        for (const std::string& address : addresses) addressList.addItem(address);
        addressList.setListIndex(port - 1);
        forms::Control& irqList = form_.item("cboIRQ", port);
        for (const std::string& irq : IrqChoiceTexts()) irqList.addItem(irq);
    }
}

void ComPortResourcesDialog::render() {
    rendering_ = true;
    for (int port = 1; port <= kResourcePorts; ++port) {
        forms::Control& list = form_.item("cboIRQ", port);
        if (list.listIndex() != model_.selection(port)) list.setListIndex(model_.selection(port));
    }
    form_["cmdSave"].setEnabled(model_.saveEnabled());
    rendering_ = false;
}

void ComPortResourcesDialog::onIrqChosen(int port) {
    if (rendering_) return;
    model_.select(port, form_.item("cboIRQ", port).listIndex());
    render();
}

void ComPortResourcesDialog::onSave() {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    model_.save();
    render();
    forms::SetScreenPointer(forms::Pointer::Default);
}

void ComPortResourcesDialog::onOK() {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    model_.saveIfEnabled();
    form_.unload();
    forms::SetScreenPointer(forms::Pointer::Default);
}

void ComPortResourcesDialog::onCancel() {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    form_.unload();
    forms::SetScreenPointer(forms::Pointer::Default);
}
