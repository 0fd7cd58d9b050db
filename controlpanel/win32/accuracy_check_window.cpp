#include "accuracy_check_window.h"

#include <algorithm>
#include <cstdio>

#include "accuracy_view.h"
#include "frm_accuracy.h"
#include "label_size.h"
#include "main_window_model.h"
#include "message_boxes.h"
#include "monitor_edid_win32.h"
#include "report_file.h"
#include "title_band.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

namespace {

constexpr char kSaveTitle[] = "Save Accuracy Report";
constexpr int kMarginTwips = 120;
constexpr int kTickHalf = 6;  // a target in the result picture: a small cross, pixels
const char* const kCheckControls[] = {"picCheck", "lblInstruction", "lblProgress", "lblHelp"};
const char* const kResultControls[] = {"lblTitle",  "picResult", "lblMeanError", "lblLargestError",
                                       "lblResult", "cmdSave",   "cmdAgain",     "cmdClose"};
const char* const kResultLineLabels[kResultLines] = {"lblMeanError", "lblLargestError",
                                                     "lblResult"};
const char* const kResultButtonNames[kResultButtons] = {"cmdSave", "cmdAgain", "cmdClose"};

LocalTime Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

// The program title without the leading space every window caption carries.
std::string ProgramName() {
    std::string name = kControlPanelTitle;
    return name.substr(name.find_first_not_of(' '));
}

}  // namespace

AccuracyCheckWindow::AccuracyCheckWindow(ControlPanel& panel, HWND owner)
    : panel_(panel),
      owner_(owner),
      form_(AccuracyFormSpec()),
      check_(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), GetTickCount()) {
    display_.widthPixels = check_.screenWidth();
    display_.heightPixels = check_.screenHeight();
}

AccuracyCheckWindow::~AccuracyCheckWindow() {
    surface_.reset();
    picture_.reset();
    hideCursor(false);
}

bool AccuracyCheckWindow::open() {
    if (std::optional<DisplayProblem> problem = FullScreenRunRefused(panel_.block)) {
        ShowDisplayProblem(*problem, panel_.block, kControlPanelTitle);
        return false;
    }
    if (!form_.load(owner_)) return false;
    watchSession();
    if (std::optional<PhysicalSize> size = PrimaryMonitorPhysicalSize()) {
        PhysicalSize turned = AsTurned(*size, display_.widthPixels, display_.heightPixels);
        display_.widthMillimetres = turned.widthMillimetres;
        display_.heightMillimetres = turned.heightMillimetres;
    }
    for (const char* label : {"lblInstruction", "lblProgress", "lblHelp", "lblTitle"})
        FitLabelToCaption(form_[label]);
    // the buttons take the widest one's width, so the row reads as one
    int buttonWidth = 0;
    for (const char* name : kResultButtonNames)
        buttonWidth = std::max(buttonWidth, form_[name].width());
    for (const char* name : kResultButtonNames) form_[name].setWidth(buttonWidth);
    surface_ = std::make_unique<PictureCanvas>(form_["picCheck"]);
    picture_ = std::make_unique<PictureCanvas>(form_["picResult"]);
    bindEvents();
    SetWindowPos(form_.hwnd(), HWND_TOP, 0, 0, check_.screenWidth(), check_.screenHeight(),
                 SWP_NOACTIVATE);
    render();
    hideCursor(true);
    form_["TimerIdle"].setEnabled(true);
    ShowWindow(form_.hwnd(), SW_SHOW);
    SetForegroundWindow(form_.hwnd());
    return true;
}

void AccuracyCheckWindow::bindEvents() {
    // a touch that lands on a text of the check is a touch all the same; while a button is
    // held the window itself has the pointer
    for (const char* name : kCheckControls) bindTouch(name);
    bindTouch(form_.name());
    watchForLostHolds();
    form_.on(EventType::KeyDown, [this](Event& event) {
        if (event.key != VK_ESCAPE || check_.done()) return;
        event.key = 0;
        form_.unload();
    });
    form_.on(EventType::Timer, "TimerIdle", [this](Event&) {
        if (check_.idle(GetTickCount())) form_.unload();
    });
    form_.on(EventType::Resize, [this](Event&) { render(); });
    form_.on(EventType::Click, "cmdSave", [this](Event&) { saveReport(); });
    form_.on(EventType::Click, "cmdAgain", [this](Event&) { again(); });
    form_.on(EventType::Click, "cmdClose", [this](Event&) { form_.unload(); });
    form_.on(EventType::Unload, [this](Event&) { leave(); });
}

// Where the pointer was when Windows reported the message being handled, in the window.
POINT AccuracyCheckWindow::touchedPoint() const {
    DWORD position = GetMessagePos();
    POINT at{short(LOWORD(position)), short(HIWORD(position))};
    ScreenToClient(form_.hwnd(), &at);
    return at;
}

