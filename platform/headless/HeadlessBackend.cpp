// The headless backend: no display, a bitmap as the screen, and a queue of events that the tests
// fill. It runs the real forms and the real entry point, so whole runs can be tested.
#include "platform/headless/Headless.h"

#include "platform/DialogKeys.h"
#include "platform/Startup.h"
#include "platform/System.h"
#include "platform/TApplication.h"
#include "platform/TButton.h"
#include "platform/TForm.h"
#include "platform/TScrollBar.h"
#include "platform/TTimer.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <set>
#include <variant>

struct TFormNative {
    size_t recordIndex = 0;
    bool paintPending = false;
    TRect invalid;
};

struct TControlNative {
    size_t recordIndex = 0;
    uint32_t captionChanges = 0; // the control's count when the record last took its caption
};

struct TTimerNative {};
struct TApplicationNative {};

namespace {

struct KeyEvent {
    uint16_t key;
    TShiftState shift;
};
struct ClickEvent {
    std::string control;
};
struct ScrollEvent {
    std::string control;
    TScrollCode code;
    int32_t pos;
};
struct MouseDownEvent {
    TMouseButton button;
    int32_t x, y;
};
struct MouseMoveEvent {
    int32_t x, y;
};
struct MessageEvent {
    TMessage m;
    int32_t* result;
};
struct PaintEvent {
    TRect invalid;
};
struct TickEvent {};
struct CallEvent {
    std::function<void()> fn;
};
using Event = std::variant<KeyEvent, ClickEvent, ScrollEvent, MouseDownEvent, MouseMoveEvent,
                           MessageEvent, PaintEvent, TickEvent, CallEvent>;

struct Machine {
    TBitmap screen;
    TPoint cursor;
    std::set<std::string> guards;
    bool failNextGuard = false;
    std::vector<std::string> foreignWindows;
    std::deque<Event> queue;
    headless::Record record;
    std::vector<std::string> params;
    std::vector<TForm*> forms;   // live forms
    std::vector<TTimer*> timers; // enabled timers
    TForm* painting = nullptr;
    TRect paintClip;
    TShiftState keyShift = 0; // modifiers of the key being delivered
};

Machine& M() {
    static Machine machine;
    return machine;
}

headless::WindowState& State(const TForm* form) {
    return M().record.windows[form->Native()->recordIndex];
}

TRect Intersect(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}

TRect Union(const TRect& a, const TRect& b) {
    if (a.IsEmpty()) {
        return b;
    }
    if (b.IsEmpty()) {
        return a;
    }
    return TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom)};
}

TRect ClientRect(const TForm* form) {
    return TRect{0, 0, form->Width(), form->Height()};
}

uint32_t PackPoint(int32_t x, int32_t y) {
    return uint32_t(uint16_t(int16_t(x))) | (uint32_t(uint16_t(int16_t(y))) << 16);
}

TForm* Target() {
    TForm* main = Application != nullptr ? Application->MainForm() : nullptr;
    return main != nullptr && main->Visible() ? main : nullptr;
}

void Deliver(TForm* form, TMessage m) {
    form->Dispatch(m);
}

template <class C> C* FindControl(const TForm* form, const std::string& name) {
    for (TControl* c : form->Controls()) {
        if (c->Name == name) {
            return dynamic_cast<C*>(c);
        }
    }
    return nullptr;
}

void DeliverPaint(TForm* form) {
    TFormNative* n = form->Native();
    n->paintPending = false;
    M().painting = form;
    M().paintClip = Intersect(n->invalid, ClientRect(form));
    n->invalid = TRect{};
    ++M().record.paints;
    Deliver(form, TMessage{WM_ERASEBKGND, 0, 0, 0});
    Deliver(form, TMessage{WM_PAINT, 0, 0, 0});
    M().painting = nullptr;
}

void DeliverTick() {
    const auto timers = M().timers;
    if (!timers.empty()) {
        ++M().record.ticksDelivered;
    }
    for (TTimer* t : timers) {
        t->Fire();
    }
}

