// The forms runtime: a window built from its FormSpec, whose controls are real child windows
// of the standard classes, with properties that read like the designed forms and events
// routed to handlers by control name.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form_spec.h"

namespace forms {

// Shift state as the designed forms see it.
enum ShiftMask : int { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };
enum MouseButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

enum class EventType {
    Click,
    DblClick,
    MouseDown,
    MouseUp,
    MouseMove,
    KeyDown,   // key = virtual-key code; set it to 0 to swallow the key
    KeyPress,  // key = character; set it to 0 to swallow it
    Change,    // a scroll bar's value changed (not while the thumb is dragged)
    Scroll,    // the thumb is being dragged
    Activate,
    Resize,
    Unload,  // set cancel to keep the window
    Timer,
};

struct Event {
    EventType type;
    std::string control;  // the control's name; the form's own name for form events
    int index = -1;       // the control array index
    int button = 0;       // MouseButton bits
    int shift = 0;        // ShiftMask bits
    int x = 0, y = 0;     // twips, relative to the control
    int key = 0;
    bool cancel = false;
};

using Handler = std::function<void(Event&)>;

// A control's child-window identifier is its place in the table plus this.
constexpr int kFirstControlId = 100;

// A view's own look at a window's or a control's raw messages, before the runtime handles them:
// true when the view handled the message, with the result to give.
using MessageFilter =
    std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

enum class Pointer { Default, Hourglass, Arrow };

class Form;

class Control {
public:
    Control(Form& form, const ControlSpec& spec);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Kind kind() const { return kind_; }
    // The control's window; one the design hides is made here if it is not made yet.
    HWND hwnd() const;

    std::string caption() const;
    void setCaption(const std::string& text);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    uint32_t foreColour() const { return foreColour_; }
    void setForeColour(uint32_t bgr);
    uint32_t backColour() const { return backColour_; }
    void setBackColour(uint32_t bgr);
    void setFont(const FontSpec& font);
    const FontSpec& font() const { return font_; }

    // Position and size in twips, relative to the form's client area.
    int left() const { return rect_.left; }
    int top() const { return rect_.top; }
    int width() const { return rect_.width; }
    int height() const { return rect_.height; }
    void setLeft(int twips) { move(twips, rect_.top, rect_.width, rect_.height); }
    void setTop(int twips) { move(rect_.left, twips, rect_.width, rect_.height); }
    void setWidth(int twips) { move(rect_.left, rect_.top, twips, rect_.height); }
    void setHeight(int twips) { move(rect_.left, rect_.top, rect_.width, twips); }
    void move(int left, int top, int width, int height);
    // The inside of a bordered control, in twips.
    int innerWidth() const;
    int innerHeight() const;
    // The height in twips the caption needs at this width, wrapped as a label wraps it.
    int wrappedTextHeight(int widthTwips) const;

    // Scroll bars: the position; check boxes and options: 1 when ticked or selected.
    int value() const;
    void setValue(int value);  // fires Change (a scroll bar) or Click (a check box or option)
    const Range& range() const { return range_; }

    // Drop-down lists.
    int listIndex() const;
    void setListIndex(int index);  // fires Click, as a choice from the list does
    void addItem(const std::string& text);
    void clearItems();
    int listCount() const;

    // Timers.
    int interval() const { return interval_; }
    void setInterval(int milliseconds);

    // A single-line border around a label, picture or image.
    bool bordered() const { return (flags_ & Bordered) != 0; }
    void setBordered(bool bordered);

    // Sees the control's messages before the runtime does.
    void setMessageFilter(MessageFilter filter);

    // Pictures, images and picture buttons; the control does not own the bitmap.
    void setPicture(HBITMAP bitmap);
    HBITMAP picture() const { return picture_; }

    // For the form's painting and routing.
    bool transparent() const { return transparent_; }
    bool filled() const { return filled_; }
    bool stretch() const { return stretch_; }
    HBRUSH backBrush();
    // Makes the window; above, when given, is the sibling it goes below (HWND_TOP: above all).
    void createWindow(HWND parent, int id, const HWND* above = nullptr);
    // Whether the window may wait until it is shown or asked for: a control the table hides
    // whose state the runtime keeps whole.
    bool madeWhenNeeded() const;
    RECT pixelRect() const;
    // Whether Tab and the arrow keys can bring the focus here now.
    bool canTakeFocus() const;

private:
    void applyFont();
    void repaintArea() const;
    void armTimer();
    // Puts the runtime in front of a standard control's own procedure, once.
    void subclass();

    Form& form_;
    std::string name_;
    int index_;
    Kind kind_;
    HWND hwnd_ = nullptr;
    bool waiting_ = false;  // its window is still to be made
    bool subclassed_ = false;
    TwipsRect rect_;
    std::string containerName_;
    std::string caption_;
    bool enabled_;
    bool visible_;
    bool designHidden_;  // the table hides it
    uint32_t foreColour_;
    uint32_t backColour_;
    FontSpec font_;
    std::string fontName_;
    HFONT hfont_ = nullptr;
    HBRUSH brush_ = nullptr;
    Range range_;
    int interval_;
    HBITMAP picture_ = nullptr;
    bool transparent_;
    bool filled_;
    bool stretch_;
    uint32_t flags_;
    std::vector<std::string> items_;
    int scrollValue_;
    MessageFilter filter_;

