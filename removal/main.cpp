// NXWLHCde.exe: the removal program.
#include <windows.h>

#include "message_loop.h"
#include "removal_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RemovalWindow removal;
    if (!removal.load()) return 0;
    return forms::RunMessageLoop();
}
