#include "question_note.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the box's own text
constexpr int kNoteId = 0x7C02;

}  // namespace

HWND AddQuestionNote(HWND box) {
    HWND text = GetDlgItem(box, kMessageTextId);
    if (text == nullptr) return nullptr;
    RECT textRect{};
    GetWindowRect(text, &textRect);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&textRect), 2);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0));
    HDC dc = GetDC(box);
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    if (old) SelectObject(dc, old);
    ReleaseDC(box, dc);
    int lineHeight = metrics.tmHeight + metrics.tmExternalLeading + 4;

    // the buttons move down by one line and the box grows by as much
    std::vector<HWND> buttons;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0) buttons.push_back(child);
    }
    int noteTop = textRect.bottom + 4;
    for (HWND button : buttons) {
        RECT at{};
        GetWindowRect(button, &at);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&at), 2);
        noteTop = std::max(noteTop, int(at.top));
        SetWindowPos(button, nullptr, at.left, at.top + lineHeight, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{}, client{};
    GetWindowRect(box, &frame);
    GetClientRect(box, &client);
    SetWindowPos(box, nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + lineHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND note = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, textRect.left,
                                noteTop, client.right - textRect.left - 8, lineHeight, box,
                                reinterpret_cast<HMENU>(INT_PTR(kNoteId)), nullptr, nullptr);
    if (note && font) SendMessageA(note, WM_SETFONT, WPARAM(font), TRUE);
    return note;
}
