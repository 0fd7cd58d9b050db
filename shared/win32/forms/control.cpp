#include "form.h"

#include <commctrl.h>
#include <uxtheme.h>

namespace forms {
namespace {

const char* WindowClassFor(Kind kind) {
    switch (kind) {
        case Kind::Button:
        case Kind::Option:
        case Kind::Check:
        case Kind::Frame:
            return "BUTTON";
        case Kind::Label:
            return "STATIC";
        case Kind::HScroll:
            return "SCROLLBAR";
        case Kind::Combo:
            return "COMBOBOX";
        case Kind::Picture:
            return "NXPicture";
        case Kind::Image:
            return "NXImage";
        default:
            return nullptr;  // shapes, lines and timers have no window of their own
    }
}

DWORD StyleFor(Kind kind, uint32_t flags) {
    auto has = [&](ControlFlag flag) { return (flags & flag) != 0; };
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    switch (kind) {
        case Kind::Button:
            // no BS_NOTIFY: with it a quick second press reads as a double click, not a press
            style |=
                WS_TABSTOP | (has(DefaultButton) ? DWORD(BS_DEFPUSHBUTTON) : DWORD(BS_PUSHBUTTON));
            break;
        case Kind::Option:
            style |= WS_TABSTOP | BS_NOTIFY | BS_RADIOBUTTON;
            break;
        case Kind::Check:
            style |= WS_TABSTOP | BS_AUTOCHECKBOX;
            break;
        case Kind::Frame:
            style |= BS_GROUPBOX;
            break;
        case Kind::Label:
            style |= SS_NOTIFY | (has(Centred)        ? SS_CENTER
                                  : has(RightAligned) ? SS_RIGHT
                                                      : SS_LEFT);
            if (has(Bordered)) style |= WS_BORDER;
            break;
        case Kind::HScroll:
            style |= WS_TABSTOP | SBS_HORZ;
            break;
        case Kind::Combo:
            style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS;
            break;
        case Kind::Picture:
        case Kind::Image:
            if (has(Bordered)) style |= WS_BORDER;
            break;
        default:
            break;
    }
    return style;
}

}  // namespace

Control::Control(Form& form, const ControlSpec& spec)
    : form_(form),
      name_(spec.name),
      index_(spec.index),
      kind_(spec.kind),
      rect_(spec.rect),
      containerName_(spec.container ? spec.container : ""),
      caption_(spec.caption ? spec.caption : ""),
      enabled_(!spec.has(Disabled)),
      visible_(!spec.has(Hidden)),
      designHidden_(spec.has(Hidden)),
      foreColour_(spec.foreColour),
      backColour_(spec.backColour),
      font_(spec.font),
      range_(spec.range),
      interval_(spec.interval),
      transparent_(spec.has(Transparent)),
      filled_(spec.has(Filled)),
      stretch_(spec.has(Stretch)),
      flags_(spec.flags),
      scrollValue_(spec.range.value) {
    if (font_.name) fontName_ = font_.name;
    font_.name = fontName_.empty() ? nullptr : fontName_.c_str();
    for (const char* item : spec.items) items_.push_back(item);
    if (kind_ == Kind::Check || kind_ == Kind::Option) scrollValue_ = spec.has(Checked) ? 1 : 0;
}

Control::~Control() {
    if (brush_) DeleteObject(brush_);
}

bool Control::madeWhenNeeded() const {
    if (!designHidden_ || visible_ || picture_) return false;
    switch (kind_) {
        case Kind::Button:
        case Kind::Label:
        case Kind::Check:
        case Kind::Option:
        case Kind::HScroll:
        case Kind::Image:
            return true;
        default:
            // drop-down lists keep their choice, containers their contents, in windows
            return false;
    }
}

HWND Control::hwnd() const {
    if (waiting_) form_.makeWindow(const_cast<Control&>(*this));
    return hwnd_;
}

void Control::createWindow(HWND parent, int id, const HWND* above) {
    const char* windowClass = WindowClassFor(kind_);
    if (windowClass == nullptr) {
        if (kind_ == Kind::Timer) armTimer();
        return;
    }
    RECT at = pixelRect();
    int height = at.bottom - at.top;
    if (kind_ == Kind::Combo) height += 200;  // room for the opened list
    DWORD exStyle = (kind_ == Kind::Frame || kind_ == Kind::Picture) ? WS_EX_CONTROLPARENT : 0;
    bool ownClass = kind_ == Kind::Picture || kind_ == Kind::Image;
    // made as it will stay while nothing shows yet: a hidden window draws its controls whole
    // when it is shown, so they need no showing or redrawing one by one
    bool showNow = visible_ && !IsWindowVisible(parent);
    DWORD style =
        StyleFor(kind_, flags_) | (enabled_ ? 0 : WS_DISABLED) | (showNow ? WS_VISIBLE : 0);
    // the runtime's own classes take the control from the create parameter; standard ones
    // are subclassed when the runtime must see their messages
    hwnd_ =
        CreateWindowExA(exStyle, windowClass, caption_.c_str(), style, at.left, at.top,
                        at.right - at.left, height, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                        GetModuleHandleA(nullptr), ownClass ? this : nullptr);
    if (hwnd_ == nullptr) return;
    if (above)
        SetWindowPos(hwnd_, *above, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    if (!ownClass && form_.needsOwnMessages(*this)) subclass();
    // the control's name, for automation and tests: "cmdApply" or "Label1(3)"
    std::string automationName = index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
    SetPropA(hwnd_, "NXName",
             reinterpret_cast<HANDLE>(UINT_PTR(GlobalAddAtomA(automationName.c_str()))));
    // themed choice buttons draw their captions in the theme's colour; choices here carry theirs
    if (kind_ == Kind::Option || kind_ == Kind::Check) SetWindowTheme(hwnd_, L"", L"");
    applyFont();
    if (kind_ == Kind::HScroll) {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS, range_.min, range_.max,
                        0,           scrollValue_,        0};
        SetScrollInfo(hwnd_, SB_CTL, &info, FALSE);
    }
    if (kind_ == Kind::Combo)
        for (const std::string& item : items_)
            SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if ((kind_ == Kind::Check || kind_ == Kind::Option) && scrollValue_)
        SendMessageA(hwnd_, BM_SETCHECK, BST_CHECKED, 0);
    if (visible_ && !showNow) ShowWindow(hwnd_, SW_SHOWNA);
}

void Control::subclass() {
    if (subclassed_ || hwnd_ == nullptr || kind_ == Kind::Picture || kind_ == Kind::Image) return;
    subclassed_ = SetWindowSubclass(hwnd_, Form::ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Control::setMessageFilter(MessageFilter filter) {
    filter_ = std::move(filter);
    if (filter_) subclass();
}

bool Control::canTakeFocus() const {
    switch (kind_) {
        case Kind::Button:
        case Kind::Option:
        case Kind::Check:
        case Kind::HScroll:
        case Kind::Combo:
            return hwnd_ && IsWindowVisible(hwnd_) && IsWindowEnabled(hwnd_);
        default:
            return false;
    }
}

void Control::setBordered(bool bordered) {
    flags_ = bordered ? (flags_ | Bordered) : (flags_ & ~uint32_t(Bordered));
    if (hwnd_ == nullptr) return;
    LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
    LONG_PTR wanted = bordered ? (style | WS_BORDER) : (style & ~LONG_PTR(WS_BORDER));
    if (wanted == style) return;
    SetWindowLongPtrA(hwnd_, GWL_STYLE, wanted);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

RECT Control::pixelRect() const {
    RECT at{form_.twipsToPixelsX(rect_.left), form_.twipsToPixelsY(rect_.top), 0, 0};
    at.right = at.left + form_.twipsToPixelsX(rect_.width);
    at.bottom = at.top + form_.twipsToPixelsY(rect_.height);
    return at;
}

std::string Control::caption() const {
    if (kind_ == Kind::Combo) {
        int selected = listIndex();
        return selected >= 0 && selected < int(items_.size()) ? items_[selected] : std::string();
    }
    return caption_;
}

void Control::setCaption(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    if (hwnd_ == nullptr) return;
    if (transparent_) repaintArea();
    SetWindowTextA(hwnd_, caption_.c_str());
    if (transparent_) repaintArea();
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (kind_ == Kind::Timer) armTimer();
    if (hwnd_ == nullptr) return;
    // a control disabled while it has the focus hands it on, or the keyboard goes dead
    if (!enabled && GetFocus() == hwnd_ && form_.hwnd_ && !form_.moveFocus(this, false))
        SetFocus(form_.hwnd_);
    EnableWindow(hwnd_, enabled);
}

void Control::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    if (waiting_ && visible)
        form_.makeWindow(*this);  // made shown
    else if (hwnd_)
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    if (kind_ == Kind::Shape || kind_ == Kind::Line || transparent_) repaintArea();
}

void Control::setForeColour(uint32_t bgr) {
    if (foreColour_ == bgr) return;
    foreColour_ = bgr;
    if (kind_ == Kind::Shape || kind_ == Kind::Line)
        repaintArea();
    else if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::setBackColour(uint32_t bgr) {
    if (backColour_ == bgr) return;
    backColour_ = bgr;
    if (brush_) DeleteObject(brush_);
    brush_ = nullptr;
    if (kind_ == Kind::Shape)
        repaintArea();
    else if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::setFont(const FontSpec& font) {
    fontName_ = font.name ? font.name : "";
    font_ = font;
    font_.name = fontName_.empty() ? nullptr : fontName_.c_str();
    applyFont();
    if (transparent_) repaintArea();
}

void Control::applyFont() {
    if (hwnd_ == nullptr) return;
    FontSpec effective = form_.defaultFont_;
    if (font_.name) effective.name = font_.name;
    if (font_.points > 0) effective.points = font_.points;
    if (font_.name || font_.points > 0) {
        effective.bold = font_.bold;
        effective.italic = font_.italic;
    }
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.fontFor(effective)),
                 IsWindowVisible(hwnd_));
}

void Control::move(int left, int top, int width, int height) {
    rect_ = {left, top, width, height};
    if (hwnd_) {
        if (transparent_) repaintArea();
        RECT at = pixelRect();
        int pixelHeight = at.bottom - at.top + (kind_ == Kind::Combo ? 200 : 0);
        SetWindowPos(hwnd_, nullptr, at.left, at.top, at.right - at.left, pixelHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (transparent_) repaintArea();
    } else if (kind_ == Kind::Shape || kind_ == Kind::Line) {
        if (form_.hwnd_) InvalidateRect(form_.hwnd_, nullptr, TRUE);
    }
}

int Control::innerWidth() const {
    RECT client{};
    if (hwnd() && GetClientRect(hwnd_, &client)) return form_.pixelsToTwipsX(client.right);
    return rect_.width;
}

int Control::innerHeight() const {
    RECT client{};
    if (hwnd() && GetClientRect(hwnd_, &client)) return form_.pixelsToTwipsY(client.bottom);
    return rect_.height;
}

int Control::wrappedTextHeight(int widthTwips) const {
    if (hwnd() == nullptr) return 0;
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    RECT area{0, 0, form_.twipsToPixelsX(widthTwips), 0};
    DrawTextA(dc, caption_.c_str(), -1, &area, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return form_.pixelsToTwipsY(area.bottom);
}

int Control::value() const {
    return scrollValue_;
}

void Control::setValue(int value) {
    if (kind_ == Kind::HScroll) {
        int low = range_.min < range_.max ? range_.min : range_.max;
        int high = range_.min < range_.max ? range_.max : range_.min;
        value = value < low ? low : value > high ? high : value;
        if (value == scrollValue_) return;
        scrollValue_ = value;
        if (hwnd_) SetScrollPos(hwnd_, SB_CTL, value, TRUE);
        Event event = form_.makeEvent(EventType::Change, this);
        form_.fire(event);
        return;
    }
    if (kind_ == Kind::Option) {
        if (value)
            form_.selectOption(*this);
        else {
            scrollValue_ = 0;
            if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, BST_UNCHECKED, 0);
        }
        return;
    }
    if (kind_ == Kind::Check) {
        int ticked = value ? 1 : 0;
        if (ticked == scrollValue_) return;
        scrollValue_ = ticked;
        if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
        Event event = form_.makeEvent(EventType::Click, this);
        form_.fire(event);
    }
}

int Control::listIndex() const {
    if (kind_ != Kind::Combo || hwnd_ == nullptr) return -1;
    return int(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
}

void Control::setListIndex(int index) {
    if (kind_ != Kind::Combo || hwnd_ == nullptr) return;
    if (index < -1 || index >= int(items_.size())) index = -1;
    SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(index), 0);
    Event event = form_.makeEvent(EventType::Click, this);
    form_.fire(event);
}

void Control::addItem(const std::string& text) {
    items_.push_back(text);
    if (hwnd_) SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Control::clearItems() {
    items_.clear();
    if (hwnd_) SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
}

int Control::listCount() const {
    return int(items_.size());
}

void Control::setInterval(int milliseconds) {
    interval_ = milliseconds;
    armTimer();
}

void Control::armTimer() {
    if (kind_ != Kind::Timer || form_.hwnd_ == nullptr) return;
    UINT_PTR id = UINT_PTR(this);
    KillTimer(form_.hwnd_, id);
    if (enabled_ && interval_ > 0) SetTimer(form_.hwnd_, id, UINT(interval_), nullptr);
}

void Control::setPicture(HBITMAP bitmap) {
    picture_ = bitmap;
    if (waiting_ && kind_ == Kind::Button) form_.makeWindow(*this);  // a button holds it itself
    if (hwnd_ == nullptr) return;
    if (kind_ == Kind::Button) {
        LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
        SetWindowLongPtrA(hwnd_, GWL_STYLE, bitmap ? (style | BS_BITMAP) : (style & ~BS_BITMAP));
        SendMessageA(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        return;
    }
    if (kind_ == Kind::Picture && bitmap && (flags_ & AutoSize)) {
        BITMAP info{};
        GetObjectA(bitmap, sizeof info, &info);
        RECT outer{0, 0, info.bmWidth, info.bmHeight};
        AdjustWindowRectEx(&outer, DWORD(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                           DWORD(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
        move(rect_.left, rect_.top, form_.pixelsToTwipsX(outer.right - outer.left),
             form_.pixelsToTwipsY(outer.bottom - outer.top));
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Control::backBrush() {
    if (backColour_ == kSystemColour) return GetSysColorBrush(COLOR_BTNFACE);
    if (brush_ == nullptr) brush_ = CreateSolidBrush(backColour_);
    return brush_;
}

void Control::repaintArea() const {
    HWND parent = hwnd_ ? GetParent(hwnd_) : form_.hwnd_;
    // a hidden window is drawn whole when it is shown
    if (parent == nullptr || !IsWindowVisible(parent)) return;
    RECT area;
    if (hwnd_) {
        GetWindowRect(hwnd_, &area);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    } else {
        area = form_.shapeRect(*this);
    }
    InflateRect(&area, 2, 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace forms
