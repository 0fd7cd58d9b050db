// Which running window a second start of a program brings forward: the decision only; the
// Win32 side lists the top-level windows and acts on the answer.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

struct TopLevelWindow {
    uintptr_t handle;  // opaque, as the window system gives it
    bool hasParent;
    std::string title;  // whole title; the search reads only its start
};

// The title is read into a 128-character buffer, so only this much of it takes part.
constexpr size_t kTitleReadLimit = 127;

// windows in Z order from the first top-level window; 0 when none matches.
uintptr_t FindRunningWindow(uintptr_t ownWindow, const std::string& caption,
                            const std::vector<TopLevelWindow>& windows);