struct Deliverer {
    TForm* form;
    void operator()(const KeyEvent& e) {
        M().keyShift = e.shift;
        Deliver(form, TMessage{(e.shift & ssAlt) ? WM_SYSKEYDOWN : WM_KEYDOWN, e.key, 0, 0});
        M().keyShift = 0;
    }
    void operator()(const ClickEvent& e) {
        auto* control = FindControl<TControl>(form, e.control);
        if (control == nullptr) {
            return;
        }
        control->SetFocus();
        if (auto* button = dynamic_cast<TButton*>(control)) {
            button->Press();
        }
    }
    void operator()(const ScrollEvent& e) {
        if (auto* bar = FindControl<TScrollBar>(form, e.control)) {
            bar->SetFocus();
            bar->Scroll(e.code, e.pos);
        }
    }
    void operator()(const MouseDownEvent& e) {
        const uint32_t msg = e.button == TMouseButton::mbLeft    ? WM_LBUTTONDOWN
                             : e.button == TMouseButton::mbRight ? WM_RBUTTONDOWN
                                                                 : WM_MBUTTONDOWN;
        Deliver(form, TMessage{msg, 0, PackPoint(e.x - form->Left(), e.y - form->Top()), 0});
    }
    void operator()(const MouseMoveEvent& e) {
        M().cursor = TPoint{e.x, e.y};
        Deliver(form,
                TMessage{WM_MOUSEMOVE, 0, PackPoint(e.x - form->Left(), e.y - form->Top()), 0});
    }
    void operator()(const MessageEvent& e) {
        TMessage m = e.m;
        form->Dispatch(m);
        if (e.result != nullptr) {
            *e.result = m.Result;
        }
    }
    void operator()(const PaintEvent& e) {
        TFormNative* n = form->Native();
        n->invalid = Union(n->invalid, e.invalid);
        n->paintPending = true;
    }
    void operator()(const TickEvent&) { DeliverTick(); }
    void operator()(const CallEvent& e) { e.fn(); }
};

bool WaitsForPaint(const Event& e) {
    return std::holds_alternative<TickEvent>(e) || std::holds_alternative<CallEvent>(e);
}

} // namespace

// ---- test side ----

void headless::Reset(int32_t w, int32_t h) {
    Machine& m = M();
    m.screen.SetSize(0, 0);
    m.screen.SetSize(w, h);
    m.screen.Fill(0x00FF00FF);
    m.cursor = TPoint{};
    m.guards.clear();
    m.failNextGuard = false;
    m.foreignWindows.clear();
    m.queue.clear();
    m.record = Record{};
    m.params.clear();
}

void headless::SetCursorPos(int32_t x, int32_t y) {
    M().cursor = TPoint{x, y};
}
void headless::AddForeignWindow(const std::string& c) {
    M().foreignWindows.push_back(c);
}
void headless::HoldGuard(const std::string& name) {
    M().guards.insert(name);
}
void headless::FailNextGuard() {
    M().failNextGuard = true;
}
void headless::PostKey(uint16_t key, TShiftState shift) {
    M().queue.push_back(KeyEvent{key, shift});
}
void headless::PostClick(const std::string& control) {
    M().queue.push_back(ClickEvent{control});
}
void headless::PostScroll(const std::string& control, TScrollCode code, int32_t pos) {
    M().queue.push_back(ScrollEvent{control, code, pos});
}
void headless::PostMouseDown(TMouseButton b, int32_t x, int32_t y) {
    M().queue.push_back(MouseDownEvent{b, x, y});
}
void headless::PostMouseMove(int32_t x, int32_t y) {
    M().queue.push_back(MouseMoveEvent{x, y});
}
void headless::PostActivate(uint32_t wParam) {
    PostMessage(WM_ACTIVATE, wParam, 0);
}
void headless::PostMessage(uint32_t msg, uint32_t w, uint32_t l, int32_t* result) {
    M().queue.push_back(MessageEvent{TMessage{msg, w, l, 0}, result});
}
void headless::PostPaint(const TRect& invalid) {
    M().queue.push_back(PaintEvent{invalid});
}
void headless::PostTick() {
    M().queue.push_back(TickEvent{});
}
void headless::PostCall(std::function<void()> fn) {
    M().queue.push_back(CallEvent{std::move(fn)});
}
const TBitmap& headless::Screen() {
    return M().screen;
}
const headless::Record& headless::Recorded() {
    return M().record;
}

