#include "input.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "desktop.h"
#include "wait.h"

namespace e2e {
namespace {

void SendInputs(std::vector<INPUT> inputs) {
    if (inputs.empty()) return;
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpFor(30);  // let the input reach the target's queue before the next step looks
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// The modifier keys of a press going down, or coming up in the opposite order.
std::vector<INPUT> ModifierKeys(unsigned how, bool up) {
    std::vector<INPUT> keys;
    for (auto [flag, key] : {std::pair{kShift, VK_SHIFT}, {kCtrl, VK_CONTROL}, {kAlt, VK_MENU}})
        if (how & flag) keys.push_back(KeyInput(WORD(key), up));
    if (up) std::reverse(keys.begin(), keys.end());
    return keys;
}

// A mouse event that carries its own position: one sent after a separate move can land where
// the pointer was before, when the move's event arrives late.
INPUT MouseInput(POINT point, DWORD buttons) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // the middle of the pixel: the system takes the pixel its scaled position falls in
    input.mi.dx = LONG((point.x * 65536LL + 32768) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = LONG((point.y * 65536LL + 32768) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    return input;
}

bool PointerAt(POINT point) {
    POINT at{};
    return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
}

// Waits until the thread of the window under the point has handled what was sent to it: the
// pointer's earlier moves reach a program as X events it turns into moves of its own, and one
// handled late puts the pointer back where it was.
void SettleWindowAt(POINT point) {
    HWND under = WindowFromPoint(point);
    HWND top = under ? GetAncestor(under, GA_ROOT) : nullptr;
    DWORD_PTR answer = 0;
    if (top) SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer);
}

void MovePointerTo(POINT point) {
    POINT before{};
    GetCursorPos(&before);
    for (int tries = 0; tries < 5; ++tries) {
        SettleWindowAt(before);
        SetCursorPos(point.x, point.y);
        WaitUntil([&] { return PointerAt(point); }, 2000);
        SettleWindowAt(before);
        SettleWindowAt(point);
        if (PointerAt(point)) return;
    }
}

POINT MiddleOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void SayLost(const std::string& what, const char* again) {
    std::printf("    wine: %s was lost; %s again\n", what.c_str(), again);
    std::fflush(stdout);
}

std::string Describe(HWND control) {
    std::string name = ControlName(control);
    return name.empty() ? "\"" + WindowText(control) + "\"" : name;
}

// Waits until the window holds still: under Wine a dropped list may still move after it shows,
// and a press on it then lands beside the entry.
void WaitUntilStill(HWND window) {
    RECT was{}, now{};
    WaitUntil([&] {
        was = now;
        PumpFor(40);
        GetWindowRect(window, &now);
        return EqualRect(&was, &now) != 0;
    });
}

testing::AssertionResult Choose(HWND window, const std::string& name, int index,
                                const std::string& entry) {
    HWND list = FindControlByName(window, name);
    if (!list) return testing::AssertionFailure() << "the window holds no list " << name;
    for (int attempt = 1;; ++attempt) {
        HWND dropped = nullptr;
        if (!PressUntil(list, [&] { return (dropped = DroppedList()) != nullptr; }))
            return testing::AssertionFailure() << name << " does not drop down";
        WaitUntilStill(dropped);
        int height = int(SendMessageA(dropped, LB_GETITEMHEIGHT, 0, 0));
        int top = int(SendMessageA(dropped, LB_GETTOPINDEX, 0, 0));
        RECT client;
        GetClientRect(dropped, &client);
        if (height > 0 && (index - top + 1) * height > client.bottom) {
            SendMessageA(dropped, LB_SETTOPINDEX, WPARAM(index), 0);  // as the wheel scrolls it
            top = int(SendMessageA(dropped, LB_GETTOPINDEX, 0, 0));
        }
        POINT at{client.right / 2, (index - top) * height + height / 2};
        ClientToScreen(dropped, &at);
        PressAt(at);
        if (WaitUntil([&] { return !IsWindowVisible(dropped) && ListIndex(window, name) == index; },
                      3000))
            return testing::AssertionSuccess();
        if (attempt == 3)
            return testing::AssertionFailure()
                   << "choosing " << entry << " in " << name << " left entry "
                   << ListIndex(window, name) << " chosen";
        SayLost("the choice of " + entry + " in " + name, "choosing");
        if (IsWindowVisible(dropped)) PressKey(VK_ESCAPE);
        WaitUntil([&] { return !IsWindowVisible(dropped); });
    }
}

}  // namespace

bool BringForward(HWND control) {
    HWND top = GetAncestor(control, GA_ROOT);
    SetForegroundWindow(top);
    return WaitUntil([&] { return GetForegroundWindow() == top; });
}

void PressAt(POINT point, unsigned how) {
    MovePointerTo(point);
    std::vector<INPUT> keysDown = ModifierKeys(how, false);
    if (!keysDown.empty()) {
        // the move's own resync of the modifier keys must be over before they go down
        PumpFor(250);
        SendInputs(keysDown);
    }
    DWORD down = how & kRightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    DWORD up = how & kRightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    std::vector<INPUT> buttons;
    for (int i = 0; i < (how & kTwice ? 4 : 2); ++i)
        buttons.push_back(MouseInput(point, i % 2 ? up : down));
    SendInputs(buttons);
    SendInputs(ModifierKeys(how, true));
}

void Press(HWND control, unsigned how) {
    BringForward(control);
    PressAt(MiddleOf(control), how);
}

bool PressUntil(HWND control, const std::function<bool()>& done, unsigned how,
                const std::function<bool()>& untouched) {
    for (int press = 1; control; ++press) {
        Press(control, how);
        if (WaitUntil(done)) return true;
        bool lost = press < 3 && IsWindowVisible(control) && IsWindowEnabled(control) &&
                    (!untouched || untouched());
        if (!lost) return WaitUntil(done, 2 * kDefaultTimeoutMs);
        SayLost("the press on " + Describe(control), "pressing");
    }
    return false;
}

testing::AssertionResult ChooseFromList(HWND window, const std::string& list, int index) {
    std::vector<std::string> entries = ListEntries(window, list);
    bool named = index >= 0 && size_t(index) < entries.size();
    return Choose(window, list, index, named ? entries[size_t(index)] : std::to_string(index));
}

testing::AssertionResult ChooseFromList(HWND window, const std::string& list,
                                        const std::string& entry) {
    std::vector<std::string> entries = ListEntries(window, list);
    auto found = std::find(entries.begin(), entries.end(), entry);
    if (found == entries.end())
        return testing::AssertionFailure()
               << list << " offers no " << entry << " among" << Lines(entries);
    return Choose(window, list, int(found - entries.begin()), entry);
}

void DragPointerTo(POINT point) {
    INPUT input = MouseInput(point, 0);
    SendInput(1, &input, sizeof input);
    PumpFor(20);
    WaitUntil(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && std::abs(at.x - point.x) <= 1 &&
                   std::abs(at.y - point.y) <= 1;
        },
        2000);
}

void ButtonAt(DWORD button, POINT point) {
    INPUT input = MouseInput(point, button);
    SendInput(1, &input, sizeof input);
    PumpFor(20);
}

void Drag(POINT from, POINT to, int steps, unsigned how, const std::function<void()>& whileHeld) {
    bool right = how & kRightButton;
    DragPointerTo(from);
    ButtonAt(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, from);
    for (int step = 1; step <= steps; ++step)
        DragPointerTo(
            {from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps});
    if (whileHeld) whileHeld();
    ButtonAt(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, to);
}

void HoldAt(POINT point, unsigned milliseconds, bool rightJoins) {
    MovePointerTo(point);
    std::vector<INPUT> inputs = {MouseInput(point, MOUSEEVENTF_LEFTDOWN),
                                 MouseInput(point, MOUSEEVENTF_LEFTUP)};
    if (rightJoins) {
        inputs.insert(inputs.begin() + 1, MouseInput(point, MOUSEEVENTF_RIGHTDOWN));
        inputs.push_back(MouseInput(point, MOUSEEVENTF_RIGHTUP));
    }
    // the release a little before now: no program takes the touch for one yet to come
    DWORD released = GetTickCount() - 10;
    for (size_t i = 0; i < inputs.size(); ++i)
        inputs[i].mi.time = i < inputs.size() / 2 ? released - milliseconds : released;
    SendInputs(inputs);
}

void PressKey(WORD key, bool alt, bool control, bool shift) {
    unsigned how = (alt ? kAlt : 0u) | (control ? kCtrl : 0u) | (shift ? kShift : 0u);
    std::vector<INPUT> inputs = ModifierKeys(how, false);
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (const INPUT& input : ModifierKeys(how, true)) inputs.push_back(input);
    SendInputs(inputs);
}

void TypeText(const std::string& text) {
    for (char c : text) {
        std::vector<INPUT> inputs(2);
        for (int i = 0; i < 2; ++i) {
            inputs[i].type = INPUT_KEYBOARD;
            inputs[i].ki.wScan = static_cast<unsigned char>(c);
            inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInputs(inputs);
    }
}

}  // namespace e2e
