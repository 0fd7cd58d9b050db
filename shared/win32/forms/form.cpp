#include "form.h"

#include <cctype>

#include "mnemonic.h"
#include "placement.h"

namespace forms {
namespace {

constexpr char kFormClass[] = "NXForm";

Pointer gScreenPointer = Pointer::Default;

HCURSOR CursorFor(Pointer pointer) {
    return LoadCursor(nullptr, pointer == Pointer::Hourglass ? IDC_WAIT : IDC_ARROW);
}

int ShiftState() {
    return ((GetKeyState(VK_SHIFT) & 0x8000) ? ShiftKey : 0) |
           ((GetKeyState(VK_CONTROL) & 0x8000) ? CtrlKey : 0) |
           ((GetKeyState(VK_MENU) & 0x8000) ? AltKey : 0);
}

int ButtonsOf(WPARAM keys) {
    return ((keys & MK_LBUTTON) ? LeftButton : 0) | ((keys & MK_RBUTTON) ? RightButton : 0) |
           ((keys & MK_MBUTTON) ? MiddleButton : 0);
}

// The forms' own window class, once registered.
ATOM& FormClass() {
    static ATOM atom = 0;
    return atom;
}

void RegisterClasses() {
    if (FormClass()) return;
    WNDCLASSA form{};
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = DefWindowProcA;  // replaced at creation; see Form::load
    form.hInstance = GetModuleHandleA(nullptr);
    form.hCursor = LoadCursor(nullptr, IDC_ARROW);
    form.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    form.lpszClassName = kFormClass;
    FormClass() = RegisterClassA(&form);
    WNDCLASSA box = form;
    box.hIcon = nullptr;
    box.lpszClassName = "NXPicture";
    RegisterClassA(&box);
    box.lpszClassName = "NXImage";
    RegisterClassA(&box);
}

void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& area, bool stretch) {
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info)) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (stretch) {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, 0, 0, area.right, area.bottom, memory, 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
    } else {
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace

void SetScreenPointer(Pointer pointer) {
    gScreenPointer = pointer;
    SetCursor(CursorFor(pointer));
}

Pointer ScreenPointer() { return gScreenPointer; }

Form::Form(const FormSpec& spec)
    : name_(spec.name),
      designCaption_(spec.caption),
      designClientWidth_(spec.clientWidth),
      designClientHeight_(spec.clientHeight),
      border_(spec.border),
      backColour_(spec.backColour),
      defaultFont_(spec.font),
      keyPreview_(spec.keyPreview),
      topmost_(spec.topmost) {
    for (const ControlSpec& control : spec.controls)
        controls_.push_back(std::make_unique<Control>(*this, control));
}

Form::~Form() {
    if (hwnd_) DestroyWindow(hwnd_);
    for (CachedFont& font : fonts_) DeleteObject(font.font);
    if (backBrush_) DeleteObject(backBrush_);
}

bool Form::load(HWND owner) {
    if (hwnd_) return true;
    RegisterClasses();
    HDC screen = GetDC(nullptr);
    dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    DWORD style = WS_CLIPSIBLINGS, exStyle = WS_EX_CONTROLPARENT;
    switch (border_) {
        case Border::FixedDialog:
            style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
            exStyle |= WS_EX_DLGMODALFRAME;
            break;
        case Border::Fixed:
            style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
            break;
        case Border::None:
            style |= WS_POPUP;
            break;
        case Border::ToolWindow:
            style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
            exStyle |= WS_EX_TOOLWINDOW;
            break;
    }
    if (topmost_) exStyle |= WS_EX_TOPMOST;
    RECT outer{0, 0, twipsToPixelsX(designClientWidth_), twipsToPixelsY(designClientHeight_)};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    hwnd_ = CreateWindowExA(exStyle, kFormClass, designCaption_.c_str(), style, CW_USEDEFAULT,
                            CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                            owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    // the window's own data, not a property: every message reads it, and Wine asks its window
    // server for each property read
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    for (size_t i = 0; i < controls_.size(); ++i) {
        Control& control = *controls_[i];
        control.createWindow(parentFor(control), int(i) + 100);
        if (control.hwnd_ && (control.kind_ == Kind::Picture || control.kind_ == Kind::Image)) {
            SetWindowLongPtrA(control.hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc));
            control.originalProc_ = DefWindowProcA;
            SetPropA(control.hwnd_, "NXOriginal", reinterpret_cast<HANDLE>(DefWindowProcA));
        }
    }
    return true;
}

HWND Form::parentFor(const Control& control) const {
    if (control.containerName_.empty()) return hwnd_;
    // a control lives inside the frame or picture the design put it in
    for (const auto& container : controls_) {
        if (container->hwnd_ && container->name_ == control.containerName_)
            return container->hwnd_;
    }
    return hwnd_;
}

void Form::show() {
    if (!hwnd_ && !load()) return;
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void Form::hide() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

bool Form::unload() {
    if (!hwnd_) return true;
    Event event = makeEvent(EventType::Unload, nullptr);
    fire(event);
    if (event.cancel) return false;
    if (hwnd_) DestroyWindow(hwnd_);
    return true;
}

Control& Form::item(const std::string& name, int index) {
    for (auto& control : controls_)
        if (control->name_ == name && control->index_ == index) return *control;
    // a name missing from the table is a programming error the tests catch; never crash on it
    OutputDebugStringA(("forms: no control " + name + " in " + name_ + "\n").c_str());
    static ControlSpec missingSpec(Kind::Timer, "missing", TwipsRect{0, 0, 0, 0});
    missing_ = std::make_unique<Control>(*this, missingSpec);
    return *missing_;
}

bool Form::has(const std::string& name, int index) const {
    for (const auto& control : controls_)
        if (control->name_ == name && control->index_ == index) return true;
    return false;
}

std::vector<Control*> Form::controlArray(const std::string& name) {
    std::vector<Control*> members;
    for (auto& control : controls_)
        if (control->name_ == name) members.push_back(control.get());
    return members;
}

std::string Form::caption() const {
    if (!hwnd_) return designCaption_;
    char text[512] = {};
    GetWindowTextA(hwnd_, text, sizeof text);
    return text;
}

void Form::setCaption(const std::string& text) {
    designCaption_ = text;
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

int Form::width() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return pixelsToTwipsX(r.right - r.left);
}

int Form::height() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return pixelsToTwipsY(r.bottom - r.top);
}

int Form::left() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return pixelsToTwipsX(r.left);
}

