// The FLTK backend's application object: the display connection, the message loop and the boxes.
#include "platform/TApplication.h"
#include "platform/TForm.h"
#include "platform/fltk/FltkNative.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>
#include <FL/x.H>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

// FLTK 1.3 has no glyph fallback: text beyond ASCII needs a font that holds its glyphs. The
// leading blank selects the regular face (FLTK reads a first 'I', 'B' or 'P' as a style).
constexpr char kNonAsciiBoxFont[] = " IPAPGothic";

[[noreturn]] int DisplayLost(Display*) {
    // Without its display the program has nothing left to show; it ends as every run ends.
    std::fputs("The connection to the display was lost.\n", stderr);
    _exit(0);
}

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void ChooseBoxFont(TApplicationNative* n, const std::string& text) {
    if (IsAscii(text)) {
        fl_message_font(FL_HELVETICA, FL_NORMAL_SIZE);
        return;
    }
    if (n->japaneseFont < 0) {
        n->japaneseFont = FL_FREE_FONT;
        Fl::set_font(Fl_Font(n->japaneseFont), kNonAsciiBoxFont);
    }
    fl_message_font(Fl_Font(n->japaneseFont), FL_NORMAL_SIZE);
}

void PrepareBox(TApplicationNative* n, const std::string& title, const std::string& text) {
    ChooseBoxFont(n, text);
    fl_message_title(title.c_str());
    fl_close = "OK";
}

void HideForm(TForm* form) {
    if (form != nullptr && form->Native() != nullptr && form->Native()->window->shown()) {
        form->Native()->window->hide();
        XFlush(fl_display);
    }
}

bool Showing(const TForm* form) {
    return form != nullptr && form->Visible() && form->Native() != nullptr &&
           form->Native()->window->shown();
}

} // namespace

void TApplicationNativeDeleter::operator()(TApplicationNative* n) const noexcept {
    delete n;
}

void TApplication::InitializeNative() {
    if (native_) {
        return;
    }
    // FLTK ends the process when it cannot open the display; open it here to report it instead.
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        const std::string name = XDisplayName(nullptr);
        throw Exception(name.empty() ? std::string("Cannot open the display: DISPLAY is not set.")
                                     : "Cannot open the display \"" + name + "\".");
    }
    fl_open_display(display);
    // A lost server shows as a failed write before the I/O error handler can run.
    std::signal(SIGPIPE, SIG_IGN);
    XSetIOErrorHandler(DisplayLost);
    native_.reset(new TApplicationNative);
}

void TApplication::RunNative() {
    while (!terminated_ && Showing(mainForm_)) {
        Fl::wait();
    }
    HideForm(mainForm_);
}

void TApplication::TerminateNative() {
    HideForm(mainForm_);
}

void TApplication::ShowErrorBox(const std::string& text) {
    if (!native_) {
        // No display, so no box: the message goes where a user started the program from.
        std::fprintf(stderr, "%s: %s\n", Title.c_str(), text.c_str());
        return;
    }
    PrepareBox(native_.get(), Title, text);
    fl_alert("%s", text.c_str());
}

void TApplication::ShowMessageBox(const std::string& text) {
    if (!native_) {
        std::fprintf(stderr, "%s: %s\n", Title.c_str(), text.c_str());
        return;
    }
    PrepareBox(native_.get(), Title, text);
    fl_message("%s", text.c_str());
}
