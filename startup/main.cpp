// NXWLHCao.exe: the startup program. Without a switch it is the log-on run; "/SDC" opens the
// double-click settings and "/SAM" the automatic scan settings.
#include <windows.h>

#include "auto_scan_window.h"
#include "command_line.h"
#include "message_loop.h"
#include "own_program.h"
#include "startup_trace.h"
#include "startup_program.h"
#include "startup_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    StartupTrace trace;
    StartupProgram program;
    program.config.programFolder = OwnProgramFolder();
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
    // the banner painted before the run, which handles messages only in its closing pause
    RedrawWindow(main.form().hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    trace.mark("banner painted");
    trace.write();
    main.runLogon();
    main.form().unload();
    return 0;
}
