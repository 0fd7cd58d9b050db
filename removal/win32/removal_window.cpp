#include "removal_window.h"

#include "about_box.h"
#include "companion_programs.h"
#include "frm_removal.h"
#include "install_record.h"
#include "message_boxes.h"
#include "message_loop.h"
#include "own_program.h"
#include "painted_bitmap.h"
#include "plain_message.h"
#include "program_start.h"
#include "restart_windows.h"
#include "shared_texts.h"
#include "title_band.h"
#include "wide_text.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

namespace {

// The width of the caption as the title bar draws it, in pixels.
int CaptionTextPixels(HWND window, const std::string& caption) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption.c_str(), int(caption.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    DeleteObject(font);
    return extent.cx;
}

}  // namespace

RemovalWindow::RemovalWindow() : form_(RemovalFormSpec()) {}

RemovalWindow::~RemovalWindow() {
    closeUninstaller();
    if (warning_) DeleteObject(warning_);
}

bool RemovalWindow::load() {
    if (!form_.load()) return false;
    form_.setQuitsProgram(true);
    form_.setCaption(kRemovalProgramTitle);
    forms::Control& version = form_["lblSystem"];
    version.setCaption(version.caption() + kVersionText);
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    bool installed = LoadInstallInfo(registry_, config_);
    forms::SetScreenPointer(forms::Pointer::Default);
    if (!installed) {
        ShowPlainMessage(kRegisterFileFailText, form_.caption());
        return false;
    }
    // the folder the uninstaller and the logo come from; InstallPath only says where it was
    config_.programFolder = RecordedInstallFolder();
    BrandMainWindow(form_, config_, branding_);
    form_["lblAsk"].setCaption(RemovalQuestion());
    warning_ = SystemIconBitmap(IDI_EXCLAMATION, 32, 32);
    form_["imgRemoval"].setPicture(warning_);
    layOut();
    PlaceWindow(form_);
    CentreIcon(form_);
    form_.on(EventType::Click, "cmdNo", [this](Event&) { form_.unload(); });
    form_.on(EventType::Click, "cmdYes", [this](Event&) { onYes(); });
    form_.on(EventType::DblClick, "imgIcon", [this](Event&) { onAbout(); });
    form_.show();
    SetFocus(form_["cmdNo"].hwnd());
    return true;
}

void RemovalWindow::layOut() {
    forms::Control& yes = form_["cmdYes"];
    forms::Control& no = form_["cmdNo"];
    int captionTwips = form_.pixelsToTwipsX(CaptionTextPixels(form_.hwnd(), form_.caption()));
    form_.resize(RemovalWindowWidth(form_.width(), captionTwips, yes.width()), form_.height());
    int inner = form_.clientWidth();
    forms::Control& frame = form_["shpRemoval"];
    frame.setLeft((inner - frame.width()) / 2);
    ButtonPair pair = CentreButtonPair(inner, yes.width(), no.width());
    yes.setLeft(pair.yesLeft);
    no.setLeft(pair.noLeft);
    // an etched separator: a shadow line with a highlight line 20 twips under it
    form_["lineShadow"].setForeColour(GetSysColor(COLOR_BTNSHADOW));
    form_["lineHighlight"].setForeColour(GetSysColor(COLOR_BTNHIGHLIGHT));
    for (const char* line : {"lineShadow", "lineHighlight"}) form_[line].setLeft(frame.left());
}

void RemovalWindow::onAbout() {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    form_.hide();
    if (!about_.open(std::make_unique<AboutBox>(form_, config_, branding_))) form_.show();
    forms::SetScreenPointer(forms::Pointer::Default);
}

void RemovalWindow::onYes() {
    RunRemoval(*this, driver_, RemovalTargets{config_.programFolder, OwnProgramFile()});
    form_.unload();
}

void RemovalWindow::hideQuestion() {
    form_.hide();
}

bool RemovalWindow::openDriver() {
    return driver_.OpenTouchDriver();
}

void RemovalWindow::closeDriver() {
    driver_.CloseTouchDriver();
}

void RemovalWindow::notify(int32_t window, CompanionNotification notification) {
    SendCompanionNotification(window, notification);
}

void RemovalWindow::showProgress(const std::string& text) {
    message_.show(text);
}

void RemovalWindow::closeProgress() {
    message_.close();
}

void RemovalWindow::pauseWithEvents(uint32_t milliseconds) {
    forms::PauseWithEvents(milliseconds);
}

bool RemovalWindow::startUninstaller(const std::string& commandLine) {
    HANDLE started = StartProgram("", commandLine, SW_SHOWNORMAL);
    if (!started) return false;
    uninstaller_ = OpenProcess(SYNCHRONIZE, FALSE, GetProcessId(started));
    CloseHandle(started);
    return uninstaller_ != nullptr;
}

WaitResult RemovalWindow::waitForUninstaller(uint32_t milliseconds) {
    ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        forms::DoEvents();
        ULONGLONG now = GetTickCount64();
        DWORD left = now >= deadline ? 0 : DWORD(deadline - now);
        DWORD result = MsgWaitForMultipleObjects(1, &uninstaller_, FALSE, left, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) return WaitResult::Finished;
        if (result == WAIT_OBJECT_0 + 1 && left > 0) continue;
        if (result == WAIT_TIMEOUT || result == WAIT_OBJECT_0 + 1) return WaitResult::TimedOut;
        if (result == WAIT_ABANDONED_0) return WaitResult::Abandoned;
        return WaitResult::Failed;
    }
}

void RemovalWindow::closeUninstaller() {
    if (uninstaller_) CloseHandle(uninstaller_);
    uninstaller_ = nullptr;
}

void RemovalWindow::deleteAtRestart(const std::string& path) {
    MoveFileExW(WideFromUtf8(path).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

void RemovalWindow::showFailure(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), kRemovalProgramTitle,
                MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
}

void RemovalWindow::showFinished(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), kRemovalProgramTitle,
                MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL);
}

bool RemovalWindow::restartWindows() {
    return RestartWindows(kRemovalProgramTitle);
}