const headless::ControlState& headless::Control(const std::string& name) {
    const auto& controls = M().record.controls;
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if (it->name == name) {
            return *it;
        }
    }
    static const ControlState none;
    return none;
}

int headless::RunProgram(const std::vector<std::string>& args, int (*entry)()) {
    M().params = args;
    int code = 0;
    {
        TApplication app;
        app.Title = TApplication::TitleFromPath(args.empty() ? std::string() : args[0]);
        Application = &app;
        code = entry();
        // The application object goes at the end of the process, destroying its forms.
    }
    Application = nullptr;
    return code;
}

int StartProgram(int argc, char** argv, int (*entry)()) {
    return headless::RunProgram(std::vector<std::string>(argv, argv + argc), entry);
}

// ---- System ----

System::GuardResult System::CreateGuard(const char* name) {
    Machine& m = M();
    if (m.failNextGuard) {
        m.failNextGuard = false;
        return GuardResult::Failed;
    }
    if (!m.guards.insert(name).second) {
        return GuardResult::AlreadyExists;
    }
    m.record.guardsCreated.push_back(name);
    return GuardResult::Created;
}

bool System::FindWindowByClass(const char* className) {
    const auto& foreign = M().foreignWindows;
    if (std::find(foreign.begin(), foreign.end(), className) != foreign.end()) {
        return true;
    }
    return std::any_of(M().forms.begin(), M().forms.end(),
                       [&](TForm* f) { return State(f).className == className; });
}

void System::Beep() {
    ++M().record.beeps;
}
TPoint System::GetCursorPos() {
    return M().cursor;
}
TPoint System::PrimaryScreenSize() {
    return TPoint{M().screen.Width(), M().screen.Height()};
}

