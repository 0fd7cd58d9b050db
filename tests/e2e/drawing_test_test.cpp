// The hidden drawing test: opened from the main window, drawn on with the mouse.
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "drawing_test_steps.h"
#include "e2e_test.h"

using namespace e2e;
using namespace drawing_steps;

namespace {

class DrawingTest : public DrawingSteps {};

// A press at from, a drag in eight steps to to, and the release there, on the canvas.
void DrawOn(HWND canvas, POINT from, POINT to, unsigned how = kLeftButton,
            const std::function<void()>& whileHeld = nullptr) {
    ClientToScreen(canvas, &from);
    ClientToScreen(canvas, &to);
    Drag(from, to, 8, how, whileHeld);
}

bool Bordered(HWND control) {
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_BORDER);
}

}  // namespace

TEST_F(DrawingTest, OpensWithTheHiddenGestureDrawsAndGivesTheModeBack) {
    ASSERT_TRUE(Start(UserButtonMode));
    HWND window = OpenWithGesture();
    ASSERT_TRUE(window) << "a right press on Exit with Shift, Ctrl and Alt opens the test";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); })) << "the main window hides";
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_TRUE(frame.left == 0 && frame.top == 0 && frame.right == GetSystemMetrics(SM_CXSCREEN) &&
                frame.bottom == GetSystemMetrics(SM_CYSCREEN))
        << "the test fills the screen";
    EXPECT_TRUE(WaitUntil([&] { return driver.block().ButtonMode == 4; }))
        << "drag-drop mode while the test is open";
    EXPECT_TRUE(ButtonModesSent(driver) == std::vector<std::string>{"4"});
    EXPECT_EQ(WindowText(FindControlByName(window, "cmdExit")), "E&xit Test");
    EXPECT_EQ(WindowText(FindControlByName(window, "lblTitle")), "TouchScreen Test");
    HWND accuracy = FindControlByName(window, "cmdAccuracy");
    HWND clear = FindControlByName(window, "cmdClear");
    HWND exitButton = FindControlByName(window, "cmdExit");
    RECT a{}, c{}, x{};
    EXPECT_TRUE(accuracy && clear && exitButton);
    if (accuracy && clear && exitButton) {
        GetWindowRect(accuracy, &a);
        GetWindowRect(clear, &c);
        GetWindowRect(exitButton, &x);
        EXPECT_EQ(WindowText(accuracy), "&Accuracy");
        EXPECT_TRUE(a.top == c.top && a.bottom == c.bottom && a.right - a.left == c.right - c.left)
            << "the third button has the size of the others";
        EXPECT_TRUE(std::abs((c.left - a.right) - (x.left - c.right)) <= 1)
            << "left of Clear, as far from it as Clear is from Exit";
    }

    HWND widthTwo = FindControlByName(window, "lblWidth(1)");
    HWND widthFour = FindControlByName(window, "lblWidth(3)");
    HWND blue = FindControlByName(window, "lblColor(3)");
    HWND red = FindControlByName(window, "lblColor(1)");
    HWND left = FindControlByName(window, "lblButton(0)");
    HWND right = FindControlByName(window, "lblButton(2)");
    HWND canvas = FindControlByName(window, "picHome");
    ASSERT_TRUE(widthTwo && widthFour && blue && red && left && right && canvas);
    EXPECT_TRUE(WaitUntil([&] { return IsColour(PixelOf(widthTwo, 2, 2), RGB(64, 64, 64)); }))
        << "width 2 is chosen";
    EXPECT_TRUE(IsColour(PixelOf(widthFour, 2, 2), RGB(224, 224, 224)));
    EXPECT_TRUE(Bordered(blue) && !Bordered(red)) << "blue is chosen";
    EXPECT_FALSE(IsColour(PixelOf(left, 2, 2), RGB(255, 255, 0))) << "no button is held";
    SaveScreenshot(window, "drawing_test");

    DrawOn(canvas, {100, 100}, {300, 100}, kLeftButton, [&] {
        EXPECT_TRUE(WaitUntil([&] { return IsColour(PixelOf(left, 2, 2), RGB(255, 255, 0)); }))
            << "\"L\" lights while the left button is held";
    });
    EXPECT_TRUE(WaitUntil([&] { return !IsColour(PixelOf(left, 2, 2), RGB(255, 255, 0)); }))
        << "and goes dark when it comes up";
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(canvas, 200, 100) == RGB(0, 0, 255); }))
        << "a blue line along the drag";
    EXPECT_EQ(PixelOf(canvas, 200, 110), RGB(255, 255, 255)) << "and nothing beside it";

    EXPECT_TRUE(PressUntil(red, [&] { return Bordered(red) && !Bordered(blue); }))
        << "red is chosen";
    EXPECT_TRUE(PressUntil(widthFour, [&] {
        return IsColour(PixelOf(widthFour, 2, 2), RGB(64, 64, 64));
    })) << "width 4 is chosen";
    EXPECT_TRUE(IsColour(PixelOf(widthTwo, 2, 2), RGB(224, 224, 224)));
    EXPECT_TRUE(Bordered(red)) << "the colour stays";
    DrawOn(canvas, {400, 50}, {400, 250}, kRightButton);
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(canvas, 400, 150) == RGB(255, 0, 0); }))
        << "any button draws: a red line from the right button";
    EXPECT_TRUE(PixelOf(canvas, 401, 150) == RGB(255, 0, 0) ||
                PixelOf(canvas, 399, 150) == RGB(255, 0, 0))
        << "four pixels wide";
    EXPECT_TRUE(WaitUntil([&] { return !IsColour(PixelOf(right, 2, 2), RGB(255, 255, 0)); }))
        << "\"R\" is dark again";
    POINT dot{600, 300};
    ClientToScreen(canvas, &dot);
    DragPointerTo(dot);
    ButtonAt(MOUSEEVENTF_LEFTDOWN, dot);
    ButtonAt(MOUSEEVENTF_LEFTUP, dot);
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(canvas, 600, 300) == RGB(255, 0, 0); }))
        << "a tap leaves a dot";
    EXPECT_EQ(PixelOf(canvas, 200, 100), RGB(0, 0, 255)) << "the first line is still there";
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
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(canvas, 760, 400) == RGB(255, 0, 0); }))
        << "the stroke after a quick tap is drawn";
    SaveScreenshot(window, "drawing_test_drawn");

    EXPECT_TRUE(PressUntil(FindControlByName(window, "cmdClear"), [&] {
        return PixelOf(canvas, 200, 100) == RGB(255, 255, 255) &&
               PixelOf(canvas, 400, 150) == RGB(255, 255, 255) &&
               PixelOf(canvas, 600, 300) == RGB(255, 255, 255);
    })) << "Clear wipes the canvas";
    EXPECT_TRUE(Bordered(red)) << "and keeps the pen";
    DrawOn(canvas, {100, 400}, {200, 400});
    EXPECT_TRUE(WaitUntil([&] { return PixelOf(canvas, 150, 400) == RGB(255, 0, 0); }))
        << "the pen is still red after Clear";

    EXPECT_TRUE(PressUntil(FindControlByName(window, "cmdExit"), [&] { return !IsWindow(window); }))
        << "Exit Test closes the test";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); })) << "and brings the main window";
    EXPECT_EQ(int(driver.block().ButtonMode), 2) << "the user's touch mode again";
    EXPECT_TRUE(ButtonModesSent(driver) == (std::vector<std::string>{"4", "2"}));
}

