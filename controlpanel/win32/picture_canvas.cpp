#include "picture_canvas.h"

#include <algorithm>

PictureCanvas::PictureCanvas(forms::Control& picture) : picture_(picture), window_(picture.hwnd()) {
    if (window_ == nullptr) return;
    HDC screen = GetDC(window_);
    memory_ = CreateCompatibleDC(screen);
    ReleaseDC(window_, screen);
    fitToWindow();
    picture_.setMessageFilter([this](UINT message, WPARAM, LPARAM, LRESULT& result) {
        return onMessage(message, result);
    });
}

PictureCanvas::~PictureCanvas() {
    detach();
    if (memory_) {
        if (original_) SelectObject(memory_, original_);
        DeleteDC(memory_);
    }
    if (bitmap_) DeleteObject(bitmap_);
}

void PictureCanvas::detach() {
    if (window_ == nullptr) return;
    picture_.setMessageFilter(nullptr);
    window_ = nullptr;
}

COLORREF PictureCanvas::background() const {
    uint32_t colour = picture_.backColour();
    return colour == kSystemColour ? GetSysColor(COLOR_BTNFACE) : COLORREF(colour);
}

// The bitmap follows the picture's size; what was drawn stays where it was.
void PictureCanvas::fitToWindow() {
    if (window_ == nullptr || memory_ == nullptr) return;
    RECT client{};
    GetClientRect(window_, &client);
    int width = std::max<int>(client.right, 1), height = std::max<int>(client.bottom, 1);
    if (bitmap_ && width == width_ && height == height_) return;
    HDC screen = GetDC(window_);
    HBITMAP resized = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(window_, screen);
    HDC target = CreateCompatibleDC(memory_);
    HGDIOBJ old = SelectObject(target, resized);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(background());
    FillRect(target, &all, brush);
    DeleteObject(brush);
    if (bitmap_) BitBlt(target, 0, 0, width_, height_, memory_, 0, 0, SRCCOPY);
    SelectObject(target, old);
    DeleteDC(target);
    HGDIOBJ previous = SelectObject(memory_, resized);
    if (original_ == nullptr) original_ = previous;
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = resized;
    width_ = width;
    height_ = height;
}

void PictureCanvas::changed(int left, int top, int right, int bottom, int margin) {
    if (window_ == nullptr) return;
    RECT area{std::min(left, right) - margin, std::min(top, bottom) - margin,
              std::max(left, right) + margin + 1, std::max(top, bottom) + margin + 1};
    // the labels and pictures inside repaint over the drawing, as they would over a background
    RedrawWindow(window_, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void PictureCanvas::line(int x1, int y1, int x2, int y2, COLORREF colour, int width) {
    if (memory_ == nullptr) return;
    width = std::max(width, 1);
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ old = SelectObject(memory_, pen);
    MoveToEx(memory_, x1, y1, nullptr);
    LineTo(memory_, x2, y2);
    SelectObject(memory_, old);
    DeleteObject(pen);
    // LineTo leaves out the last point; the design's lines end on it
    if (width == 1)
        SetPixel(memory_, x2, y2, colour);
    else
        dot(x2, y2, colour, width);
    changed(x1, y1, x2, y2, width);
}

void PictureCanvas::box(int left, int top, int right, int bottom, COLORREF colour) {
    if (memory_ == nullptr) return;
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldPen = SelectObject(memory_, pen);
    HGDIOBJ oldBrush = SelectObject(memory_, GetStockObject(NULL_BRUSH));
    Rectangle(memory_, std::min(left, right), std::min(top, bottom), std::max(left, right) + 1,
              std::max(top, bottom) + 1);
    SelectObject(memory_, oldBrush);
    SelectObject(memory_, oldPen);
    DeleteObject(pen);
    changed(left, top, right, bottom, 1);
}

void PictureCanvas::fill(int left, int top, int right, int bottom, COLORREF colour) {
    if (memory_ == nullptr) return;
    RECT area{std::min(left, right), std::min(top, bottom), std::max(left, right) + 1,
              std::max(top, bottom) + 1};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(memory_, &area, brush);
    DeleteObject(brush);
    changed(left, top, right, bottom, 1);
}

void PictureCanvas::dot(int x, int y, COLORREF colour, int width) {
    if (memory_ == nullptr) return;
    if (width <= 1) {
        SetPixel(memory_, x, y, colour);
    } else {
        HPEN pen = CreatePen(PS_SOLID, 1, colour);
        HBRUSH brush = CreateSolidBrush(colour);
        HGDIOBJ oldPen = SelectObject(memory_, pen);
        HGDIOBJ oldBrush = SelectObject(memory_, brush);
        int left = x - width / 2;
        Ellipse(memory_, left, y - width / 2, left + width, y - width / 2 + width);
        SelectObject(memory_, oldBrush);
        SelectObject(memory_, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
    changed(x, y, x, y, width);
}

void PictureCanvas::text(int x, int y, const std::string& text, COLORREF colour) {
    if (memory_ == nullptr || text.empty()) return;
    HGDIOBJ oldFont = SelectObject(memory_, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(memory_, TRANSPARENT);
    SetTextColor(memory_, colour);
    UINT oldAlign = SetTextAlign(memory_, TA_RIGHT | TA_BOTTOM);
    SIZE extent{0, 0};
    GetTextExtentPoint32A(memory_, text.c_str(), int(text.size()), &extent);
    TextOutA(memory_, x, y, text.c_str(), int(text.size()));
    SetTextAlign(memory_, oldAlign);
    SelectObject(memory_, oldFont);
    changed(x - extent.cx, y - extent.cy, x, y, 0);
}

void PictureCanvas::clear() {
    if (memory_ == nullptr) return;
    RECT all{0, 0, width_, height_};
    HBRUSH brush = CreateSolidBrush(background());
    FillRect(memory_, &all, brush);
    DeleteObject(brush);
    if (window_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// Paints what was drawn; the picture's other messages go on to the runtime.
bool PictureCanvas::onMessage(UINT message, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND:
            result = 1;  // the paint below covers every pixel
            return true;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window_, &ps);
            const RECT& area = ps.rcPaint;
            BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory_,
                   area.left, area.top, SRCCOPY);
            EndPaint(window_, &ps);
            result = 0;
            return true;
        }
        case WM_SIZE:
            fitToWindow();
            return false;
        case WM_NCDESTROY:
            detach();
            return false;
    }
    return false;
}

void DrawCrossMark(PictureCanvas& canvas, const CrossMark& c, bool shown) {
    int v = shown ? 0 : 255;
    canvas.box(c.x1, c.y1, c.x2, c.y2, RGB(255, v, v));
    canvas.line(c.x1, c.yc, c.x2, c.yc, RGB(v, v, v));
    canvas.line(c.xc, c.y1, c.xc, c.y2, RGB(v, v, v));
}
