// The hidden drawing test: opened from the main window, drawn on with the mouse.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "drawing_test_steps.h"
#include "e2e_test.h"

using namespace e2e;
using namespace drawing_steps;

namespace {

// A press at from, a drag in a few steps to to, and the release there.
void Drag(HWND canvas, POINT from, POINT to, bool right = false) {
    ClientToScreen(canvas, &from);
    ClientToScreen(canvas, &to);
    DragPointerTo(from);
    ButtonAt(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, from);
    for (int step = 1; step <= 8; ++step)
        DragPointerTo({from.x + (to.x - from.x) * step / 8, from.y + (to.y - from.y) * step / 8});
    ButtonAt(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, to);
}

bool Bordered(HWND control) {
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_BORDER);
}

}  // namespace

E2E_TEST(DrawingTest, OpensWithTheHiddenGestureDrawsAndGivesTheModeBack) {
    Panel panel;
    if (!CHECK(panel.main)) return;
    HWND window = panel.openWithGesture();
    if (!(CHECK(window) << "a right press on Exit with Shift, Ctrl and Alt opens the test")) return;
    CHECK(WaitUntil([&] { return !IsWindowVisible(panel.main); })) << "the main window hides";
    RECT frame;
    GetWindowRect(window, &frame);
    CHECK(frame.left == 0 && frame.top == 0 && frame.right == GetSystemMetrics(SM_CXSCREEN) &&
          frame.bottom == GetSystemMetrics(SM_CYSCREEN))
        << "the test fills the screen";
    CHECK(WaitUntil([&] { return panel.driver.block().ButtonMode == 4; }))
        << "drag-drop mode while the test is open";
    CHECK(ButtonModesSent(panel.driver) == std::vector<std::string>{"4"});
    CHECK_EQ(WindowText(FindControlByName(window, "cmdExit")), std::string("E&xit Test"));
    CHECK_EQ(WindowText(FindControlByName(window, "lblTitle")), std::string("TouchScreen Test"));
    HWND accuracy = FindControlByName(window, "cmdAccuracy");
    HWND clear = FindControlByName(window, "cmdClear");
    HWND exitButton = FindControlByName(window, "cmdExit");
    RECT a{}, c{}, x{};
    if (CHECK(accuracy && clear && exitButton)) {
        GetWindowRect(accuracy, &a);
        GetWindowRect(clear, &c);
        GetWindowRect(exitButton, &x);
        CHECK_EQ(WindowText(accuracy), std::string("&Accuracy"));
        CHECK(a.top == c.top && a.bottom == c.bottom && a.right - a.left == c.right - c.left)
            << "the third button has the size of the others";
        CHECK(std::abs((c.left - a.right) - (x.left - c.right)) <= 1)
            << "left of Clear, as far from it as Clear is from Exit";
    }

    HWND widthTwo = FindControlByName(window, "lblWidth(1)");
    HWND widthFour = FindControlByName(window, "lblWidth(3)");
    HWND blue = FindControlByName(window, "lblColor(3)");
    HWND red = FindControlByName(window, "lblColor(1)");
    HWND left = FindControlByName(window, "lblButton(0)");
    HWND right = FindControlByName(window, "lblButton(2)");
    HWND canvas = FindControlByName(window, "picHome");
    if (!CHECK(widthTwo && widthFour && blue && red && left && right && canvas)) return;
    CHECK(WaitUntil([&] { return IsColour(PixelOf(widthTwo, 2, 2), RGB(64, 64, 64)); }))
        << "width 2 is chosen";
    CHECK(IsColour(PixelOf(widthFour, 2, 2), RGB(224, 224, 224)));
    CHECK(Bordered(blue) && !Bordered(red)) << "blue is chosen";
    CHECK(!IsColour(PixelOf(left, 2, 2), RGB(255, 255, 0))) << "no button is held";
    SaveScreenshot(window, "drawing_test");

    POINT start{100, 100}, end{300, 100};
    ClientToScreen(canvas, &start);
    DragPointerTo(start);
    ButtonAt(MOUSEEVENTF_LEFTDOWN, start);
    CHECK(WaitUntil([&] { return IsColour(PixelOf(left, 2, 2), RGB(255, 255, 0)); }))
        << "\"L\" lights while the left button is held";
    ClientToScreen(canvas, &end);
    for (int step = 1; step <= 8; ++step)
        DragPointerTo({start.x + (end.x - start.x) * step / 8, start.y});
    ButtonAt(MOUSEEVENTF_LEFTUP, end);
    CHECK(WaitUntil([&] { return !IsColour(PixelOf(left, 2, 2), RGB(255, 255, 0)); }))
        << "and goes dark when it comes up";
    CHECK(WaitUntil([&] { return PixelOf(canvas, 200, 100) == RGB(0, 0, 255); }))
        << "a blue line along the drag";
    CHECK_EQ(PixelOf(canvas, 200, 110), RGB(255, 255, 255)) << "and nothing beside it";

    CHECK(PressUntil(red, [&] { return Bordered(red) && !Bordered(blue); })) << "red is chosen";
    CHECK(PressUntil(widthFour, [&] {
        return IsColour(PixelOf(widthFour, 2, 2), RGB(64, 64, 64));
    })) << "width 4 is chosen";
    CHECK(IsColour(PixelOf(widthTwo, 2, 2), RGB(224, 224, 224)));
    CHECK(Bordered(red)) << "the colour stays";
    Drag(canvas, {400, 50}, {400, 250}, true);
    CHECK(WaitUntil([&] { return PixelOf(canvas, 400, 150) == RGB(255, 0, 0); }))
        << "any button draws: a red line from the right button";
    CHECK(PixelOf(canvas, 401, 150) == RGB(255, 0, 0) ||
          PixelOf(canvas, 399, 150) == RGB(255, 0, 0))
        << "four pixels wide";
    CHECK(WaitUntil([&] { return !IsColour(PixelOf(right, 2, 2), RGB(255, 255, 0)); }))
        << "\"R\" is dark again";
    POINT dot{600, 300};
    ClientToScreen(canvas, &dot);
    DragPointerTo(dot);
    ButtonAt(MOUSEEVENTF_LEFTDOWN, dot);
    ButtonAt(MOUSEEVENTF_LEFTUP, dot);
    CHECK(WaitUntil([&] { return PixelOf(canvas, 600, 300) == RGB(255, 0, 0); }))
        << "a tap leaves a dot";
    CHECK_EQ(PixelOf(canvas, 200, 100), RGB(0, 0, 255)) << "the first line is still there";
    // a stroke begun right after a tap on the same spot: the quick second press is no double
    // click, it starts the stroke
    POINT from{702, 400}, to{800, 400};
    ClientToScreen(canvas, &from);
    ClientToScreen(canvas, &to);
    DragPointerTo(from);
    ButtonAt(MOUSEEVENTF_LEFTDOWN, from);
    ButtonAt(MOUSEEVENTF_LEFTUP, from);
    ButtonAt(MOUSEEVENTF_LEFTDOWN, from);
    DragPointerTo(to);
    ButtonAt(MOUSEEVENTF_LEFTUP, to);
    CHECK(WaitUntil([&] { return PixelOf(canvas, 760, 400) == RGB(255, 0, 0); }))
        << "the stroke after a quick tap is drawn";
    SaveScreenshot(window, "drawing_test_drawn");

    CHECK(PressUntil(FindControlByName(window, "cmdClear"), [&] {
        return PixelOf(canvas, 200, 100) == RGB(255, 255, 255) &&
               PixelOf(canvas, 400, 150) == RGB(255, 255, 255) &&
               PixelOf(canvas, 600, 300) == RGB(255, 255, 255);
    })) << "Clear wipes the canvas";
    CHECK(Bordered(red)) << "and keeps the pen";
    Drag(canvas, {100, 400}, {200, 400});
    CHECK(WaitUntil([&] { return PixelOf(canvas, 150, 400) == RGB(255, 0, 0); }))
        << "the pen is still red after Clear";

    CHECK(PressUntil(FindControlByName(window, "cmdExit"), [&] { return !IsWindow(window); }))
        << "Exit Test closes the test";
    CHECK(WaitUntil([&] { return IsWindowVisible(panel.main); })) << "and brings the main window";
    CHECK_EQ(int(panel.driver.block().ButtonMode), 2) << "the user's touch mode again";
    CHECK(ButtonModesSent(panel.driver) == (std::vector<std::string>{"4", "2"}));
}

E2E_TEST(DrawingTest, TheGestureWithAKeyMissingOpensNothing) {
    Panel panel;
    if (!CHECK(panel.main)) return;
    HWND exit = FindControlByName(panel.main, "cmdExit");
    HWND window = panel.openWithGesture();  // the gesture's clicks reach the window
    if (!CHECK(window)) return;
    CHECK(WaitUntil([&] { return panel.driver.block().ButtonMode == 4; })) << "activated";
    CHECK(PressUntil(FindControlByName(window, "cmdExit"), [&] { return !IsWindow(window); }));
    CHECK(WaitUntil([&] { return IsWindowVisible(panel.main); }));
    panel.driver.clearLog();
    ClickWithKeys(exit, true, true, true, false);
    CHECK(!WaitForTopWindow(kCaption, 1500)) << "no drawing test without Alt";
    CHECK(IsWindowVisible(panel.main));
    CHECK(ButtonModesSent(panel.driver).empty());
}