TEST_F(DrawingTest, ALogOffOrALockGivesTheUsersModeBack) {
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
        bool closes;
    } events[] = {{"log-off", WM_ENDSESSION, TRUE, false}, {"lock", WM_WTSSESSION_CHANGE, 7, true}};
    for (const auto& event : events) {
        SCOPED_TRACE(event.what);
        ASSERT_TRUE(Start(UserButtonMode));
        HWND window = OpenWithGesture();
        ASSERT_TRUE(window);
        ASSERT_TRUE(WaitUntil([&] { return driver.block().ButtonMode == 4; }));
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(window, event.message, event.wParam, 0, SMTO_NORMAL, 5000, &answer);
        EXPECT_EQ(int(driver.block().ButtonMode), 2) << "given back before the message returns";
        if (event.closes) {
            EXPECT_TRUE(WaitForWindowGone(window, 5000)) << "the test closes";
            EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); }));
        }
    }
}

TEST_F(DrawingTest, TheGestureWithAKeyMissingOpensNothing) {
    ASSERT_TRUE(Start(UserButtonMode));
    HWND exit = FindControlByName(main, "cmdExit");
    HWND window = OpenWithGesture();  // the gesture's clicks reach the window
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitUntil([&] { return driver.block().ButtonMode == 4; })) << "activated";
    EXPECT_TRUE(
        PressUntil(FindControlByName(window, "cmdExit"), [&] { return !IsWindow(window); }));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); }));
    driver.clearLog();
    Press(exit, kRightButton | kShift | kCtrl);
    EXPECT_FALSE(WaitForTopWindow(kCaption, 1500)) << "no drawing test without Alt";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(ButtonModesSent(driver).empty());
}