int Form::top() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return pixelsToTwipsY(r.top);
}

void Form::move(int left, int top) {
    SetWindowPos(hwnd_, nullptr, twipsToPixelsX(left), twipsToPixelsY(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::resize(int width, int height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, twipsToPixelsX(width), twipsToPixelsY(height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::clientWidth() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return pixelsToTwipsX(r.right);
}

int Form::clientHeight() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return pixelsToTwipsY(r.bottom);
}

void Form::setTopmost(bool on) {
    topmost_ = on;
    if (hwnd_)
        SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::setMousePointer(Pointer pointer) {
    pointer_ = pointer;
    updateCursor();
}

void Form::updateCursor() const {
    Pointer shown = gScreenPointer != Pointer::Default ? gScreenPointer : pointer_;
    SetCursor(CursorFor(shown));
}

int Form::twipsToPixelsX(int twips) const { return TwipsToPixels(twips, dpiX_); }
int Form::twipsToPixelsY(int twips) const { return TwipsToPixels(twips, dpiY_); }
int Form::pixelsToTwipsX(int pixels) const { return PixelsToTwips(pixels, dpiX_); }
int Form::pixelsToTwipsY(int pixels) const { return PixelsToTwips(pixels, dpiY_); }
int Form::twipsPerPixelX() const { return kTwipsPerInch / (dpiX_ > 0 ? dpiX_ : 96); }
int Form::twipsPerPixelY() const { return kTwipsPerInch / (dpiY_ > 0 ? dpiY_ : 96); }

void Form::on(EventType type, const std::string& control, Handler handler) {
    routes_.push_back({type, control, std::move(handler)});
}

Event Form::makeEvent(EventType type, const Control* control) const {
    Event event;
    event.type = type;
    event.control = control ? control->name_ : name_;
    event.index = control ? control->index_ : -1;
    return event;
}

bool Form::fire(Event& event) {
    bool ran = false;
    // a handler may add routes or unload the form; walk a snapshot of the matching handlers
    std::vector<Handler> matching;
    for (const Route& route : routes_)
        if (route.type == event.type && route.control == event.control)
            matching.push_back(route.handler);
    for (Handler& handler : matching) {
        handler(event);
        ran = true;
    }
    return ran;
}

void Form::raise(EventType type, const std::string& control, int index) {
    Event event;
    event.type = type;
    event.control = control;
    event.index = index;
    fire(event);
}

Form* Form::fromWindow(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (!root || !FormClass() || GetClassLongPtrA(root, GCW_ATOM) != FormClass()) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

Control* Form::controlFor(HWND window) {
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    for (auto& candidate : controls_)
        if (candidate.get() == control) return control;
    return nullptr;
}

bool Form::pressAccessKey(WPARAM character) {
    char key = char(std::toupper(int(character & 0xFF)));
    for (auto& control : controls_) {
        bool pressable = control->kind_ == Kind::Button || control->kind_ == Kind::Option ||
                         control->kind_ == Kind::Check;
        if (!pressable || !control->hwnd_ || !control->visible_ || !control->enabled_) continue;
        if (AccessKeyOf(control->caption_) != key) continue;
        SetFocus(control->hwnd_);
        if (control->kind_ == Kind::Option) {
            selectOption(*control);
        } else if (control->kind_ == Kind::Check) {
            control->setValue(control->scrollValue_ ? 0 : 1);
        } else {
            Event event = makeEvent(EventType::Click, control.get());
            fire(event);
        }
        return true;
    }
    return false;
}

bool Form::preTranslate(MSG& message) {
    if (!hwnd_ || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
    // Alt+letter presses the control whose caption underlines that letter
    if (message.message == WM_SYSCHAR) return pressAccessKey(message.wParam);
    bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    bool character = message.message == WM_CHAR;
    if (!keyDown && !character) return false;
    if (keyPreview_ || message.hwnd == hwnd_) {
        Event event = makeEvent(keyDown ? EventType::KeyDown : EventType::KeyPress, nullptr);
        event.key = int(message.wParam);
        event.shift = ShiftState();
        fire(event);
        if (!hwnd_) return true;  // the handler closed the window
        if (event.key == 0) return true;
        message.wParam = WPARAM(event.key);
    }
    if (message.message != WM_KEYDOWN) return false;
    if (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE) {
        HWND focus = GetFocus();
        Control* focused = focus ? controlFor(focus) : nullptr;
        // an open drop-down list takes Enter and Esc itself: they choose or close the list
        bool listOpen = focused && focused->kind_ == Kind::Combo &&
                        SendMessageA(focus, CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (listOpen) return false;
        Control* target = nullptr;
        if (message.wParam == VK_RETURN && focused && focused->kind_ == Kind::Button)
            target = focused;
        for (auto& control : controls_) {
            if (target) break;
            bool wanted = control->flags_ & (message.wParam == VK_RETURN ? DefaultButton : CancelButton);
            if (wanted && control->visible_ && control->enabled_) target = control.get();
        }
        if (!target) return false;
        Event event = makeEvent(EventType::Click, target);
        fire(event);
        return true;
    }
    if (message.wParam == VK_TAB) {
        bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        HWND next = GetNextDlgTabItem(hwnd_, GetFocus(), backwards);
        if (next) SetFocus(next);
        return true;
    }
    return false;
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (form == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return form->handle(message, wParam, lParam);
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = hwnd_;
    switch (message) {
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_HSCROLL:
            if (lParam) onScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
            return onColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND: {
            RECT area;
            GetClientRect(window, &area);
            if (backColour_ == kSystemColour) {
                FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
            } else {
                if (!backBrush_) backBrush_ = CreateSolidBrush(backColour_);
                FillRect(reinterpret_cast<HDC>(wParam), &area, backBrush_);
            }
            return 1;
        }
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_TIMER:
            onTimer(wParam);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                Event event = makeEvent(EventType::Activate, nullptr);
                fire(event);
            }
            break;
        case WM_SIZE: {
            Event event = makeEvent(EventType::Resize, nullptr);
            fire(event);
            break;
        }
        case WM_SETCURSOR:
            if (pointer_ != Pointer::Default || gScreenPointer != Pointer::Default) {
                updateCursor();
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDBLCLK:
            fireMouse(nullptr, message, wParam, lParam);
            if (!hwnd_) return 0;
            break;
        case WM_CLOSE:
            unload();
            return 0;
        case WM_DESTROY:
            for (auto& control : controls_)
                if (control->kind_ == Kind::Timer) KillTimer(window, UINT_PTR(control.get()));
            if (quitsProgram_) PostQuitMessage(0);
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            for (auto& control : controls_) control->hwnd_ = nullptr;
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Form::onCommand(WPARAM wParam, LPARAM lParam) {
    Control* control = lParam ? controlFor(reinterpret_cast<HWND>(lParam)) : nullptr;
    if (!control) return;
    EventType type;
    switch (HIWORD(wParam)) {
        case BN_CLICKED:  // also STN_CLICKED
            if (control->kind_ == Kind::Option) {
                selectOption(*control);
                return;  // selecting fires Click
            }
            if (control->kind_ == Kind::Check)
                control->scrollValue_ =
                    SendMessageA(control->hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
            if (control->kind_ == Kind::Combo) return;
            type = EventType::Click;
            break;
        case BN_DOUBLECLICKED:  // also STN_DBLCLK
            type = EventType::DblClick;
            break;
        case CBN_SELCHANGE:
            if (control->kind_ != Kind::Combo) return;
            type = EventType::Click;
            break;
        default:
            return;
    }
    Event event = makeEvent(type, control);
    event.shift = ShiftState();
    fire(event);
}

void Form::selectOption(Control& option) {
    HWND parent = option.hwnd_ ? GetParent(option.hwnd_) : nullptr;
    for (auto& control : controls_) {
        if (control->kind_ != Kind::Option || control.get() == &option) continue;
        if (control->hwnd_ && GetParent(control->hwnd_) != parent) continue;
        if (control->containerName_ != option.containerName_) continue;
        control->scrollValue_ = 0;
        if (control->hwnd_) SendMessageA(control->hwnd_, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    option.scrollValue_ = 1;
    if (option.hwnd_) SendMessageA(option.hwnd_, BM_SETCHECK, BST_CHECKED, 0);
    Event event = makeEvent(EventType::Click, &option);
    fire(event);
}

void Form::onScroll(HWND bar, int code) {
    Control* control = controlFor(bar);
    if (!control || control->kind_ != Kind::HScroll) return;
    const Range& range = control->range_;
    int value = control->scrollValue_;
    bool tracking = false;
    switch (code) {
        case SB_LINELEFT: value -= range.smallChange; break;
        case SB_LINERIGHT: value += range.smallChange; break;
        case SB_PAGELEFT: value -= range.largeChange; break;
        case SB_PAGERIGHT: value += range.largeChange; break;
        case SB_LEFT: value = range.min; break;
        case SB_RIGHT: value = range.max; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(bar, SB_CTL, &info);
            value = info.nTrackPos;
            tracking = code == SB_THUMBTRACK;
            break;
        }
        default:
            return;
    }
    int low = range.min < range.max ? range.min : range.max;
    int high = range.min < range.max ? range.max : range.min;
    value = value < low ? low : value > high ? high : value;
    if (tracking) {
        if (value == control->scrollValue_) return;
        control->scrollValue_ = value;
        SetScrollPos(bar, SB_CTL, value, TRUE);
        Event event = makeEvent(EventType::Scroll, control);
        fire(event);
        return;
    }
    if (value == control->scrollValue_ && code != SB_THUMBPOSITION) return;
    bool changed = value != control->scrollValue_;
    control->scrollValue_ = value;
    SetScrollPos(bar, SB_CTL, value, TRUE);
    // a dragged thumb already showed its value; its release is the change
    if (changed || code == SB_THUMBPOSITION) {
        Event event = makeEvent(EventType::Change, control);
        fire(event);
    }
}

LRESULT Form::onColour(HDC dc, HWND window) {
    Control* control = controlFor(window);
    if (!control) return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    COLORREF text = control->foreColour_ == kSystemColour ? GetSysColor(COLOR_BTNTEXT)
                                                          : COLORREF(control->foreColour_);
    SetTextColor(dc, text);
    if (control->transparent_) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    HBRUSH brush = control->backBrush();
    LOGBRUSH info{};
    GetObjectA(brush, sizeof info, &info);
    SetBkColor(dc, info.lbColor);
    return reinterpret_cast<LRESULT>(brush);
}

RECT Form::shapeRect(const Control& shape) const {
    RECT at = shape.pixelRect();
    // shapes inside containers are drawn by the form, offset by their container
    for (const auto& container : controls_) {
        if (container->hwnd_ && container->name_ == shape.containerName_) {
            RECT box;
            GetWindowRect(container->hwnd_, &box);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&box), 2);
            OffsetRect(&at, box.left, box.top);
            break;
        }
    }
    if (shape.kind_ == Kind::Line) {
        at.right = at.left + twipsToPixelsX(shape.rect_.width);
        at.bottom = at.top + twipsToPixelsY(shape.rect_.height);
    }
    return at;
}

void Form::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    paint(dc);
    EndPaint(hwnd_, &ps);
}

void Form::paint(HDC dc) {
    for (auto& control : controls_) {
        if (!control->visible_) continue;
        if (control->kind_ != Kind::Shape && control->kind_ != Kind::Line) continue;
        RECT at = shapeRect(*control);
        COLORREF colour = control->foreColour_ == kSystemColour ? GetSysColor(COLOR_WINDOWTEXT)
                                                                : COLORREF(control->foreColour_);
        HPEN pen = CreatePen(PS_SOLID, 1, colour);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        if (control->kind_ == Kind::Line) {
            MoveToEx(dc, at.left, at.top, nullptr);
            LineTo(dc, at.right, at.bottom);
        } else {
            HGDIOBJ oldBrush = SelectObject(
                dc, control->filled_ ? control->backBrush() : GetStockObject(NULL_BRUSH));
            Rectangle(dc, at.left, at.top, at.right, at.bottom);
            SelectObject(dc, oldBrush);
        }
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
}

void Form::onTimer(UINT_PTR id) {
    for (auto& control : controls_) {
        if (control->kind_ == Kind::Timer && UINT_PTR(control.get()) == id) {
            Event event = makeEvent(EventType::Timer, control.get());
            fire(event);
            return;
        }
    }
}

HFONT Form::fontFor(const FontSpec& font) {
    std::string name = font.name ? font.name : "MS Sans Serif";
    int points = font.points > 0 ? font.points : 8;
    for (const CachedFont& cached : fonts_)
        if (cached.name == name && cached.points == points && cached.bold == font.bold &&
            cached.italic == font.italic)
            return cached.font;
    HFONT created = CreateFontA(-MulDiv(points, dpiY_, 72), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                                font.italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, name.c_str());
    fonts_.push_back({name, points, font.bold, font.italic, created});
    return created;
}

LRESULT CALLBACK Form::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* form = fromWindow(window);
    Control* control = form ? form->controlFor(window) : nullptr;
    if (!control) {
        auto original = reinterpret_cast<WNDPROC>(GetPropA(window, "NXOriginal"));
        return CallWindowProcA(original ? original : DefWindowProcA, window, message, wParam,
                               lParam);
    }
    WNDPROC original = control->originalProc_;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        RemovePropA(window, "NXOriginal");
        auto atom = ATOM(UINT_PTR(RemovePropA(window, "NXName")));
        if (atom) GlobalDeleteAtom(atom);
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    LRESULT handled = form->handleControl(*control, message, wParam, lParam);
    if (handled != LRESULT(-1)) return handled;
    if (!IsWindow(window)) return 0;  // a handler closed the window
    return CallWindowProcA(original, window, message, wParam, lParam);
}

void Form::fireMouse(Control* target, UINT message, WPARAM wParam, LPARAM lParam) {
    bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    bool up = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    EventType type = down ? EventType::MouseDown
                     : up ? EventType::MouseUp
                     : message == WM_MOUSEMOVE ? EventType::MouseMove
                                               : EventType::DblClick;
    Event event = makeEvent(type, target);
    event.shift = ShiftState();
    event.button = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ? LeftButton
                   : message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ? RightButton
                   : message == WM_MBUTTONDOWN || message == WM_MBUTTONUP ? MiddleButton
                                                                          : ButtonsOf(wParam);
    event.x = pixelsToTwipsX(short(LOWORD(lParam)));
    event.y = pixelsToTwipsY(short(HIWORD(lParam)));
    fire(event);
}

// Returns -1 to let the control's own procedure run.
LRESULT Form::handleControl(Control& control, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* target = &control;
    bool ownDrawn = target->kind_ == Kind::Picture || target->kind_ == Kind::Image;
    switch (message) {
        // containers pass their children's notifications on to the form
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
            if (target->kind_ == Kind::Frame || target->kind_ == Kind::Picture)
                return handle(message, wParam, lParam);
            return -1;
        case WM_ERASEBKGND:
            if (!ownDrawn) return -1;
            if (target->transparent_) return 1;
            {
                RECT area;
                GetClientRect(target->hwnd_, &area);
                FillRect(reinterpret_cast<HDC>(wParam), &area, target->backBrush());
            }
            return 1;
        case WM_PAINT: {
            if (!ownDrawn) return -1;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(target->hwnd_, &ps);
            RECT area;
            GetClientRect(target->hwnd_, &area);
            if (target->picture_) DrawBitmap(dc, target->picture_, area, target->stretch_);
            EndPaint(target->hwnd_, &ps);
            return 0;
        }
        case WM_SETCURSOR:
            if (pointer_ != Pointer::Default || gScreenPointer != Pointer::Default) {
                updateCursor();
                return TRUE;
            }
            return -1;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR: {
            Event event = makeEvent(message == WM_CHAR ? EventType::KeyPress : EventType::KeyDown,
                                    target);
            event.key = int(wParam);
            event.shift = ShiftState();
            fire(event);
            return event.key == 0 ? 0 : -1;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDBLCLK: {
            if (message == WM_LBUTTONDBLCLK && !ownDrawn) return -1;  // the control notifies
            HWND window = target->hwnd_;
            fireMouse(target, message, wParam, lParam);
            if (!IsWindow(window)) return 0;
            if (ownDrawn && message == WM_LBUTTONUP) {
                Event click = makeEvent(EventType::Click, target);
                fire(click);
            }
            return ownDrawn ? 0 : -1;
        }
    }
    return -1;
}

}  // namespace forms
