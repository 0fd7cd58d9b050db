#include "serial_port_view.h"

#include "com_port_resources_dialog.h"
#include "frm_serial_port.h"
#include "serial_port_view_model.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

SerialPortView::SerialPortView(ControlPanel& panel) : panel_(panel), form_(SerialPortFormSpec()) {}

bool SerialPortView::open() {
    if (!form_.load()) return false;
    PrepareDialog(form_, *panel_.main, panel_.config, panel_.branding);
    form_.setKeyPreview(true);
    form_.on(EventType::Activate, [this](Event&) { render(); });
    form_.on(EventType::Click, "cmdOK", [this](Event&) { onOK(); });
    form_.on(EventType::Click, "cmdSetup", [this](Event&) { onSetup(); });
    form_.on(EventType::KeyDown, [this](Event& event) {
        if (!IsSetupKey(event.key, event.shift)) return;
        event.key = 0;
        form_.raise(EventType::Click, "cmdSetup");
    });
    form_.on(EventType::Unload, [this](Event&) { ReturnToMainWindow(*panel_.main); });
    render();
    form_.show();
    return true;
}

void SerialPortView::render() {
    SerialPortRows rows = SerialPortRowsOf(panel_.block, panel_.ports);
    for (int n = 1; n <= int(rows.size()); ++n) {
        const SerialPortRow& row = rows[n - 1];
        forms::Control& port = form_.item("lblCOM", n);
        forms::Control& device = form_.item("lblDEVICE", n);
        forms::Control& option = form_.item("optDetected", n);
        port.setCaption(row.portText);
        port.setForeColour(row.colour);
        device.setCaption(row.deviceText);
        device.setForeColour(row.colour);
        option.setEnabled(row.detected);
        option.setValue(row.detected ? 1 : 0);
    }
}

void SerialPortView::onOK() {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    form_.unload();
    forms::SetScreenPointer(forms::Pointer::Default);
}

void SerialPortView::onSetup() {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    if (resources_.open(std::make_unique<ComPortResourcesDialog>(panel_, form_))) form_.hide();
    forms::SetScreenPointer(forms::Pointer::Default);
}

void BindSerialPortView(ControlPanel& panel, forms::Form& main) {
    main.on(EventType::Click, "cmdSerialPort",
            [&panel](Event&) { panel.openOverMain(std::make_unique<SerialPortView>(panel)); });
}
