#include "form.h"

#include <commctrl.h>

#include <cstdio>
#include <stdexcept>

#include "companions.h"
#include "failures.h"
#include "mnemonic.h"
#include "placement.h"

namespace forms {
namespace {

constexpr const char* kFormClass = kFormWindowClass;
constexpr UINT kRunPosted = WM_APP;  // the form's own: one piece of work handed to post()

ATOM gFormClass = 0;
Pointer gScreenPointer = Pointer::Default;

const char* EventName(EventType type) {
    static const char* const kNames[] = {"Click",   "DblClick", "MouseDown", "MouseUp", "MouseMove",
                                         "KeyDown", "KeyPress", "Change",    "Scroll",  "Activate",
                                         "Resize",  "Unload",   "Timer"};
    return kNames[int(type)];
}

std::string MessageName(const std::string& where, UINT message) {
    char number[16];
    std::snprintf(number, sizeof number, "0x%04X", message);
    return where + " message " + number;
}

std::string ControlName(const std::string& name, int index) {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

// The form or control a window of the runtime's own classes belongs to: handed over as the
// create parameter at the first message, then kept in the window's user data.
template <typename Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM lParam) {
    if (message != WM_NCCREATE)
        return reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return owner;
}

// Events only the control's own key and mouse messages raise; the others reach the form as
// notifications.
bool IsOwnMessageEvent(EventType type) {
    switch (type) {
        case EventType::MouseDown:
        case EventType::MouseUp:
        case EventType::MouseMove:
        case EventType::KeyDown:
        case EventType::KeyPress:
            return true;
        default:
            return false;
    }
}

// The press a double-click message stands for: the second press of a quick pair.
UINT PressOf(UINT doubleClick) {
    return doubleClick == WM_LBUTTONDBLCLK   ? WM_LBUTTONDOWN
           : doubleClick == WM_RBUTTONDBLCLK ? WM_RBUTTONDOWN
                                             : WM_MBUTTONDOWN;
}

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

void RegisterClasses(WNDPROC formProc, WNDPROC boxProc) {
    if (gFormClass) return;
    WNDCLASSA form{};
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = formProc;
    form.hInstance = GetModuleHandleA(nullptr);
    form.hCursor = LoadCursor(nullptr, IDC_ARROW);
    form.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    form.lpszClassName = kFormClass;
    gFormClass = RegisterClassA(&form);
    WNDCLASSA box = form;
    box.lpfnWndProc = boxProc;
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

Pointer ScreenPointer() {
    return gScreenPointer;
}

Form::Form(const FormSpec& spec)
    : name_(spec.name),
      designCaption_(spec.caption),
      designClientWidth_(spec.clientWidth),
      designClientHeight_(spec.clientHeight),
      border_(spec.border),
      backColour_(spec.backColour),
      defaultFont_(spec.font),
      keyPreview_(spec.keyPreview),
      topmost_(spec.topmost),
      controlBox_(spec.controlBox) {
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
    RegisterClasses(WindowProc, BoxProc);
    HDC screen = GetDC(nullptr);
    dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    DWORD style = WS_CLIPSIBLINGS, exStyle = WS_EX_CONTROLPARENT;
    switch (border_) {
        case Border::FixedDialog:
            style |= WS_POPUP | WS_CAPTION;
            exStyle |= WS_EX_DLGMODALFRAME;
            break;
        case Border::Fixed:
            style |= WS_OVERLAPPED | WS_CAPTION | WS_MINIMIZEBOX;
            break;
        case Border::None:
            style |= WS_POPUP;
            break;
        case Border::ToolWindow:
            style |= WS_POPUP | WS_CAPTION;
            exStyle |= WS_EX_TOOLWINDOW;
            break;
    }
    if (controlBox_ && border_ != Border::None) style |= WS_SYSMENU;
    if (topmost_) exStyle |= WS_EX_TOPMOST;
    RECT outer{0, 0, twipsToPixelsX(designClientWidth_), twipsToPixelsY(designClientHeight_)};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    // the window procedure takes this form from the create parameter at the first message
    CreateWindowExA(exStyle, kFormClass, designCaption_.c_str(), style, CW_USEDEFAULT,
                    CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, owner,
                    nullptr, GetModuleHandleA(nullptr), this);
    if (hwnd_ == nullptr) return false;
    bool waiting = false;
    for (size_t i = 0; i < controls_.size(); ++i) {
        Control& control = *controls_[i];
        // what the design hides waits until the window is on screen: its first drawing needs none
        control.waiting_ = control.madeWhenNeeded();
        waiting = waiting || control.waiting_;
        if (!control.waiting_) control.createWindow(parentFor(control), kFirstControlId + int(i));
    }
    if (waiting)
        post([this] {
            for (auto& control : controls_)
                if (control->waiting_) makeWindow(*control);
        });
    return true;
}

void Form::makeWindow(Control& control) {
    control.waiting_ = false;
    if (!hwnd_) return;
    size_t place = 0;
    while (place < controls_.size() && controls_[place].get() != &control) ++place;
    HWND parent = parentFor(control);
    // overlapping controls keep the table's order: the first listed is on top
    HWND above = HWND_TOP;
    for (size_t i = place; i-- > 0;) {
        HWND sibling = controls_[i]->hwnd_;
        if (sibling && GetParent(sibling) == parent) {
            above = sibling;
            break;
        }
    }
    control.createWindow(parent, kFirstControlId + int(place), &above);
}

HWND Form::parentFor(const Control& control) const {
    if (control.containerName_.empty()) return hwnd_;
    // a control lives inside the frame or picture the design put it in
    for (const auto& container : controls_) {
        if (container->hwnd_ && container->name_ == control.containerName_) return container->hwnd_;
    }
    return hwnd_;
}

void Form::show() {
    if (!hwnd_ && !load()) return;
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void Form::focus() {
    if (!hwnd_) return;
    HWND remembered = lastFocus_;
    if (remembered && IsChild(hwnd_, remembered) && IsWindowVisible(remembered) &&
        IsWindowEnabled(remembered)) {
        SetFocus(remembered);
        return;
    }
    std::vector<Control*> stops = tabStops();
    if (stops.empty())
        SetFocus(hwnd_);
    else
        focusControl(*stops.front());
}

void Form::setControlBox(bool shown) {
    controlBox_ = shown;
    if (!hwnd_ || border_ == Border::None) return;
    LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
    SetWindowLongPtrA(hwnd_, GWL_STYLE,
                      shown ? (style | WS_SYSMENU) : (style & ~LONG_PTR(WS_SYSMENU)));
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::post(std::function<void()> work) {
    if (!hwnd_) return;
    posted_.push_back(std::move(work));
    if (!PostMessageA(hwnd_, kRunPosted, 0, 0)) posted_.pop_back();
}

void Form::runPosted() {
    if (posted_.empty()) return;
    std::function<void()> work = std::move(posted_.front());
    posted_.erase(posted_.begin());
    RunRecorded(work, [this] { return name_ + " posted work"; });
}

void Form::hide() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

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
    stopOnMissing(ControlName(name, index));
}

void Form::requireName(const std::string& name) const {
    for (const auto& control : controls_)
        if (control->name_ == name) return;
    stopOnMissing(name);
}

void Form::stopOnMissing(const std::string& control) const {
    std::string what = "no control " + control + " in " + name_;
#ifndef NDEBUG
    RecordFailure(name_, what);
    FatalAppExitA(0, what.c_str());
#endif
    // the code that asked stops here; its event delivery records the name
    throw std::out_of_range(what);
}

bool Form::has(const std::string& name, int index) const {
    for (const auto& control : controls_)
        if (control->name_ == name && control->index_ == index) return true;
    return false;
}

std::vector<Control*> Form::controlArray(const std::string& name) {
    requireName(name);
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

int Form::twipsToPixelsX(int twips) const {
    return TwipsToPixels(twips, dpiX_);
}
int Form::twipsToPixelsY(int twips) const {
    return TwipsToPixels(twips, dpiY_);
}
int Form::pixelsToTwipsX(int pixels) const {
    return PixelsToTwips(pixels, dpiX_);
}
int Form::pixelsToTwipsY(int pixels) const {
    return PixelsToTwips(pixels, dpiY_);
}

void Form::on(EventType type, const std::string& control, Handler handler) {
    // a misspelt name would leave the handler silently unused
    if (control != name_) requireName(control);
    routes_.push_back({type, control, std::move(handler)});
    if (!IsOwnMessageEvent(type)) return;
    for (auto& item : controls_)
        if (item->name_ == control) item->subclass();
}

Event Form::makeEvent(EventType type, const Control* control) const {
    Event event;
    event.type = type;
    event.control = control ? control->name_ : name_;
    event.index = control ? control->index_ : -1;
    return event;
}

bool Form::fire(Event& event) {
    // a handler may add routes or unload the form; walk a snapshot of the matching handlers
    std::vector<Handler> matching;
    for (const Route& route : routes_)
        if (route.type == event.type && route.control == event.control)
            matching.push_back(route.handler);
    auto where = [&] {
        std::string source =
            event.control == name_ ? name_ : name_ + "." + ControlName(event.control, event.index);
        return source + " " + EventName(event.type);
    };
    // a handler that throws is recorded; the others run and the window goes on working
    for (Handler& handler : matching) RunRecorded([&] { handler(event); }, where);
    return !matching.empty();
}

void Form::raise(EventType type, const std::string& control, int index) {
    if (control != name_) item(control, index);
    Event event;
    event.type = type;
    event.control = control;
    event.index = index;
    fire(event);
}

Form* Form::fromWindow(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (!root || !gFormClass || ATOM(GetClassLongPtrA(root, GCW_ATOM)) != gFormClass)
        return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

Control* Form::controlFor(HWND window) {
    if (!window || !IsChild(hwnd_, window)) return nullptr;
    int place = GetDlgCtrlID(window) - kFirstControlId;
    if (place < 0 || place >= int(controls_.size())) return nullptr;
    Control* control = controls_[size_t(place)].get();
    return control->hwnd_ == window ? control : nullptr;
}

bool Form::pressAccessKey(WPARAM character, LPARAM keyData) {
    std::vector<Control*> pressable;
    std::vector<std::string> captions;
    for (auto& control : controls_) {
        bool kind = control->kind_ == Kind::Button || control->kind_ == Kind::Option ||
                    control->kind_ == Kind::Check;
        if (!kind || !control->hwnd_ || !control->visible_ || !control->enabled_) continue;
        pressable.push_back(control.get());
        captions.push_back(control->caption_);
    }
    // the key the character came from, in the layout in force
    UINT virtualKey = MapVirtualKeyA(UINT(keyData >> 16) & 0xFF, MAPVK_VSC_TO_VK);
    int chosen = AccessKeyTarget(captions, unsigned(character & 0xFF), virtualKey);
    if (chosen < 0) return false;
    Control* control = pressable[size_t(chosen)];
    SetFocus(control->hwnd_);
    if (control->kind_ == Kind::Option) {
        selectOption(*control);
    } else if (control->kind_ == Kind::Check) {
        control->setValue(control->scrollValue_ ? 0 : 1);
    } else {
        Event event = makeEvent(EventType::Click, control);
        fire(event);
    }
    return true;
}

bool Form::preTranslate(MSG& message) {
    if (!hwnd_ || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
    // Alt+letter presses the control whose caption underlines that letter
    if (message.message == WM_SYSCHAR) return pressAccessKey(message.wParam, message.lParam);
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
    HWND focus = GetFocus();
    Control* focused = focus ? controlFor(focus) : nullptr;
    switch (message.wParam) {
        case VK_RETURN:
        case VK_ESCAPE: {
            // an open drop-down list takes Enter and Esc itself: they choose or close the list
            bool listOpen = focused && focused->kind_ == Kind::Combo &&
                            SendMessageA(focus, CB_GETDROPPEDSTATE, 0, 0) != 0;
            if (listOpen) return false;
            Control* target = nullptr;
            if (message.wParam == VK_RETURN && focused && focused->kind_ == Kind::Button)
                target = focused;
            for (auto& control : controls_) {
                if (target) break;
                bool wanted =
                    control->flags_ & (message.wParam == VK_RETURN ? DefaultButton : CancelButton);
                if (wanted && control->visible_ && control->enabled_) target = control.get();
            }
            if (!target) return false;
            Event event = makeEvent(EventType::Click, target);
            fire(event);
            return true;
        }
        case VK_TAB:
            moveFocus(focused, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
            return true;
        case VK_UP:
        case VK_LEFT:
        case VK_DOWN:
        case VK_RIGHT:
            if (!focused || focused->kind_ != Kind::Option) return false;
            return moveInGroup(*focused, message.wParam == VK_UP || message.wParam == VK_LEFT);
    }
    return false;
}

bool Form::sameGroup(const Control& a, const Control& b) const {
    return a.kind_ == Kind::Option && b.kind_ == Kind::Option &&
           a.containerName_ == b.containerName_;
}

// Table order; an option group is one stop, at its selected option or else its first.
std::vector<Control*> Form::tabStops() const {
    std::vector<Control*> stops;
    for (const auto& control : controls_) {
        if (!control->canTakeFocus()) continue;
        if (control->kind_ != Kind::Option) {
            stops.push_back(control.get());
            continue;
        }
        bool counted = false;
        for (const Control* stop : stops) counted = counted || sameGroup(*stop, *control);
        if (counted) continue;
        Control* stop = control.get();
        for (const auto& member : controls_)
            if (member->scrollValue_ && sameGroup(*member, *control) && member->canTakeFocus())
                stop = member.get();
        stops.push_back(stop);
    }
    return stops;
}

void Form::focusControl(Control& control) {
    if (control.hwnd_) SetFocus(control.hwnd_);
}

bool Form::moveFocus(const Control* from, bool backwards) {
    std::vector<Control*> stops = tabStops();
    int count = int(stops.size()), at = -1;
    if (count == 0) return false;
    for (int i = 0; i < count && from; ++i)
        if (stops[size_t(i)] == from || sameGroup(*stops[size_t(i)], *from)) at = i;
    int next = at < 0 ? (backwards ? count - 1 : 0) : (at + (backwards ? count - 1 : 1)) % count;
    if (stops[size_t(next)] == from) return false;
    focusControl(*stops[size_t(next)]);
    return true;
}

// The previous or next option of the group, wrapping, takes the focus and is selected.
bool Form::moveInGroup(Control& option, bool backwards) {
    std::vector<Control*> group;
    int at = 0;
    for (auto& control : controls_) {
        if (control.get() == &option) at = int(group.size());
        if (control.get() == &option || (sameGroup(*control, option) && control->canTakeFocus()))
            group.push_back(control.get());
    }
    int count = int(group.size());
    if (count < 2) return true;
    Control& next = *group[size_t((at + (backwards ? count - 1 : 1)) % count)];
    focusControl(next);
    selectOption(next);
    return true;
}

void Form::onActivate(WPARAM wParam, LPARAM lParam) {
    HWND window = hwnd_;
    if (LOWORD(wParam) == WA_INACTIVE) {
        // as a dialog does, the control with the focus gets it back when the window returns
        HWND focused = GetFocus();
        lastFocus_ = focused && IsChild(window, focused) ? focused : nullptr;
        DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
        return;
    }
    DefWindowProcA(window, WM_ACTIVATE, wParam, lParam);
    if (!HIWORD(wParam)) focus();
    Event event = makeEvent(EventType::Activate, nullptr);
    fire(event);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = OwnerOf<Form>(window, message, lParam);
    if (form == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCCREATE) form->hwnd_ = window;
    // nothing thrown leaves a window procedure: what failed is recorded, Windows' default runs
    LRESULT result = 0;
    bool handled = RunRecorded([&] { result = form->dispatch(message, wParam, lParam); },
                               [&] { return MessageName(form->name_, message); });
    if (!handled && IsWindow(window)) result = DefWindowProcA(window, message, wParam, lParam);
    return result;
}

LRESULT Form::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (filter_) {
        MessageFilter filter = filter_;  // the filter may replace itself
        LRESULT result = 0;
        // the runtime always sees the end of the window, whatever the filter says
        if (filter(message, wParam, lParam, result) && message != WM_NCDESTROY) return result;
    }
    return handle(message, wParam, lParam);
}

LRESULT CALLBACK Form::BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = OwnerOf<Control>(window, message, lParam);
    if (control == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCCREATE) control->hwnd_ = window;
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return control->form_.dispatchControl(window, *control, message, wParam, lParam,
                                          DefWindowProcA);
}

LRESULT CALLBACK Form::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR data) {
    auto* control = reinterpret_cast<Control*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ControlProc, 0);
        control->subclassed_ = false;
    }
    return control->form_.dispatchControl(window, *control, message, wParam, lParam,
                                          DefSubclassProc);
}

// The control's messages: the view's filter, then the runtime, then the control's own procedure.
LRESULT Form::dispatchControl(HWND window, Control& control, UINT message, WPARAM wParam,
                              LPARAM lParam, WNDPROC fallback) {
    LRESULT result = 0;
    auto run = [&] {
        if (control.filter_) {
            MessageFilter filter = control.filter_;
            if (filter(message, wParam, lParam, result) && message != WM_NCDESTROY) return;
        }
        if (message == WM_NCDESTROY) {
            if (control.hwnd_ == window) control.hwnd_ = nullptr;
            result = fallback(window, message, wParam, lParam);
            return;
        }
        result = handleControl(control, message, wParam, lParam);
        if (result != LRESULT(-1)) return;
        // a handler may have closed the window
        result = IsWindow(window) ? fallback(window, message, wParam, lParam) : 0;
    };
    auto where = [&] {
        return MessageName(name_ + "." + ControlName(control.name_, control.index_), message);
    };
    if (!RunRecorded(run, where) && IsWindow(window))
        result = fallback(window, message, wParam, lParam);
    return result;
}

bool Form::needsOwnMessages(const Control& control) const {
    if (control.kind_ == Kind::Frame || control.filter_) return true;
    for (const Route& route : routes_)
        if (route.control == control.name_ && IsOwnMessageEvent(route.type)) return true;
    return false;
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
            onActivate(wParam, lParam);
            return 0;
        case kRunPosted:
            runPosted();
            return 0;
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
            fireMouse(nullptr, message, wParam, lParam);
            if (!hwnd_) return 0;
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            // the second press of a quick pair is a press too
            fireMouse(nullptr, PressOf(message), wParam, lParam);
            if (hwnd_ && message == WM_LBUTTONDBLCLK) fireMouse(nullptr, message, wParam, lParam);
            if (!hwnd_) return 0;
            break;
        case WM_CLOSE:
            unload();
            return 0;
        case WM_DESTROY:
            for (auto& control : controls_) {
                if (control->kind_ == Kind::Timer) KillTimer(window, UINT_PTR(control.get()));
                // the controls' windows still stand; their names go with them
                if (control->hwnd_) {
                    auto atom = ATOM(UINT_PTR(RemovePropA(control->hwnd_, "NXName")));
                    if (atom) GlobalDeleteAtom(atom);
                }
            }
            if (quitsProgram_) PostQuitMessage(0);
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            lastFocus_ = nullptr;
            posted_.clear();
            for (auto& control : controls_) {
                control->hwnd_ = nullptr;
                control->waiting_ = false;
            }
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
        case SB_LINELEFT:
            value -= range.smallChange;
            break;
        case SB_LINERIGHT:
            value += range.smallChange;
            break;
        case SB_PAGELEFT:
            value -= range.largeChange;
            break;
        case SB_PAGERIGHT:
            value += range.largeChange;
            break;
        case SB_LEFT:
            value = range.min;
            break;
        case SB_RIGHT:
            value = range.max;
            break;
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
    HFONT created =
        CreateFontA(-MulDiv(points, dpiY_, 72), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                    font.italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, name.c_str());
    fonts_.push_back({name, points, font.bold, font.italic, created});
    return created;
}

void Form::fireMouse(Control* target, UINT message, WPARAM wParam, LPARAM lParam) {
    bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    bool up = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    EventType type = down                      ? EventType::MouseDown
                     : up                      ? EventType::MouseUp
                     : message == WM_MOUSEMOVE ? EventType::MouseMove
                                               : EventType::DblClick;
    Event event = makeEvent(type, target);
    event.shift = ShiftState();
    event.button = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP   ? LeftButton
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
            Event event =
                makeEvent(message == WM_CHAR ? EventType::KeyPress : EventType::KeyDown, target);
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
        case WM_MOUSEMOVE: {
            HWND window = target->hwnd_;
            fireMouse(target, message, wParam, lParam);
            if (!IsWindow(window)) return 0;
            if (ownDrawn && message == WM_LBUTTONUP) {
                Event click = makeEvent(EventType::Click, target);
                fire(click);
            }
            return ownDrawn ? 0 : -1;
        }
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: {
            // the second press of a quick pair is a press too; standard controls then notify
            // their own double click, pictures and images raise it here
            HWND window = target->hwnd_;
            fireMouse(target, PressOf(message), wParam, lParam);
            if (!IsWindow(window)) return 0;
            if (!ownDrawn) return -1;
            if (message == WM_LBUTTONDBLCLK) fireMouse(target, message, wParam, lParam);
            return 0;
        }
    }
    return -1;
}

}  // namespace forms
