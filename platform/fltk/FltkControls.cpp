// The FLTK backend's controls: FLTK widgets in the form's window that show the platform's control
// state. FLTK never gives them the keyboard: the form takes every key and runs the dialog keys,
// and the widgets draw the focus that the form records.
#include "platform/DialogKeys.h"
#include "platform/TButton.h"
#include "platform/TForm.h"
#include "platform/TLabel.h"
#include "platform/TScrollBar.h"
#include "platform/fltk/FltkNative.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <string>
#include <vector>

// The widget is owned by the form's window, which deletes its children with itself.
struct TControlNative {
    Fl_Widget* widget = nullptr;
    uint32_t captionChanges = 0;
};

namespace {

// A description's font height is the character cell; FLTK sizes a font by its em, which for the
// Arial family is about 7/8 of the cell.
int FltkFontSize(int32_t cellHeight) {
    return int(cellHeight - (cellHeight + 4) / 8);
}

// Windows's thumb of a scroll bar without a page size.
constexpr int kThumbWidth = 17;

Fl_Color FltkColor(TColor c) {
    return fl_rgb_color(uchar(c >> 16), uchar(c >> 8), uchar(c));
}

// FLTK font index of a described font, registered on first use after the application's own.
Fl_Font FltkFont(const TFontDescription& font) {
    static std::vector<std::string> registered;
    const std::string name = std::string(font.Bold ? "B" : " ") + font.Name;
    size_t i = 0;
    while (i < registered.size() && registered[i] != name) {
        ++i;
    }
    const Fl_Font index = Fl_Font(FL_FREE_FONT + 1 + int(i));
    if (i == registered.size()) {
        registered.push_back(name);
        Fl::set_font(index, registered.back().c_str());
    }
    return index;
}

// The three-dimensional sunken edge of Windows, two pixels wide, around a filled client area.
void DrawSunkenEdge(int x, int y, int w, int h) {
    const auto line = [](Fl_Color c, int x0, int y0, int x1, int y1) {
        fl_color(c);
        fl_line(x0, y0, x1, y1);
    };
    const Fl_Color shadow = fl_rgb_color(128, 128, 128), dark = fl_rgb_color(64, 64, 64);
    const Fl_Color light = fl_rgb_color(255, 255, 255), face = fl_rgb_color(192, 192, 192);
    line(shadow, x, y + h - 2, x, y);
    line(shadow, x, y, x + w - 2, y);
    line(light, x, y + h - 1, x + w - 1, y + h - 1);
    line(light, x + w - 1, y + h - 1, x + w - 1, y);
    line(dark, x + 1, y + h - 3, x + 1, y + 1);
    line(dark, x + 1, y + 1, x + w - 3, y + 1);
    line(face, x + 1, y + h - 2, x + w - 2, y + h - 2);
    line(face, x + w - 2, y + h - 2, x + w - 2, y + 1);
}

class FltkPanel : public Fl_Box {
  public:
    FltkPanel(const TControl& c, const TRect& r)
        : Fl_Box(r.Left, r.Top, int(r.Width()), int(r.Height())), bordered_(c.ClientInset() > 0) {
        box(FL_FLAT_BOX);
    }
    void draw() override {
        fl_color(color());
        fl_rectf(x(), y(), w(), h());
        if (bordered_) {
            DrawSunkenEdge(x(), y(), w(), h());
        }
        draw_label();
    }

  private:
    bool bordered_;
};

class FltkButton : public Fl_Button {
  public:
    FltkButton(TButton* c, const TRect& r)
        : Fl_Button(r.Left, r.Top, int(r.Width()), int(r.Height())), control_(c) {}

    int handle(int event) override {
        if (event == FL_KEYBOARD || event == FL_FOCUS) {
            return 0;
        }
        if (event == FL_PUSH) {
            control_->SetFocus();
        }
        return Fl_Button::handle(event);
    }

    void draw() override {
        int x0 = x(), y0 = y(), w0 = w(), h0 = h();
        if (Active()) {
            // The button that Enter presses wears a black frame.
            fl_color(FL_BLACK);
            fl_rect(x0, y0, w0, h0);
            ++x0, ++y0, w0 -= 2, h0 -= 2;
        }
        draw_box(value() ? FL_DOWN_BOX : FL_UP_BOX, x0, y0, w0, h0, color());
        draw_label(x0, y0, w0, h0);
        if (control_->Focused()) {
            fl_color(FL_BLACK);
            fl_line_style(FL_DOT);
            fl_rect(x0 + 3, y0 + 3, w0 - 6, h0 - 6);
            fl_line_style(0);
        }
    }

  private:
    bool Active() const {
        if (control_->Focused()) {
            return true;
        }
        return control_->Default() &&
               dynamic_cast<const TButton*>(control_->Form()->ActiveControl()) == nullptr;
    }

    TButton* control_;
};

class FltkScrollBar : public Fl_Scrollbar {
  public:
    FltkScrollBar(TScrollBar* c, const TRect& r)
        : Fl_Scrollbar(r.Left, r.Top, int(r.Width()), int(r.Height())), control_(c) {}

    int handle(int event) override {
        if (event == FL_KEYBOARD || event == FL_FOCUS || event == FL_SHORTCUT) {
            return 0;
        }
        if (event == FL_PUSH) {
            control_->SetFocus();
        }
        const int used = Fl_Scrollbar::handle(event);
        // FLTK's slider takes the focus on a click; the keys stay the form's.
        if (Fl::focus() == this) {
            Fl::focus(window());
        }
        return used;
    }

