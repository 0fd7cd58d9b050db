#include "drawing_test_window.h"

#include <cmath>

#include "frm_test.h"
#include "label_size.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

namespace {

int Twips(double value) {
    return int(std::lround(value));
}

bool AnyMouseButtonHeld() {
    return (GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON) |
            GetAsyncKeyState(VK_MBUTTON)) &
           0x8000;
}

}  // namespace

DrawingTestWindow::DrawingTestWindow(ControlPanel& panel)
    : panel_(panel), form_(TestFormSpec()), model_(panel.driver, panel.block) {}

DrawingTestWindow::~DrawingTestWindow() {
    accuracy_.reset();
    canvas_.reset();
}

bool DrawingTestWindow::open() {
    if (!form_.load()) return false;
    HWND window = form_.hwnd();
    sessionEvents_ = std::make_unique<SessionNotifications>(window);
    if (panel_.branding.icon) form_["imgIcon"].setPicture(panel_.branding.icon);
    for (const char* label : {"lblTitle", "lblWidthName", "lblColorName", "lblButtonName"})
        FitLabelToCaption(form_[label]);
    helpHeight_ = form_["lblHelp"].height();
    canvas_ = std::make_unique<PictureCanvas>(form_["picHome"]);
    bindEvents();
    SetWindowPos(window, HWND_TOP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_NOACTIVATE);
    layOut();
    render();
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    return true;
}

void DrawingTestWindow::bindEvents() {
    form_.on(EventType::Activate, [this](Event&) {
        model_.activate();
        render();
    });
    form_.on(EventType::Resize, [this](Event&) { layOut(); });
    form_.on(EventType::Unload, [this](Event&) { leave(); });
    form_.setMessageFilter([this](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        onSessionSignal(SessionSignalOf(message, wParam));
        return false;
    });
    form_.on(EventType::Click, "cmdClear", [this](Event&) { canvas_->clear(); });
    form_.on(EventType::Click, "cmdAccuracy", [this](Event&) { openAccuracyCheck(); });
    form_.on(EventType::Click, "cmdExit", [this](Event&) { form_.unload(); });
    for (EventType type : {EventType::MouseDown, EventType::Click}) {
        form_.on(type, "lblWidth", [this](Event& event) {
            model_.selectWidth(event.index);
            render();
        });
        form_.on(type, "lblColor", [this](Event& event) {
            model_.selectColour(event.index);
            render();
        });
    }
    form_.on(EventType::MouseDown, "picHome", [this](Event& event) { onCanvasButtonDown(event); });
    form_.on(EventType::MouseMove, "picHome",
             [this](Event& event) { draw(model_.move(event.x, event.y)); });
    form_.on(EventType::MouseUp, "picHome", [this](Event& event) { onCanvasButtonUp(event); });
}

// The user's own button mode goes back at once; a lock or a log-off also closes the test.
void DrawingTestWindow::onSessionSignal(SessionSignal signal) {
    if (unloaded_) return;
    if (signal == SessionSignal::EndSession) {
        leave();  // Windows ends the process after this message without an unload
    } else if (signal == SessionSignal::BreakOff) {
        model_.unload();
        form_.post([this] { form_.unload(); });
    }
}

void DrawingTestWindow::leave() {
    if (unloaded_) return;
    unloaded_ = true;
    sessionEvents_.reset();
    model_.unload();
    ReturnToMainWindow(*panel_.main);
}

void DrawingTestWindow::onCanvasButtonDown(const Event& event) {
    draw(model_.buttonDown(event.button, event.x, event.y));
    // a stroke dragged beyond the canvas still ends where the button comes up
    if (HWND canvas = form_["picHome"].hwnd()) SetCapture(canvas);
    render();
}

void DrawingTestWindow::onCanvasButtonUp(const Event& event) {
    model_.buttonUp(event.button);
    if (!AnyMouseButtonHeld() && GetCapture() == form_["picHome"].hwnd()) ReleaseCapture();
    render();
}

// The check changes nothing here: the driver keeps this window's button mode, the canvas and the
// pen stay as they are.
void DrawingTestWindow::openAccuracyCheck() {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    accuracy_ = std::make_unique<AccuracyCheckWindow>(panel_, form_.hwnd());
    accuracy_->open();
    forms::SetScreenPointer(forms::Pointer::Default);
}

void DrawingTestWindow::draw(const Stroke& stroke) {
    if (!canvas_ || stroke.kind == Stroke::Kind::None) return;
    auto x = [this](int twips) { return form_.twipsToPixelsX(twips); };
    auto y = [this](int twips) { return form_.twipsToPixelsY(twips); };
    COLORREF colour = COLORREF(stroke.colour);
    if (stroke.kind == Stroke::Kind::Dot)
        canvas_->dot(x(stroke.toX), y(stroke.toY), colour, stroke.width);
    else
        canvas_->line(x(stroke.fromX), y(stroke.fromY), x(stroke.toX), y(stroke.toY), colour,
                      stroke.width);
}

