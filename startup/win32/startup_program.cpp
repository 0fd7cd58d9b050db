#include "startup_program.h"

#include "message_boxes.h"
#include "startup_texts.h"

bool StartupProgram::anotherInstanceRuns(forms::Form& window) {
    instance_.emplace("NXWLHCao.StartupProgram.Instance");
    if (!instance_->anotherRuns()) return false;
    if (!BringRunningInstanceForward(window.hwnd(), window.caption()))
        ShowErrorBox(kAlreadyRunningText, window.caption());
    return true;
}

bool StartupProgram::loadInstallation(const std::string& caption) {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    bool installed = LoadInstallInfo(registry, config);
    if (installed) return true;
    forms::SetScreenPointer(forms::Pointer::Default);
    ShowErrorBox(kRegisterFileFailText, caption);
    return false;
}
