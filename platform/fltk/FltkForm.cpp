// The FLTK backend's forms: one plain X window each.
#include "platform/TApplication.h"
#include "platform/TBitmap.h"
#include "platform/TForm.h"
#include "platform/fltk/FltkNative.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <sys/mman.h>

namespace {

// FLTK refuses windows without area; a form may be sized 0 until its creation handler sizes it.
int AtLeastOne(int32_t v) {
    return std::max<int32_t>(v, 1);
}

bool Shown(const TFormNative* n) {
    return n != nullptr && n->window && n->window->shown();
}

// Each tick reads a few rows of many pages of the bitmap a form presents from, long after the
// last tick touched them. Where every page then costs a fresh address translation (a virtual
// machine whose processor slept meanwhile), that is most of a tick's time; huge pages make the
// translations few. Only the bitmap's wholly covered 2 MiB blocks are advised, so that no other
// memory changes. Advice only: where the system has none to take, nothing changes.
void AdviseHugePages(TFormNative* n, const TBitmap& bitmap) {
    const uint32_t* pixels = bitmap.ScanLine(0);
    if (pixels == n->advised) {
        return;
    }
    n->advised = pixels;
    constexpr uintptr_t kHuge = uintptr_t(2) << 20;
    const uintptr_t begin = reinterpret_cast<uintptr_t>(pixels);
    const uintptr_t end = begin + uintptr_t(bitmap.Width()) * uintptr_t(bitmap.Height()) * 4;
    const uintptr_t from = (begin + kHuge - 1) & ~(kHuge - 1), to = end & ~(kHuge - 1);
    if (from >= to) {
        return;
    }
    void* start = reinterpret_cast<void*>(from);
    // MADV_COLLAPSE (25, Linux 6.1) makes them now, not when khugepaged comes by.
    constexpr int kCollapse = 25;
    if (madvise(start, to - from, MADV_HUGEPAGE) == 0) {
        madvise(start, to - from, kCollapse);
    }
}

// True where the server's pixels are our 0x00RRGGBB words: a 24-bit TrueColor visual with those
// masks, stored as 32-bit words in this machine's byte order.
bool VisualTakesOurPixels() {
    const XVisualInfo* v = fl_visual;
    const int ours = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    if (v == nullptr || v->c_class != TrueColor || v->depth != 24 || v->red_mask != 0xFF0000 ||
        v->green_mask != 0x00FF00 || v->blue_mask != 0x0000FF ||
        ImageByteOrder(fl_display) != ours) {
        return false;
    }
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(fl_display, &count);
    bool words = false;
    for (int k = 0; k < count; ++k) {
        words = words || (formats[k].depth == 24 && formats[k].bits_per_pixel == 32);
    }
    XFree(formats);
    return words;
}

// Where the visual takes our pixels as they are, Xlib sends the rectangle straight from the
// bitmap: no conversion, and no buffer of ours. Rows narrower than the bitmap's it packs into a
// buffer of its own for each request, which the bands keep at most kConvertBytes.
void PutDirect(const TBitmap& bitmap, int sx, int sy, int x, int y, int w, int h) {
    const int bw = bitmap.Width();
    XImage* image = XCreateImage(fl_display, fl_visual->visual, unsigned(fl_visual->depth), ZPixmap,
                                 0, nullptr, unsigned(bw), unsigned(bitmap.Height()), 32, bw * 4);
    if (image == nullptr) {
        return;
    }
    image->data = const_cast<char*>(reinterpret_cast<const char*>(bitmap.ScanLine(0)));
    const int rows = w == bw ? h : std::max(1, TFormNative::kConvertBytes / (w * 4));
    for (int done = 0; done < h; done += rows) {
        XPutImage(fl_display, fl_window, fl_gc, image, sx, sy + done, x, y + done, unsigned(w),
                  unsigned(std::min(rows, h - done)));
    }
    image->data = nullptr; // the bitmap's, not Xlib's
    XDestroyImage(image);
}

// FLTK's image drawing reads R, G, B bytes: the rectangle goes through them in bands.
void DrawConverted(TFormNative* n, const TBitmap& bitmap, int sx, int sy, int x, int y, int w,
                   int h) {
    const int rows = std::max(1, TFormNative::kConvertBytes / (w * 3));
    n->pixels.resize(size_t(w) * size_t(std::min(rows, h)) * 3);
    for (int done = 0; done < h; done += rows) {
        const int band = std::min(rows, h - done);
        unsigned char* out = n->pixels.data();
        for (int row = 0; row < band; ++row) {
            const uint32_t* in = bitmap.ScanLine(sy + done + row) + sx;
            for (int col = 0; col < w; ++col) {
                const uint32_t p = in[col];
                *out++ = static_cast<unsigned char>(p >> 16);
                *out++ = static_cast<unsigned char>(p >> 8);
                *out++ = static_cast<unsigned char>(p);
            }
        }
        fl_draw_image(n->pixels.data(), x, y + done, w, band, 3, w * 3);
    }
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
    AdviseHugePages(n, bitmap);
    static const bool direct = VisualTakesOurPixels();
    if (direct) {
        PutDirect(bitmap, sx, sy, x, y, w, h);
    } else {
        DrawConverted(n, bitmap, sx, sy, x, y, w, h);
    }
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
