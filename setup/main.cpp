// NXWLHCdi.exe: the last step of an installation.
#include <windows.h>

#include "own_program.h"
#include "registry_win32.h"
#include "setup_sequence.h"
#include "setup_window_host.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    SetupWindowHost host;
    Win32Registry registry;
    return ExitCodeFor(RunSetup(host, registry, arguments ? arguments : "", OwnProgramFolder()));
}
