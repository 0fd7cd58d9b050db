// Failures a window survives: a handler that threw, a control name its table lacks. Each is
// told to the debugger; a debug-output viewer or the end-to-end runner reads it.
#pragma once

#include <exception>
#include <string>

namespace forms {

// Every recorded line starts with this.
constexpr char kFailurePrefix[] = "NXForms failure: ";

// where: "frmProbe.cmdThrow Click", "frmMain message 0x0111"; what: the exception's text.
void RecordFailure(const std::string& where, const std::string& what);

// Runs work; an exception it throws is recorded instead of leaving. False when one was thrown.
template <typename Work, typename Where>
bool RunRecorded(Work&& work, Where&& where) {
    try {
        work();
        return true;
    } catch (const std::exception& error) {
        RecordFailure(where(), error.what());
    } catch (...) {
        RecordFailure(where(), "an exception of an unknown type");
    }
    return false;
}

}  // namespace forms
