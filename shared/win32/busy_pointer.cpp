#include "busy_pointer.h"

#include "form.h"
#include "message_layout.h"

namespace {

// The one counter the program's windows share.
BusyCounter& ProgramBusyCounter() {
    static BusyCounter counter;
    return counter;
}

}  // namespace

BusyPointer::BusyPointer() {
    ProgramBusyCounter().raise();
    forms::SetScreenPointer(forms::Pointer::Hourglass);
}

BusyPointer::~BusyPointer() {
    if (ProgramBusyCounter().lower()) forms::SetScreenPointer(forms::Pointer::Default);
}
