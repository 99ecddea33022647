#include "platform/TScrollBar.h"

#include "platform/TApplication.h"
#include "platform/TForm.h"

#include <algorithm>

namespace {

// Steps in 64 bits: a position near a 32-bit limit plus a step must not overflow.
int32_t Clamp(int64_t v, int32_t lo, int32_t hi) {
    return int32_t(std::clamp<int64_t>(v, lo, std::max(lo, hi)));
}

} // namespace

TScrollBar::TScrollBar(TForm* form, TControl* parent, const TComponentDescription& description)
    : TControl(form, parent, description),
      position_(Clamp(description.Position, description.Min, description.Max)) {}

void TScrollBar::SetPosition(int32_t value) {
    const int32_t limited = Clamp(value, Min(), Max());
    if (limited == position_) {
        return;
    }
    position_ = limited;
    Changed();
    if (OnChange) {
        OnChange(this);
    }
}

int32_t TScrollBar::Target(TScrollCode code, int32_t pos) const {
    switch (code) {
    case TScrollCode::scLineUp:
        return Clamp(int64_t(position_) - SmallChange(), Min(), Max());
    case TScrollCode::scLineDown:
        return Clamp(int64_t(position_) + SmallChange(), Min(), Max());
    case TScrollCode::scPageUp:
        return Clamp(int64_t(position_) - LargeChange(), Min(), Max());
    case TScrollCode::scPageDown:
        return Clamp(int64_t(position_) + LargeChange(), Min(), Max());
    case TScrollCode::scPosition:
    case TScrollCode::scTrack:
        return pos;
    case TScrollCode::scTop:
        return Min();
    case TScrollCode::scBottom:
        return Max();
    case TScrollCode::scEndScroll:
        break;
    }
    return position_;
}

void TScrollBar::Scroll(TScrollCode code, int32_t pos) {
    Form()->Application()->Guarded([this, code, pos] { SetPosition(Target(code, pos)); });
}
