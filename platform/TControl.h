#pragma once

#include "platform/TComponent.h"
#include "platform/TFormDescription.h"

#include <memory>
#include <string>

class TForm;
struct TControlNative; // each backend's widget state
struct TControlNativeDeleter {
    void operator()(TControlNative* native) const noexcept; // backend
};

// A child control of a form, made from its stored description. The platform keeps the control's
// state (caption, focus, a scroll bar's position) here; the backend shows it. Controls live as
// long as their form; a backend whose window system destroys child widgets with their window does
// not destroy them again.
class TControl : public TComponent {
public:
    TControl(TForm* form, TControl* parent, const TComponentDescription& description);
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    TForm* Form() const { return form_; }
    TControl* Parent() const { return parent_; } // nullptr: the form itself
    TComponentKind Kind() const { return description_->Kind; }
    const TComponentDescription& Description() const { return *description_; }

    // Relative to the parent's client area.
    int32_t Left() const { return description_->Left; }
    int32_t Top() const { return description_->Top; }
    int32_t Width() const { return description_->Width; }
    int32_t Height() const { return description_->Height; }
    // The control's rectangle in the form's client coordinates.
    TRect BoundsInForm() const;
    // Distance from the control's outer edge to its client area: the border of a bordered panel.
    int32_t ClientInset() const;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // How often SetCaption ran: a backend relabels its widget only when this moved.
    uint32_t CaptionChanges() const { return captionChanges_; }
    // The letter after a single '&' of the caption, upper-cased; 0 without one.
    char Accelerator() const;
    // The caption as drawn: "&&" shows one '&', a single '&' marks the accelerator and vanishes.
    std::string DisplayText() const;

    int32_t TabOrder() const { return description_->TabOrder; }
    // Buttons and scroll bars take the keyboard focus; panels and labels never do.
    bool CanFocus() const;
    bool Focused() const;
    // Moves the keyboard focus here (the form's active control), where the control can take it.
    void SetFocus();

    // Backend: shows the control's current state (caption, position, focus, default frame).
    void Changed();
    // Backend: makes the native widget; the form calls it once the control is complete.
    void CreateNative();
    TControlNative* Native() const { return native_.get(); }

private:
    TForm* form_;
    TControl* parent_;
    const TComponentDescription* description_;
    std::string caption_;
    uint32_t captionChanges_ = 0;
    std::unique_ptr<TControlNative, TControlNativeDeleter> native_;
};
