// A picture box that keeps what is drawn on it, so a message box or another window passing
// over it takes nothing away. Coordinates are the picture's client pixels; boxes are inclusive.
#pragma once

#include <windows.h>

#include <string>

#include "calibration_targets.h"
#include "form.h"

class PictureCanvas {
public:
    // The picture must already have its window (the form is loaded).
    explicit PictureCanvas(forms::Control& picture);
    ~PictureCanvas();
    PictureCanvas(const PictureCanvas&) = delete;
    PictureCanvas& operator=(const PictureCanvas&) = delete;

    void line(int x1, int y1, int x2, int y2, COLORREF colour, int width = 1);
    void box(int left, int top, int right, int bottom, COLORREF colour);
    void fill(int left, int top, int right, int bottom, COLORREF colour);
    // A single point of the given width: a round dot centred on (x, y).
    void dot(int x, int y, COLORREF colour, int width);
    // Text in the system's GUI font over what is drawn, its bottom-right corner at (x, y).
    void text(int x, int y, const std::string& text, COLORREF colour);
    // Everything drawn is wiped to the picture's back colour.
    void clear();

private:
    bool onMessage(UINT message, LRESULT& result);
    void fitToWindow();
    COLORREF background() const;
    void changed(int left, int top, int right, int bottom, int margin);
    void detach();

    forms::Control& picture_;
    HWND window_ = nullptr;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// A target's cross: a red square with a black cross when shown, all white when erased.
void DrawCrossMark(PictureCanvas& canvas, const CrossMark& mark, bool shown);
