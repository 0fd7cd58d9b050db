// NXWLHCcp.exe: the control panel.
#include <windows.h>

#include "control_panel.h"
#include "control_panel_start.h"
#include "form.h"
#include "main_window.h"
#include "message_loop.h"
#include "own_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    ControlPanel panel;
    panel.config.programFolder = OwnProgramFolder();
    panel.calibrateOnly = IsCalibrateSwitch(arguments ? arguments : "");
    MainWindow main(panel);
    if (!main.load()) return 0;
    panel.trace.mark("placed and shown");
    // the status lines painted before anything else is handled
    RedrawWindow(main.form().hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    panel.trace.mark("painted");
    panel.trace.write();
    return forms::RunMessageLoop();
}
