// NXWLHCrb.exe: the right-button tool.
#include <windows.h>

#include "right_button_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    RightButtonWindow tool;
    return tool.run(showCommand);
}
