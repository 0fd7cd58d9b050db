// A window of the forms runtime whose handlers fail on purpose: one throws, one names a
// control its table lacks. The runner checks that each failure is recorded and that the
// window goes on working.
#include <stdexcept>
#include <string>

#include "form.h"
#include "message_loop.h"

namespace {

const FormSpec kProbeForm{"frmProbe",
                          "Forms Probe",
                          4800,
                          1200,
                          {
                              {Kind::Button, "cmdThrow", {240, 240, 1335, 375}, "&Throw"},
                              {Kind::Button, "cmdMisspelt", {1695, 240, 1335, 375}, "&Misspelt"},
                              {Kind::Button, "cmdCount", {3150, 240, 1335, 375}, "&Count"},
                              {Kind::Label, "lblCount", {240, 780, 4245, 255}, "0"},
                          }};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    forms::Form form(kProbeForm);
    if (!form.load()) return 1;
    form.setQuitsProgram(true);
    int count = 0;
    form.on(forms::EventType::Click, "cmdThrow",
            [](forms::Event&) { throw std::runtime_error("the probe's handler failed"); });
    // each press misspells a name in another of the runtime's ways to reach a control
    int misspelt = 0;
    form.on(forms::EventType::Click, "cmdMisspelt", [&](forms::Event&) {
        switch (misspelt++ % 4) {
            case 0:
                form["lblCuont"].setCaption("never shown");
                break;
            case 1:
                form.on(forms::EventType::Click, "cmdCuont", [](forms::Event&) {});
                break;
            case 2:
                form.raise(forms::EventType::Click, "cmdCuont");
                break;
            default:
                form.controlArray("optCuont");
                break;
        }
    });
    form.on(forms::EventType::Click, "cmdCount",
            [&](forms::Event&) { form["lblCount"].setCaption(std::to_string(++count)); });
    ShowWindow(form.hwnd(), show);
    return forms::RunMessageLoop();
}
