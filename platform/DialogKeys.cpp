#include "platform/DialogKeys.h"

#include "platform/TButton.h"
#include "platform/TForm.h"
#include "platform/TScrollBar.h"

#include <algorithm>
#include <optional>

namespace {

std::vector<TControl*> ChildrenInTabOrder(const TForm& form, const TControl* parent) {
    std::vector<TControl*> children;
    for (TControl* c : form.Controls()) {
        if (c->Parent() == parent) {
            children.push_back(c);
        }
    }
    // Controls without a tab order keep their creation order, after the others.
    std::stable_sort(children.begin(), children.end(), [](const TControl* a, const TControl* b) {
        const uint32_t ka = uint32_t(a->TabOrder()), kb = uint32_t(b->TabOrder());
        return ka < kb;
    });
    return children;
}

void AppendInTabOrder(const TForm& form, const TControl* parent, std::vector<TControl*>& out) {
    for (TControl* c : ChildrenInTabOrder(form, parent)) {
        if (c->CanFocus()) {
            out.push_back(c);
        }
        AppendInTabOrder(form, c, out);
    }
}

void MoveFocus(TForm& form, bool forward) {
    const std::vector<TControl*> order = DialogKeys::TabOrderList(form);
    if (order.empty()) {
        return;
    }
    const auto at = std::find(order.begin(), order.end(), form.ActiveControl());
    const size_t n = order.size();
    size_t next = forward ? 0 : n - 1;
    if (at != order.end()) {
        const size_t i = size_t(at - order.begin());
        next = forward ? (i + 1) % n : (i + n - 1) % n;
    }
    order[next]->SetFocus();
}

TButton* FindButton(const TForm& form, bool (*wanted)(const TButton&)) {
    for (TControl* c : form.Controls()) {
        auto* b = dynamic_cast<TButton*>(c);
        if (b != nullptr && wanted(*b)) {
            return b;
        }
    }
    return nullptr;
}

bool Press(TButton* button) {
    if (button == nullptr) {
        return false;
    }
    button->Press();
    return true;
}

std::optional<TScrollCode> ScrollKey(uint16_t key) {
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        return TScrollCode::scLineUp;
    case VK_RIGHT:
    case VK_DOWN:
        return TScrollCode::scLineDown;
    case VK_PRIOR:
        return TScrollCode::scPageUp;
    case VK_NEXT:
        return TScrollCode::scPageDown;
    case VK_HOME:
        return TScrollCode::scTop;
    case VK_END:
        return TScrollCode::scBottom;
    default:
        return std::nullopt;
    }
}

bool ScrollBarKey(TScrollBar& bar, uint16_t key) {
    const std::optional<TScrollCode> code = ScrollKey(key);
    if (!code) {
        return false;
    }
    bar.Scroll(*code, 0);
    bar.Scroll(TScrollCode::scEndScroll, 0);
    return true;
}

// On a button, the arrows walk the focus as Tab does.
bool ButtonKey(TForm& form, TButton& button, uint16_t key) {
    switch (key) {
    case VK_SPACE:
        button.Press();
        return true;
    case VK_LEFT:
    case VK_UP:
        MoveFocus(form, false);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        MoveFocus(form, true);
        return true;
    default:
        return false;
    }
}

bool AcceleratorKey(TForm& form, uint16_t key) {
    const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (!letterOrDigit) {
        return false;
    }
    for (TControl* c : form.Controls()) {
        auto* b = dynamic_cast<TButton*>(c);
        if (b != nullptr && b->Accelerator() == char(key)) {
            b->SetFocus();
            b->Press();
            return true;
        }
    }
    return false;
}

bool FocusedControlKey(TForm& form, uint16_t key) {
    TControl* focused = form.ActiveControl();
    if (auto* bar = dynamic_cast<TScrollBar*>(focused)) {
        return ScrollBarKey(*bar, key);
    }
    if (auto* button = dynamic_cast<TButton*>(focused)) {
        return ButtonKey(form, *button, key);
    }
    return false;
}

} // namespace

std::vector<TControl*> DialogKeys::TabOrderList(const TForm& form) {
    std::vector<TControl*> order;
    AppendInTabOrder(form, nullptr, order);
    return order;
}

bool DialogKeys::Handle(TForm& form, uint16_t key, TShiftState shift) {
    if ((shift & ssCtrl) != 0) {
        return false;
    }
    switch (key) {
    case VK_TAB:
        MoveFocus(form, (shift & ssShift) == 0);
        return true;
    case VK_RETURN: {
        auto* focused = dynamic_cast<TButton*>(form.ActiveControl());
        return Press(focused != nullptr ? focused : FindButton(form, [](const TButton& b) {
            return b.Default();
        }));
    }
    case VK_ESCAPE:
        return Press(FindButton(form, [](const TButton& b) { return b.Cancel(); }));
    default:
        break;
    }
    return FocusedControlKey(form, key) || AcceleratorKey(form, key);
}
