// The FLTK backend's forms: one plain X window each.
#include "platform/TApplication.h"
#include "platform/TBitmap.h"
#include "platform/TForm.h"
#include "platform/fltk/FltkNative.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>

namespace {

// FLTK refuses windows without area; a form may be sized 0 until its creation handler sizes it.
int AtLeastOne(int32_t v) {
    return std::max<int32_t>(v, 1);
}

bool Shown(const TFormNative* n) {
    return n != nullptr && n->window && n->window->shown();
}

} // namespace

void TFormNativeDeleter::operator()(TFormNative* n) const noexcept {
    delete n;
}

void TForm::CreateNative() {
    native_.reset(new TFormNative);
    native_->window = std::make_unique<FltkFormWindow>(this, left_, top_, AtLeastOne(width_),
                                                       AtLeastOne(height_));
    FltkFormWindow* w = native_->window.get();
    w->copy_label(Description().Caption);
    // WM_CLASS, which the window search of preview mode looks for; FLTK reads it at show().
    w->xclass(Description().ClassName);
    w->border(Description().BorderStyle == TFormBorderStyle::bsNone ? 0 : 1);
}

void TForm::DestroyNative() {
    if (native_ && native_->window) {
        native_->window->hide();
    }
    native_.reset();
}

TForm::~TForm() {
    DestroyNative();
}

void TForm::ApplyBounds() {
    if (native_) {
        native_->window->resize(left_, top_, AtLeastOne(width_), AtLeastOne(height_));
    }
}

void TForm::ApplyCursor() {
    if (Shown(native_.get())) {
        native_->window->cursor(cursor_ == crNone ? FL_CURSOR_NONE : FL_CURSOR_DEFAULT);
    }
}

// Nothing to switch off on X: an input method only comes into play for a window that takes text
// input through it, and a form's own window takes none.
void TForm::SetImeDisabled() {}

void TForm::ShowNative() {
    FltkFormWindow* w = native_->window.get();
    if (Description().Position == TPosition::poScreenCenter) {
        int sx = 0, sy = 0, sw = 0, sh = 0;
        Fl::screen_xywh(sx, sy, sw, sh, 0);
        left_ = sx + (sw - width_) / 2;
        top_ = sy + (sh - height_) / 2;
        ApplyBounds();
    }
    w->show();
    ApplyCursor();
    if (Description().FormStyle == TFormStyle::fsStayOnTop) {
        w->KeepAbove();
    }
    w->TakeFocus();
    XFlush(fl_display);
}

void TForm::HideNative() {
    if (native_) {
        native_->window->hide();
    }
}

void TForm::Invalidate() {
    if (native_) {
        native_->window->redraw();
    }
}

void TForm::Present(const TBitmap& bitmap, const TRect& dest, int32_t sx, int32_t sy) {
    TFormNative* n = native_.get();
    if (!Shown(n)) {
        return;
    }
    int x = dest.Left, y = dest.Top, w = int(dest.Width()), h = int(dest.Height());
    if (n->painting) {
        // Only the damaged part: FLTK would clip the rest anyway, after the conversion.
        int cx = 0, cy = 0, cw = 0, ch = 0;
        fl_clip_box(x, y, w, h, cx, cy, cw, ch);
        sx += cx - x;
        sy += cy - y;
        x = cx, y = cy, w = cw, h = ch;
    } else {
        n->window->make_current();
    }
    if (w <= 0 || h <= 0) {
        return;
    }
    const size_t size = size_t(w) * size_t(h) * 3;
    if (n->pixels.size() < size) {
        n->pixels.resize(size);
    }
    unsigned char* out = n->pixels.data();
    for (int row = 0; row < h; ++row) {
        const uint32_t* in = bitmap.ScanLine(sy + row) + sx;
        for (int col = 0; col < w; ++col) {
            const uint32_t p = in[col];
            *out++ = static_cast<unsigned char>(p >> 16);
            *out++ = static_cast<unsigned char>(p >> 8);
            *out++ = static_cast<unsigned char>(p);
        }
    }
    fl_draw_image(n->pixels.data(), x, y, w, h, 3, w * 3);
}

void TForm::DefaultHandler(TMessage& Message) {
    if (Message.Msg != WM_ERASEBKGND || !Shown(native_.get())) {
        return;
    }
    if (!native_->painting) {
        native_->window->make_current();
    }
    const TColor c = Description().Color;
    fl_color(uchar(c >> 16), uchar(c >> 8), uchar(c));
    fl_rectf(0, 0, width_, height_);
    Message.Result = 1;
}
