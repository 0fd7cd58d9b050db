#include "message_layout.h"

TwipsPosition MessageWindowPosition(TwipsSize screen, TwipsSize window) {
    int64_t left = (int64_t(screen.width) - window.width) / 2;
    int64_t top = int64_t(screen.height) * 85 / 200 - window.height / 2;
    return {int32_t(left), int32_t(top)};
}

int32_t CentredTop(int32_t clientHeight, int32_t controlHeight) {
    return int32_t((int64_t(clientHeight) - controlHeight) / 2);
}

void BusyCounter::raise() {
    if (count_ < UINT16_MAX) ++count_;
}

bool BusyCounter::lower() {
    if (count_ == 0) return false;
    return --count_ == 0;
}
