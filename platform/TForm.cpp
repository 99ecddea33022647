#include "platform/TForm.h"

#include "platform/DialogKeys.h"
#include "platform/Exception.h"
#include "platform/TApplication.h"
#include "platform/TButton.h"
#include "platform/TLabel.h"
#include "platform/TPanel.h"
#include "platform/TScrollBar.h"
#include "platform/TTimer.h"

namespace {

int32_t LowSigned16(uint32_t v) {
    return int16_t(uint16_t(v & 0xFFFF));
}
int32_t HighSigned16(uint32_t v) {
    return int16_t(uint16_t(v >> 16));
}

TShiftState MouseShift(uint32_t wParam) {
    // The MK_ bits of a mouse message.
    TShiftState s = 0;
    s |= (wParam & 0x0001) ? ssLeft : 0;
    s |= (wParam & 0x0002) ? ssRight : 0;
    s |= (wParam & 0x0004) ? ssShift : 0;
    s |= (wParam & 0x0008) ? ssCtrl : 0;
    s |= (wParam & 0x0010) ? ssMiddle : 0;
    return s;
}

} // namespace

TForm::TForm(TApplication* owner) : owner_(owner) {}

void TForm::LoadDescription(const TFormDescription& description) {
    description_ = &description;
    Name = description.ClassName[0] == 'T' ? description.ClassName + 1 : description.ClassName;
    left_ = description.Left;
    top_ = description.Top;
    width_ = description.ClientWidth;
    height_ = description.ClientHeight;
    Bind(OnCreate, description.OnCreate);
    Bind(OnDestroy, description.OnDestroy);
    Bind(OnKeyDown, description.OnKeyDown);
    Bind(OnMouseDown, description.OnMouseDown);
    Bind(OnMouseMove, description.OnMouseMove);
    Bind(OnPaint, description.OnPaint);
    CreateNative();
    for (const auto& component : description.Components) {
        CreateComponent(component);
    }
}

template <class E> void TForm::Bind(E& event, const char* handler) {
    if (handler == nullptr) {
        return;
    }
    TMethod method = MethodAddress(handler);
    if (auto* bound = std::get_if<E>(&method)) {
        event = std::move(*bound);
        return;
    }
    throw Exception(std::string("The form ") + description_->ClassName + " has no handler " +
                    handler + ".");
}

TMethod TForm::MethodAddress(std::string_view) {
    return std::monostate{};
}

void TForm::CreateComponent(const TComponentDescription& d) {
    if (d.Kind == TComponentKind::Timer) {
        CreateTimer(d);
        return;
    }
    CreateControl(d);
}

void TForm::CreateTimer(const TComponentDescription& d) {
    auto timer = std::make_unique<TTimer>();
    timer->Name = d.Name;
    Bind(timer->OnTimer, d.OnEvent);
    timer->SetInterval(d.Interval);
    timer->SetEnabled(d.Enabled);
    components_.push_back(std::move(timer));
}

// A control's parent is created before it, as in every stored layout.
void TForm::CreateControl(const TComponentDescription& d) {
    TControl* parent = nullptr;
    if (d.Parent != nullptr) {
        parent = FindComponent<TControl>(d.Parent);
        if (parent == nullptr) {
            throw Exception(std::string("The form ") + description_->ClassName +
                            " places a control in a missing parent " + d.Parent + ".");
        }
    }
    std::unique_ptr<TControl> control;
    switch (d.Kind) {
    case TComponentKind::Button: {
        auto button = std::make_unique<TButton>(this, parent, d);
        Bind(button->OnClick, d.OnEvent);
        control = std::move(button);
        break;
    }
    case TComponentKind::ScrollBar: {
        auto bar = std::make_unique<TScrollBar>(this, parent, d);
        Bind(bar->OnChange, d.OnEvent);
        control = std::move(bar);
        break;
    }
    case TComponentKind::Panel:
        control = std::make_unique<TPanel>(this, parent, d);
        break;
    default:
        control = std::make_unique<TLabel>(this, parent, d);
        break;
    }
    control->CreateNative();
    controls_.push_back(control.get());
    components_.push_back(std::move(control));
}

void TForm::SetActiveControl(TControl* control) {
    if (control == activeControl_) {
        return;
    }
    TControl* previous = activeControl_;
    activeControl_ = control;
    if (previous != nullptr) {
        previous->Changed();
    }
    if (control != nullptr) {
        control->Changed();
    }
}

void TForm::DoCreate() {
    owner_->Guarded([this] {
        if (OnCreate) {
            OnCreate(this);
        }
    });
}

void TForm::DoDestroy() {
    owner_->Guarded([this] {
        if (OnDestroy) {
            OnDestroy(this);
        }
    });
}

void TForm::Show() {
    // A dialog starts with the focus on the first control of its tab order.
    if (activeControl_ == nullptr) {
        const std::vector<TControl*> order = DialogKeys::TabOrderList(*this);
        if (!order.empty()) {
            SetActiveControl(order.front());
        }
    }
    visible_ = true;
    ShowNative();
}

void TForm::Hide() {
    visible_ = false;
    HideNative();
}

void TForm::Close() {
    if (owner_->MainForm() == this) {
        owner_->Terminate();
        return;
    }
    Hide();
}

void TForm::SetLeft(int32_t v) {
    SetBounds(v, top_, width_, height_);
}
void TForm::SetTop(int32_t v) {
    SetBounds(left_, v, width_, height_);
}
void TForm::SetWidth(int32_t v) {
    SetBounds(left_, top_, v, height_);
}
void TForm::SetHeight(int32_t v) {
    SetBounds(left_, top_, width_, v);
}

void TForm::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    ApplyBounds();
}

void TForm::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    ApplyCursor();
}

void TForm::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        owner_->Guarded([this] {
            if (OnPaint) {
                OnPaint(this);
            }
        });
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        HandleKey(m);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        owner_->Guarded([this, &m] {
            const TMouseButton b = m.Msg == WM_LBUTTONDOWN   ? TMouseButton::mbLeft
                                   : m.Msg == WM_RBUTTONDOWN ? TMouseButton::mbRight
                                                             : TMouseButton::mbMiddle;
            if (OnMouseDown) {
                OnMouseDown(this, b, MouseShift(m.WParam), LowSigned16(m.LParam),
                            HighSigned16(m.LParam));
            }
        });
        DefaultHandler(m);
        break;
    case WM_MOUSEMOVE:
        owner_->Guarded([this, &m] {
            if (OnMouseMove) {
                OnMouseMove(this, MouseShift(m.WParam), LowSigned16(m.LParam),
                            HighSigned16(m.LParam));
            }
        });
        DefaultHandler(m);
        break;
    case WM_CLOSE:
        Close();
        break;
    default:
        DefaultHandler(m);
        break;
    }
}

void TForm::HandleKey(TMessage& m) {
    uint16_t key = uint16_t(m.WParam);
    const TShiftState shift = KeyboardShiftState();
    owner_->Guarded([this, &key, shift] {
        if (OnKeyDown) {
            OnKeyDown(this, key, shift);
        }
    });
    // A handler that zeroes the key has taken it; the dialog keys are the platform's handling.
    if (key != 0 && !controls_.empty() && DialogKeys::Handle(*this, key, shift)) {
        return;
    }
    DefaultHandler(m);
}