std::string System::AnsiUpperCase(std::string text) {
    for (char& c : text) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::vector<std::string> System::ParamStrs() {
    return M().params;
}

// ---- TApplication ----

void TApplicationNativeDeleter::operator()(TApplicationNative* n) const noexcept {
    delete n;
}
void TApplication::InitializeNative() {}
void TApplication::TerminateNative() {}

void TApplication::RunNative() {
    Machine& m = M();
    m.record.loopRan = true;
    while (!Terminated()) {
        TForm* form = Target();
        if (form == nullptr) {
            break;
        }
        const bool paintPending = form->Native()->paintPending;
        if (paintPending && (m.queue.empty() || WaitsForPaint(m.queue.front()))) {
            DeliverPaint(form);
            continue;
        }
        if (m.queue.empty()) {
            m.record.loopRanDry = true;
            break;
        }
        Event e = std::move(m.queue.front());
        m.queue.pop_front();
        std::visit(Deliverer{form}, e);
    }
}

void TApplication::ShowErrorBox(const std::string& text) {
    M().record.errorBoxes.push_back(headless::Box{Title, text});
}

void TApplication::ShowMessageBox(const std::string& text) {
    M().record.messageBoxes.push_back(headless::Box{Title, text});
}

// ---- TForm ----

void TFormNativeDeleter::operator()(TFormNative* n) const noexcept {
    delete n;
}

void TForm::CreateNative() {
    Machine& m = M();
    native_.reset(new TFormNative);
    native_->recordIndex = m.record.windows.size();
    headless::WindowState s;
    s.className = Description().ClassName;
    s.caption = Description().Caption;
    s.borderless = Description().BorderStyle == TFormBorderStyle::bsNone;
    s.stayOnTop = Description().FormStyle == TFormStyle::fsStayOnTop;
    s.left = left_;
    s.top = top_;
    s.width = width_;
    s.height = height_;
    m.record.windows.push_back(s);
    m.forms.push_back(this);
}

void TForm::DestroyNative() {}

void TForm::ApplyBounds() {
    if (!native_) {
        return;
    }
    auto& s = State(this);
    s.left = left_;
    s.top = top_;
    s.width = width_;
    s.height = height_;
}

void TForm::ApplyCursor() {
    if (native_) {
        State(this).cursor = cursor_;
    }
}

void TForm::SetImeDisabled() {
    if (native_) {
        State(this).imeDisabled = true;
    }
}

void TForm::ShowNative() {
    if (Description().Position == TPosition::poScreenCenter) {
        SetBounds((M().screen.Width() - width_) / 2, (M().screen.Height() - height_) / 2, width_,
                  height_);
    }
    State(this).visible = true;
    Invalidate();
    // A window that appears under the cursor is told where the cursor is.
    const TPoint c = M().cursor;
    M().queue.push_front(MouseMoveEvent{c.x, c.y});
}

void TForm::HideNative() {
    State(this).visible = false;
}

void TForm::Invalidate() {
    native_->invalid = ClientRect(this);
    native_->paintPending = true;
}

void TForm::Present(const TBitmap& bitmap, const TRect& dest, int32_t sx, int32_t sy) {
    Machine& m = M();
    TRect clip = m.painting == this ? m.paintClip : ClientRect(this);
    clip = Intersect(clip, dest);
    // Into screen coordinates, then against the screen's edges.
    TRect onScreen{int32_t(int64_t(clip.Left) + left_), int32_t(int64_t(clip.Top) + top_),
                   int32_t(int64_t(clip.Right) + left_), int32_t(int64_t(clip.Bottom) + top_)};
    onScreen = Intersect(onScreen, TRect{0, 0, m.screen.Width(), m.screen.Height()});
    for (int32_t y = onScreen.Top; y < onScreen.Bottom; ++y) {
        const int32_t by = sy + (y - top_ - dest.Top);
        const uint32_t* src = bitmap.ScanLine(by) + sx + (onScreen.Left - left_ - dest.Left);
        std::copy(src, src + (onScreen.Right - onScreen.Left),
                  m.screen.ScanLine(y) + onScreen.Left);
    }
}

void TForm::DefaultHandler(TMessage& msg) {
    Machine& m = M();
    m.record.defaultHandled.push_back(msg);
    if (msg.Msg == WM_ERASEBKGND) {
        ++m.record.backgroundErases;
        TRect clip = m.painting == this ? m.paintClip : ClientRect(this);
        TRect onScreen{clip.Left + left_, clip.Top + top_, clip.Right + left_, clip.Bottom + top_};
        onScreen = Intersect(onScreen, TRect{0, 0, m.screen.Width(), m.screen.Height()});
        for (int32_t y = onScreen.Top; y < onScreen.Bottom; ++y) {
            std::fill(m.screen.ScanLine(y) + onScreen.Left, m.screen.ScanLine(y) + onScreen.Right,
                      Description().Color);
        }
        msg.Result = 1;
    }
}

TForm::~TForm() {
    if (native_) {
        State(this).visible = false;
        State(this).destroyed = true;
    }
    auto& forms = M().forms;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

// ---- TTimer ----

void TTimerNativeDeleter::operator()(TTimerNative* n) const noexcept {
    delete n;
}

void TTimer::Restart() {
    auto& timers = M().timers;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    if (enabled_ && interval_ > 0) {
        timers.push_back(this);
    }
}

// ---- Controls ----

TShiftState KeyboardShiftState() {
    return M().keyShift;
}

void TControlNativeDeleter::operator()(TControlNative* n) const noexcept {
    delete n;
}

void TControl::CreateNative() {
    Machine& m = M();
    native_.reset(new TControlNative);
    native_->recordIndex = m.record.controls.size();
    native_->captionChanges = captionChanges_;
    headless::ControlState s;
    s.form = form_->Description().ClassName;
    s.name = Name;
    s.kind = Kind();
    s.bounds = BoundsInForm();
    s.caption = caption_;
    s.captions.push_back(caption_);
    if (const auto* bar = dynamic_cast<const TScrollBar*>(this)) {
        s.position = bar->Position();
        s.positions.push_back(s.position);
    }
    m.record.controls.push_back(s);
}

void TControl::Changed() {
    if (!native_) {
        return;
    }
    headless::ControlState& s = M().record.controls[native_->recordIndex];
    if (native_->captionChanges != captionChanges_) {
        native_->captionChanges = captionChanges_;
        s.caption = caption_;
        s.captions.push_back(caption_);
    }
    if (const auto* bar = dynamic_cast<const TScrollBar*>(this)) {
        if (bar->Position() != s.position) {
            s.position = bar->Position();
            s.positions.push_back(s.position);
        }
    }
    s.focused = Focused();
}
