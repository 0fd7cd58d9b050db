#include "message_window.h"

#include "busy_pointer.h"
#include "frm_message.h"
#include "message_layout.h"
#include "painted_bitmap.h"

MessageWindow::MessageWindow(std::string programTitle)
    : form_(kMessageForm), title_(std::move(programTitle)) {
    // nothing to operate here: a close from the keyboard is refused like the missing close box
    form_.on(forms::EventType::Unload, [this](forms::Event& event) { event.cancel = !closing_; });
}

MessageWindow::~MessageWindow() {
    close();
    if (picture_) DeleteObject(picture_);
}

bool MessageWindow::load() {
    if (form_.loaded()) return true;
    if (!form_.load()) return false;
    closing_ = false;
    form_.setCaption(title_);
    forms::Control& image = form_["imgMsg"];
    RECT pixels = image.pixelRect();
    if (!picture_)
        picture_ = SystemIconBitmap(IDI_INFORMATION, pixels.right - pixels.left,
                                    pixels.bottom - pixels.top);
    image.setPicture(picture_);
    return true;
}

bool MessageWindow::show(const std::string& text) {
    if (!load()) return false;
    layOut(text);
    place();
    ShowWindow(form_.hwnd(), SW_SHOWNORMAL);
    RedrawWindow(form_.hwnd(), nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return true;
}

void MessageWindow::layOut(const std::string& text) {
    forms::Control& label = form_["lblMsg"];
    label.setCaption(text);
    int client = form_.clientHeight();
    // the label takes the height of its text, at most the whole client area
    int height = label.wrappedTextHeight(label.width());
    if (height > client) height = client;
    label.move(label.left(), CentredTop(client, height), label.width(), height);
    forms::Control& image = form_["imgMsg"];
    image.setTop(CentredTop(client, image.height()));
}

void MessageWindow::place() {
    BusyPointer busy;
    TwipsSize screen{form_.pixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)),
                     form_.pixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN))};
    TwipsPosition at = MessageWindowPosition(screen, TwipsSize{form_.width(), form_.height()});
    form_.move(at.left, at.top);
}

void MessageWindow::close() {
    if (!form_.loaded()) return;
    closing_ = true;
    form_.unload();
}
