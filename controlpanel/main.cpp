// NXWLHCcp.exe: the control panel.
#include <windows.h>

#include "control_panel.h"
#include "form.h"
#include "main_window.h"
#include "message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ControlPanel panel;
    MainWindow main(panel);
    if (!main.load()) return 0;
    return forms::RunMessageLoop();
}
