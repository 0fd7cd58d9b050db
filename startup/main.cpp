// NXWLHCao.exe: the startup program. Without a switch it is the log-on run; "/SDC" opens the
// double-click settings and "/SAM" the automatic scan settings.
#include <windows.h>

#include "auto_scan_window.h"
#include "command_line.h"
#include "message_loop.h"
#include "startup_program.h"
#include "startup_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    StartupProgram program;
    // the runtime's own argument text drops every leading blank; the switch must stand alone
    program.flags = ParseStartupFlags(CommandArguments(GetCommandLineA()));
    StartupWindow main(program);
    if (!main.load()) return 0;
    if (program.flags.doubleClick) {
        main.form().show();
        return forms::RunMessageLoop();
    }
    if (program.flags.autoScan) {
        main.form().unload();
        AutoScanWindow scan(program);
        if (!scan.load()) return 0;
        return forms::RunMessageLoop();
    }
    main.form().show();
    main.runLogon();
    main.form().unload();
    return 0;
}
