#include "tool_placement.h"

PixelRect ToolFrame(const PixelRect& workArea, PixelSize button, PixelSize chrome) {
    return {workArea.right - (button.width + chrome.width),
            workArea.bottom - (button.height + chrome.height), workArea.right, workArea.bottom};
}
