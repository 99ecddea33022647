#include "platform/TControl.h"

#include "platform/TForm.h"

#include <cctype>

namespace {

// A bordered panel draws a two-pixel sunken edge around its client area.
constexpr int32_t kPanelBorder = 2;

} // namespace

TControl::TControl(TForm* form, TControl* parent, const TComponentDescription& description)
    : form_(form), parent_(parent), description_(&description), caption_(description.Caption) {
    Name = description.Name;
}

TControl::~TControl() = default;

TRect TControl::BoundsInForm() const {
    int32_t x = Left(), y = Top();
    for (const TControl* p = parent_; p != nullptr; p = p->parent_) {
        x += p->Left() + p->ClientInset();
        y += p->Top() + p->ClientInset();
    }
    return TRect{x, y, x + Width(), y + Height()};
}

int32_t TControl::ClientInset() const {
    const bool bordered =
        Kind() == TComponentKind::Panel && description_->BorderStyle == TControlBorder::bsSingle;
    return bordered ? kPanelBorder : 0;
}

void TControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    ++captionChanges_;
    Changed();
}

char TControl::Accelerator() const {
    for (size_t i = 0; i + 1 < caption_.size(); ++i) {
        if (caption_[i] != '&') {
            continue;
        }
        if (caption_[i + 1] != '&') {
            return char(std::toupper(static_cast<unsigned char>(caption_[i + 1])));
        }
        ++i;
    }
    return 0;
}

std::string TControl::DisplayText() const {
    std::string text;
    for (size_t i = 0; i < caption_.size(); ++i) {
        if (caption_[i] == '&' && i + 1 < caption_.size()) {
            ++i;
        }
        text += caption_[i];
    }
    return text;
}

bool TControl::CanFocus() const {
    return Kind() == TComponentKind::Button || Kind() == TComponentKind::ScrollBar;
}

bool TControl::Focused() const {
    return form_->ActiveControl() == this;
}

void TControl::SetFocus() {
    if (CanFocus()) {
        form_->SetActiveControl(this);
    }
}