    friend class Form;
};

class Form {
public:
    explicit Form(const FormSpec& spec);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window and its controls, hidden. False when the window could not be made.
    bool load(HWND owner = nullptr);
    bool loaded() const { return hwnd_ != nullptr; }
    void show();
    void hide();
    bool visible() const;
    // Closes the window as the close box does: Unload may cancel; true when it closed.
    bool unload();
    // Closing the last window that quits the program.
    void setQuitsProgram(bool quits) { quitsProgram_ = quits; }
    // Gives the window the keyboard focus: the control that had it last, or the first tab stop.
    void focus();

    HWND hwnd() const { return hwnd_; }
    const std::string& name() const { return name_; }

    // The control with this name (and index, for control arrays). A name the table lacks is a
    // programming error: it is recorded and stops the program (debug builds) or the handler.
    // on(), raise() and controlArray() stop on such a name the same way.
    Control& operator[](const std::string& name) { return item(name, -1); }
    Control& item(const std::string& name, int index);
    bool has(const std::string& name, int index = -1) const;
    std::vector<Control*> controlArray(const std::string& name);

    std::string caption() const;
    void setCaption(const std::string& text);
    // Outer size and position of the window, in twips.
    int width() const;
    int height() const;
    int left() const;
    int top() const;
    void move(int left, int top);
    void resize(int width, int height);
    int clientWidth() const;
    int clientHeight() const;
    void setKeyPreview(bool on) { keyPreview_ = on; }
    bool keyPreview() const { return keyPreview_; }
    void setTopmost(bool on);
    void setMousePointer(Pointer pointer);
    Border border() const { return border_; }
    // The caption's system menu and close box.
    bool controlBox() const { return controlBox_; }
    void setControlBox(bool shown);

    int twipsToPixelsX(int twips) const;
    int twipsToPixelsY(int twips) const;
    int pixelsToTwipsX(int pixels) const;
    int pixelsToTwipsY(int pixels) const;

    // Handlers by event and control name; the form's own name for form events.
    void on(EventType type, const std::string& control, Handler handler);
    void on(EventType type, Handler handler) { on(type, name_, std::move(handler)); }

    // Raises an event of a control as if the user had caused it, e.g. a button's Click.
    void raise(EventType type, const std::string& control, int index = -1);

    // Sees the window's own messages before the runtime does.
    void setMessageFilter(MessageFilter filter) { filter_ = std::move(filter); }
    // Work that runs once from the window's message queue, after whatever shows the window or
    // handles the current event has finished. Dropped if the window closes first.
    void post(std::function<void()> work);

    // The message loop's hook: key preview, Enter and Esc for the default and cancel buttons,
    // Tab between controls and the arrow keys in option groups. True when it was consumed.
    bool preTranslate(MSG& message);

    static Form* fromWindow(HWND window);

protected:
    // Painting beyond the controls: shapes and lines are drawn here; windows may add theirs.
    virtual void paint(HDC dc);

private:
    friend class Control;
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK BoxProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK ControlProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatchControl(HWND window, Control& control, UINT message, WPARAM wParam,
                            LPARAM lParam, WNDPROC fallback);
    // Whether the runtime must see the control's own messages: a container's, a filtered
    // control's, or one with a key or mouse handler. Everything else reaches the form anyway.
    bool needsOwnMessages(const Control& control) const;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControl(Control& control, UINT message, WPARAM wParam, LPARAM lParam);
    bool fire(Event& event);  // true when some handler ran
    void onActivate(WPARAM wParam, LPARAM lParam);
    void runPosted();
    std::vector<Control*> tabStops() const;
    void focusControl(Control& control);
    bool moveFocus(const Control* from, bool backwards);
    bool moveInGroup(Control& option, bool backwards);
    bool sameGroup(const Control& a, const Control& b) const;
    Event makeEvent(EventType type, const Control* control) const;
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onScroll(HWND bar, int code);
    LRESULT onColour(HDC dc, HWND control);
    void onPaint();
    void onTimer(UINT_PTR id);
    Control* controlFor(HWND window);
    void positionControl(Control& control);
    HFONT fontFor(const FontSpec& font);
    void updateCursor() const;
    void selectOption(Control& option);
    bool pressAccessKey(WPARAM character, LPARAM keyData);
    void fireMouse(Control* target, UINT message, WPARAM wParam, LPARAM lParam);
    RECT shapeRect(const Control& shape) const;  // pixels, in the form's client area
    HWND parentFor(const Control& control) const;
    void makeWindow(Control& control);  // a control's window made after the others
    void requireName(const std::string& name) const;
    [[noreturn]] void stopOnMissing(const std::string& control) const;

    std::string name_;
    std::string designCaption_;
    int designClientWidth_;
    int designClientHeight_;
    Border border_;
    uint32_t backColour_;
    HBRUSH backBrush_ = nullptr;
    FontSpec defaultFont_;
    bool keyPreview_;
    bool topmost_;
    bool quitsProgram_ = false;
    bool controlBox_;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window went inactive
    MessageFilter filter_;
    std::vector<std::function<void()>> posted_;
    int dpiX_ = 96;
    int dpiY_ = 96;
    Pointer pointer_ = Pointer::Default;
    std::vector<std::unique_ptr<Control>> controls_;
    struct Route {
        EventType type;
        std::string control;
        Handler handler;
    };
    std::vector<Route> routes_;
    struct CachedFont {
        std::string name;
        int points;
        bool bold, italic;
        HFONT font;
    };
    std::vector<CachedFont> fonts_;
};

// The pointer over every window of the program while a long action runs.
void SetScreenPointer(Pointer pointer);
Pointer ScreenPointer();

}  // namespace forms