void AccuracyCheckWindow::bindTouch(const std::string& name) {
    form_.on(EventType::MouseDown, name, [this](Event& event) { onPress(event.button); });
    form_.on(EventType::MouseMove, name, [this](Event&) { onMove(); });
    form_.on(EventType::MouseUp, name, [this](Event& event) { onRelease(event.button); });
}

void AccuracyCheckWindow::onPress(int button) {
    if (check_.done()) return;
    POINT at = touchedPoint();
    check_.press(uint32_t(GetMessageTime()), at.x, at.y, button);
    keepPointerWhileHeld();
}

void AccuracyCheckWindow::onMove() {
    if (!check_.pressed()) return;
    POINT at = touchedPoint();
    check_.move(uint32_t(GetMessageTime()), at.x, at.y);
}

void AccuracyCheckWindow::onRelease(int button) {
    POINT at = touchedPoint();
    AccuracyCheck::Release release = check_.release(uint32_t(GetMessageTime()), at.x, at.y, button);
    keepPointerWhileHeld();
    if (release == AccuracyCheck::Release::Ignored) return;
    if (check_.done())
        finish();
    else
        render();
}

// The release comes here even when the finger slides off onto a text; with no button held the
// pointer goes back, or the result's buttons would never see a click.
void AccuracyCheckWindow::keepPointerWhileHeld() {
    HWND window = form_.hwnd();
    if (window == nullptr) return;
    if (check_.keepsPointer()) {
        if (GetCapture() != window) SetCapture(window);
    } else if (GetCapture() == window) {
        ReleaseCapture();
    }
}

// A hold whose release can no longer come (another window took the pointer, a box or Alt+Tab
// took the foreground) is dropped and its target asked for again.
void AccuracyCheckWindow::watchForLostHolds() {
    form_.setMessageFilter([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        bool lost = (message == WM_CAPTURECHANGED && HWND(lParam) != form_.hwnd()) ||
                    message == WM_CANCELMODE ||
                    (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE);
        if (lost) loseHold();
        return false;  // the runtime and Windows handle the message as ever
    });
}

void AccuracyCheckWindow::loseHold() {
    bool dropped = check_.holdLost();
    keepPointerWhileHeld();
    if (dropped) render();
}

void AccuracyCheckWindow::finish() {
    finished_ = Now();
    form_["TimerIdle"].setEnabled(false);
    hideCursor(false);
    render();
    if (HWND close = form_["cmdClose"].hwnd()) SetFocus(close);
}

void AccuracyCheckWindow::again() {
    check_.restart(GetTickCount());
    render();
    SetFocus(form_.hwnd());
    hideCursor(true);
    form_["TimerIdle"].setEnabled(true);
}

void AccuracyCheckWindow::saveReport() {
    ReportFacts facts{ProgramName(), kVersionText, finished_,
                      display_,      panel_.block, check_.figures()};
    DWORD dialogError = 0;
    std::string path =
        AskWhereToSave(form_.hwnd(), kSaveTitle, ReportFileName(finished_), dialogError);
    if (path.empty()) {
        if (dialogError != 0) {
            char text[96];
            std::snprintf(text, sizeof text, "The Save dialog could not be opened (error %lu).",
                          static_cast<unsigned long>(dialogError));
            ShowErrorBox(text, kControlPanelTitle);
        }
        return;
    }
    std::string reason;
    if (!WriteWholeFile(path, AccuracyReport(facts), reason))
        ShowErrorBox("The report could not be saved to " + path + ".\r\n\r\n" + reason,
                     kControlPanelTitle);
}

// Esc, the idle time or Close: back to the drawing test as it was.
void AccuracyCheckWindow::leave() {
    if (left_) return;
    left_ = true;
    form_["TimerIdle"].setEnabled(false);
    if (GetCapture() == form_.hwnd()) ReleaseCapture();
    hideCursor(false);
    if (owner_ && IsWindow(owner_)) SetForegroundWindow(owner_);
}

void AccuracyCheckWindow::watchSession() {
    sessionEvents_ = std::make_unique<SessionNotifications>(form_.hwnd());
    form_.setMessageFilter([this](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        onSessionSignal(SessionSignalOf(message, wParam));
        return false;
    });
}

// A lock, a log-off or a display change abandons the check as Esc does; a display change also
// says why, once the check has closed.
void AccuracyCheckWindow::onSessionSignal(SessionSignal signal) {
    if (signal == SessionSignal::None || left_) return;
    bool displayChanged = signal == SessionSignal::DisplayChange && !check_.done();
    if (signal == SessionSignal::DisplayChange && !displayChanged) return;
    form_.post([this, displayChanged] {
        form_.unload();
        if (displayChanged)
            ShowDisplayProblem(DisplayProblem::ChangedDuringRun, panel_.block, kControlPanelTitle);
    });
}

void AccuracyCheckWindow::hideCursor(bool hidden) {
    if (hidden == cursorHidden_) return;
    cursorHidden_ = hidden;
    if (hidden)
        HideCursor();
    else
        ShowCursorAgain();
}

