#include "window_search.h"

uintptr_t FindRunningWindow(uintptr_t ownWindow, const std::string& caption,
                            const std::vector<TopLevelWindow>& windows) {
    for (const TopLevelWindow& window : windows) {
        if (window.handle == ownWindow || window.hasParent) continue;
        // An untitled window never counts, not even when the caption sought is empty.
        if (window.title.empty()) continue;
        if (window.title.compare(0, kTitleReadLimit, caption) == 0) return window.handle;
    }
    return 0;
}
