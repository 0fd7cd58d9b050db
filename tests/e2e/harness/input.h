// Input as a user gives it, through the system's input queue: presses of the mouse's buttons,
// drags, holds, list choices and keys. Under Wine a press is sometimes lost on its way (the first
// after the prefix has booted, one that lands while a window still moves); the helpers that
// press again say so in the log, "    wine: ... was lost; pressing again", as Wine differs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace e2e {

// How a press is given, combined with |: Press(exit, kRightButton | kShift | kCtrl | kAlt).
enum PressHow : unsigned {
    kLeftButton = 0,
    kRightButton = 1,
    kTwice = 2,  // a double click
    kShift = 4,
    kCtrl = 8,
    kAlt = 16,
};

// A press and release at a screen point. The pointer goes there first and the windows it left
// and entered have handled the move; each button event carries the point too, so a move Wine
// still had queued cannot send it elsewhere. Held keys go down after the move: Wine takes the
// modifier state from X at every pointer move.
void PressAt(POINT screenPoint, unsigned how = kLeftButton);
// A press in the middle of the control, its window brought forward first.
void Press(HWND control, unsigned how = kLeftButton);
// Presses the control until done() holds. A press that changed nothing is given again, at most
// three times: one after which the control is still there to press and untouched(), when given,
// still holds.
bool PressUntil(HWND control, const std::function<bool()>& done, unsigned how = kLeftButton,
                const std::function<bool()>& untouched = nullptr);

// Drops the named drop-down list down and presses its entry (by position or by text), as a user
// chooses; a choice Wine lost is made again. Fails with the reason when the choice did not hold.
testing::AssertionResult ChooseFromList(HWND window, const std::string& list, int index);
testing::AssertionResult ChooseFromList(HWND window, const std::string& list,
                                        const std::string& entry);

// The pointer moved through the input queue, so a held button stays held; waits until it is there.
void DragPointerTo(POINT screenPoint);
// A button going down or up (MOUSEEVENTF_LEFTDOWN, ...) at a point.
void ButtonAt(DWORD button, POINT screenPoint);
// A press at from, moves in steps to to, whileHeld() called before the release there.
void Drag(POINT from, POINT to, int steps, unsigned how = kLeftButton,
          const std::function<void()>& whileHeld = nullptr);
// A left press held for the time given and released at the same point, sent at once with time
// stamps of the recent past: the program sees the hold Windows reports, however busy the machine.
// With rightJoins the right button goes down after the left and up after it.
void HoldAt(POINT screenPoint, unsigned milliseconds, bool rightJoins = false);

void PressKey(WORD virtualKey, bool alt = false, bool control = false, bool shift = false);
void TypeText(const std::string& text);

// Brings the control's top-level window forward; true once it is the foreground window.
bool BringForward(HWND control);

}  // namespace e2e
