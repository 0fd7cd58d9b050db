// The startup program's program-wide state: its switches, the installation facts, the
// branding and the claim that makes it the only instance.
#pragma once

#include <optional>

#include "branding.h"
#include "command_line.h"
#include "config_store.h"
#include "form.h"
#include "registry_win32.h"
#include "single_instance.h"

struct StartupProgram {
    StartupFlags flags;
    ProgramConfig config;
    Win32Registry registry;
    Branding branding;

    // True when another instance runs; its window, found by the caption of this one, is
    // brought forward, or a box says it runs.
    bool anotherInstanceRuns(forms::Form& window);
    // Puts up the hourglass for the rest of the load; false after the box that says the
    // facts are missing.
    bool loadInstallation(const std::string& caption);

private:
    std::optional<SingleInstance> instance_;
};