void AccuracyCheckWindow::render() {
    if (!form_.loaded()) return;
    bool result = check_.done();
    for (const char* name : kCheckControls) form_[name].setVisible(!result);
    for (const char* name : kResultControls) form_[name].setVisible(result);
    if (result)
        renderResult();
    else
        renderCheck();
}

void AccuracyCheckWindow::renderCheck() {
    form_["picCheck"].move(0, 0, form_.clientWidth(), form_.clientHeight());
    SetAutoSizedCaption(form_["lblInstruction"], AccuracyInstruction(check_.retry()));
    SetAutoSizedCaption(form_["lblProgress"], TargetProgress(check_.targetNumber()));
    layOutCheckTexts();
    if (!surface_ || drawnTarget_ == check_.targetNumber()) return;
    surface_->clear();
    DrawCrossMark(*surface_, AccuracyCross(check_.target()), true);
    drawnTarget_ = check_.targetNumber();
}

// The three lines centred one under the other, between the first two rows of targets.
void AccuracyCheckWindow::layOutCheckTexts() {
    const char* lines[] = {"lblInstruction", "lblProgress", "lblHelp"};
    int gap = form_.twipsToPixelsY(kMarginTwips), height = 0;
    for (const char* name : lines) height += form_.twipsToPixelsY(form_[name].height()) + gap;
    int top = CheckTextTop(check_.screenWidth(), check_.screenHeight(), height - gap);
    int width = form_.twipsToPixelsX(form_.clientWidth());
    for (const char* name : lines) {
        forms::Control& label = form_[name];
        int labelWidth = form_.twipsToPixelsX(label.width());
        int labelHeight = form_.twipsToPixelsY(label.height());
        place(label, {(width - labelWidth) / 2, top, labelWidth, labelHeight});
        top += labelHeight + gap;
    }
}

void AccuracyCheckWindow::renderResult() {
    std::vector<std::string> lines = ResultLines(check_.figures(), display_);
    for (int i = 0; i < kResultLines; ++i)
        SetAutoSizedCaption(form_[kResultLineLabels[i]], lines[size_t(i)]);
    form_["lblResult"].setForeColour(VerdictColour(check_.summary().verdict));
    layOutResult();
    drawResult();
}

void AccuracyCheckWindow::layOutResult() {
    auto px = [this](int twips) { return form_.twipsToPixelsX(twips); };
    auto py = [this](int twips) { return form_.twipsToPixelsY(twips); };
    forms::Control& title = form_["lblTitle"];
    forms::Control& close = form_["cmdClose"];
    int lineHeight = 0;
    for (const char* name : kResultLineLabels)
        lineHeight = std::max(lineHeight, py(form_[name].height()));
    AccuracyResultInput in{
        px(form_.clientWidth()), py(form_.clientHeight()),     px(kMarginTwips),
        px(title.width()),       py(title.height()),           lineHeight,
        px(close.width()),       py(close.height()),           check_.screenWidth(),
        check_.screenHeight(),   GetSystemMetrics(SM_CXBORDER)};
    AccuracyResultLayout layout = LayOutAccuracyResult(in);
    place(title, layout.title);
    place(form_["picResult"], layout.picture);
    for (int i = 0; i < kResultLines; ++i) {
        forms::Control& line = form_[kResultLineLabels[i]];
        place(line, {layout.lines[i].left, layout.lines[i].top, px(line.width()), lineHeight});
    }
    for (int i = 0; i < kResultButtons; ++i) place(form_[kResultButtonNames[i]], layout.buttons[i]);
}

void AccuracyCheckWindow::drawResult() {
    HWND window = form_["picResult"].hwnd();
    if (!picture_ || window == nullptr) return;
    RECT inside{};
    GetClientRect(window, &inside);
    picture_->clear();
    std::vector<ResultMark> marks = ResultMarks(check_.figures(), check_.screenWidth(),
                                                check_.screenHeight(), inside.right, inside.bottom);
    const COLORREF black = RGB(0, 0, 0);
    for (size_t i = 0; i < marks.size(); ++i) {
        const ResultMark& m = marks[i];
        picture_->line(m.x - kTickHalf, m.y, m.x + kTickHalf, m.y, black);
        picture_->line(m.x, m.y - kTickHalf, m.x, m.y + kTickHalf, black);
        picture_->text(m.x - 2, m.y - 2, std::to_string(i + 1), black);
        picture_->line(m.x, m.y, m.toX, m.toY, COLORREF(m.colour), 2);
        picture_->dot(m.toX, m.toY, COLORREF(m.colour), 5);
    }
}

void AccuracyCheckWindow::place(forms::Control& control, const PixelRect& at) {
    control.move(form_.pixelsToTwipsX(at.left), form_.pixelsToTwipsY(at.top),
                 form_.pixelsToTwipsX(at.width), form_.pixelsToTwipsY(at.height));
}