void DrawingTestWindow::layOut() {
    if (!form_.loaded()) return;
    forms::Control& head = form_["picHead"];
    forms::Control& strip = form_["picMesg"];
    int width = form_.clientWidth(), height = form_.clientHeight();
    head.move(0, 0, width, head.height());
    strip.move(0, height - strip.height(), width, strip.height());

    forms::Control& icon = form_["imgIcon"];
    forms::Control& title = form_["lblTitle"];
    forms::Control& exit = form_["cmdExit"];
    forms::Control& clear = form_["cmdClear"];
    forms::Control& accuracy = form_["cmdAccuracy"];
    HeaderLayout header =
        LayOutHeader({double(head.innerWidth()), double(head.innerHeight()), double(icon.width()),
                      double(icon.height()), double(title.height()), double(exit.width())});
    icon.move(Twips(header.iconLeft), Twips(header.iconTop), icon.width(), icon.height());
    title.move(Twips(header.titleLeft), Twips(header.titleTop), title.width(), title.height());
    exit.move(Twips(header.exitLeft), Twips(header.exitTop), exit.width(),
              Twips(header.exitHeight));
    clear.move(Twips(header.clearLeft), Twips(header.clearTop), Twips(header.clearWidth),
               Twips(header.clearHeight));
    accuracy.move(Twips(header.accuracyLeft), Twips(header.clearTop), Twips(header.clearWidth),
                  Twips(header.clearHeight));

    ToolStripInput in{};
    in.windowInnerWidth = width;
    in.windowInnerHeight = height;
    in.headHeight = head.height();
    in.stripHeight = strip.height();
    in.stripInnerWidth = strip.innerWidth();
    in.stripInnerHeight = strip.innerHeight();
    auto sizeOf = [this](const char* name, int index) {
        forms::Control& label = form_.item(name, index);
        return StripLabel{double(label.width()), double(label.height())};
    };
    for (int i = 0; i < kWidthSwatches; ++i) in.widthSwatch[i] = sizeOf("lblWidth", i);
    for (int i = 0; i < kColourSwatches; ++i) in.colourSwatch[i] = sizeOf("lblColor", i);
    for (int i = 0; i < kButtonIndicators; ++i) in.indicator[i] = sizeOf("lblButton", i);
    in.widthName = sizeOf("lblWidthName", -1);
    in.colourName = sizeOf("lblColorName", -1);
    in.indicatorName = sizeOf("lblButtonName", -1);
    forms::Control& help = form_["lblHelp"];
    in.helpHeight = helpHeight_;
    ToolStripLayout out = LayOutToolStrip(in);
    // where the strip leaves the help too narrow for one line, it takes the lines it wraps to
    int wrapped = help.wrappedTextHeight(Twips(out.helpWidth));
    if (wrapped > helpHeight_) {
        in.helpHeight = wrapped;
        out = LayOutToolStrip(in);
    }

    form_["picHome"].move(0, Twips(out.canvasTop), Twips(out.canvasWidth), Twips(out.canvasHeight));
    auto place = [this](const char* name, int index, const StripPosition& at) {
        forms::Control& label = form_.item(name, index);
        label.move(Twips(at.left), Twips(at.top), label.width(), label.height());
    };
    for (int i = 0; i < kWidthSwatches; ++i) place("lblWidth", i, out.widthSwatch[i]);
    for (int i = 0; i < kColourSwatches; ++i) place("lblColor", i, out.colourSwatch[i]);
    for (int i = 0; i < kButtonIndicators; ++i) place("lblButton", i, out.indicator[i]);
    place("lblWidthName", -1, out.widthName);
    place("lblColorName", -1, out.colourName);
    place("lblButtonName", -1, out.indicatorName);
    form_["lblHelpBox"].move(0, 0, Twips(out.helpBoxWidth), Twips(out.helpBoxHeight));
    help.move(Twips(out.helpLeft), Twips(out.helpTop), Twips(out.helpWidth), Twips(in.helpHeight));
}

void DrawingTestWindow::render() {
    for (int i = 0; i < kWidthSwatches; ++i) {
        SwatchLook look = model_.widthSwatch(i);
        forms::Control& swatch = form_.item("lblWidth", i);
        swatch.setForeColour(look.text);
        swatch.setBackColour(look.back);
    }
    // the colour swatches show the chosen one with a single-line border
    for (int i = 0; i < kColourSwatches; ++i)
        form_.item("lblColor", i).setBordered(model_.colourSwatchBordered(i));
    for (int i = 0; i < kButtonIndicators; ++i)
        form_.item("lblButton", i)
            .setBackColour(model_.indicatorLit(i) ? kIndicatorLit : kSystemColour);
}