    void draw() override {
        Fl_Scrollbar::draw();
        if (control_->Focused()) {
            // Windows shows a focused scroll bar by a blinking thumb; a dotted frame stays put.
            fl_color(FL_BLACK);
            fl_line_style(FL_DOT);
            fl_rect(x(), y(), w(), h());
            fl_line_style(0);
        }
    }

  private:
    TScrollBar* control_;
};

void ButtonClicked(Fl_Widget*, void* data) {
    static_cast<TButton*>(data)->Press();
}

void ScrollBarMoved(Fl_Widget* widget, void* data) {
    // FLTK has moved the value already (arrow, track click, thumb drag); the bar follows it.
    auto* bar = static_cast<TScrollBar*>(data);
    bar->Scroll(TScrollCode::scTrack, static_cast<Fl_Scrollbar*>(widget)->value());
}

Fl_Widget* MakeScrollBar(TScrollBar* bar, const TRect& r) {
    auto* w = new FltkScrollBar(bar, r);
    w->type(FL_HORIZONTAL);
    w->bounds(bar->Min(), bar->Max());
    w->step(1);
    w->linesize(int(bar->SmallChange()));
    const int track = std::max(w->w() - 2 * w->h(), 1);
    w->slider_size(std::min(1.0, double(kThumbWidth) / track));
    w->value(bar->Position());
    w->color(fl_rgb_color(224, 224, 224));
    w->selection_color(fl_rgb_color(192, 192, 192));
    w->when(FL_WHEN_CHANGED);
    w->callback(ScrollBarMoved, bar);
    return w;
}

Fl_Widget* MakeButton(TButton* button, const TRect& r) {
    auto* w = new FltkButton(button, r);
    w->color(fl_rgb_color(192, 192, 192));
    w->labelcolor(FL_BLACK);
    w->callback(ButtonClicked, button);
    return w;
}

Fl_Widget* MakeText(TControl* c, const TRect& r) {
    if (c->Kind() == TComponentKind::Panel) {
        auto* w = new FltkPanel(*c, r);
        w->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE);
        w->color(FltkColor(c->Description().Color));
        return w;
    }
    auto* w = new Fl_Box(r.Left, r.Top, int(r.Width()), int(r.Height()));
    w->box(FL_NO_BOX);
    w->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE);
    return w;
}

Fl_Widget* MakeWidget(TControl* c) {
    const TRect r = c->BoundsInForm();
    if (auto* bar = dynamic_cast<TScrollBar*>(c)) {
        return MakeScrollBar(bar, r);
    }
    if (auto* button = dynamic_cast<TButton*>(c)) {
        return MakeButton(button, r);
    }
    return MakeText(c, r);
}

// An auto-sized label is as wide as its text.
void FitLabel(const TControl* c, Fl_Widget* w) {
    const auto* label = dynamic_cast<const TLabel*>(c);
    if (label == nullptr || !label->AutoSize() || fl_display == nullptr) {
        return;
    }
    fl_font(w->labelfont(), w->labelsize());
    const std::string text = c->DisplayText();
    w->size(int(fl_width(text.c_str())) + 1, w->h());
}

} // namespace

TShiftState KeyboardShiftState() {
    const int state = Fl::event_state();
    TShiftState s = 0;
    s |= (state & FL_SHIFT) ? ssShift : 0;
    s |= (state & FL_CTRL) ? ssCtrl : 0;
    s |= (state & FL_ALT) ? ssAlt : 0;
    return s;
}

void TControlNativeDeleter::operator()(TControlNative* n) const noexcept {
    delete n;
}

void TControl::CreateNative() {
    native_.reset(new TControlNative);
    native_->captionChanges = captionChanges_;
    Fl_Group* const current = Fl_Group::current();
    Fl_Group::current(nullptr);
    Fl_Widget* w = MakeWidget(this);
    Fl_Group::current(current);
    const TFontDescription& font = form_->Description().Font;
    w->labelfont(FltkFont(font));
    w->labelsize(FltkFontSize(font.Height));
    if (Kind() != TComponentKind::Button) {
        w->labelcolor(FltkColor(font.Color));
    }
    w->clear_visible_focus();
    w->copy_label(caption_.c_str());
    FitLabel(this, w);
    form_->Native()->window->add(w);
    native_->widget = w;
}

void TControl::Changed() {
    if (!native_ || native_->widget == nullptr) {
        return;
    }
    Fl_Widget* w = native_->widget;
    if (native_->captionChanges != captionChanges_) {
        native_->captionChanges = captionChanges_;
        w->copy_label(caption_.c_str());
    }
    if (const auto* bar = dynamic_cast<const TScrollBar*>(this)) {
        auto* scrollbar = static_cast<Fl_Scrollbar*>(w);
        if (scrollbar->value() != bar->Position()) {
            scrollbar->value(bar->Position());
        }
    }
    w->redraw();
    // Which button wears the default frame follows the focus.
    for (TControl* c : form_->Controls()) {
        if (c->Kind() == TComponentKind::Button && c->native_ && c->native_->widget != nullptr) {
            c->native_->widget->redraw();
        }
    }
}
