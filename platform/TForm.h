#pragma once

#include "platform/TCanvas.h"
#include "platform/TComponent.h"
#include "platform/TFormDescription.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

class TApplication;
class TBitmap;
class TControl;
struct TFormNative; // each backend's window state
struct TFormNativeDeleter {
    void operator()(TFormNative* native) const noexcept; // backend
};

// A top-level window. Its layout comes from a TFormDescription; native events reach it as
// TMessages through Dispatch, which a form class may override to see messages before the
// platform's own handling does.
class TForm : public TComponent {
public:
    explicit TForm(TApplication* owner);
    ~TForm() override;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    // The platform's handling of a message: input and paint messages run the form's events,
    // WM_ERASEBKGND fills the window with Color, everything else goes to the backend's default.
    virtual void Dispatch(TMessage& Message);

    // Run OnCreate and OnDestroy; an exception escaping them goes to the application's error box.
    // The application runs DoDestroy before it deletes a form, while the whole object still lives.
    void DoCreate();
    void DoDestroy();
    void Show();
    void Hide();
    // Hides the form; closing the main form ends the application's message loop.
    void Close();

    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    void SetLeft(int32_t v);
    void SetTop(int32_t v);
    void SetWidth(int32_t v);
    void SetHeight(int32_t v);
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    // Switches any input-method editor off for this window.
    void SetImeDisabled();

    // The form's controls in creation order, and the one with the keyboard focus (or nullptr).
    std::span<TControl* const> Controls() const { return controls_; }
    TControl* ActiveControl() const { return activeControl_; }
    // Moves the focus to control, which must be one of the form's controls that can take it.
    void SetActiveControl(TControl* control);

    TCanvas* Canvas() { return &canvas_; }
    bool Visible() const { return visible_; }
    const TFormDescription& Description() const { return *description_; }
    TApplication* Application() const { return owner_; }

    TNotifyEvent OnCreate, OnDestroy, OnPaint;
    TKeyEvent OnKeyDown;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;

    // Backend: copies an unscaled, already clipped rectangle of bitmap, whose top-left corner is
    // (sx, sy), to dest of the window. Inside a paint the backend limits it to the invalid area.
    void Present(const TBitmap& bitmap, const TRect& dest, int32_t sx, int32_t sy);
    // Backend: asks for a paint of the whole window.
    void Invalidate();
    TFormNative* Native() const { return native_.get(); }

protected:
    // Reads the layout: properties, components, and the handlers named in it, which the form
    // class publishes through MethodAddress. Raises Exception for a handler that is not published.
    void LoadDescription(const TFormDescription& description);
    virtual TMethod MethodAddress(std::string_view name);
    template <class T> T* FindComponent(std::string_view name) const {
        for (const auto& c : components_) {
            if (c->Name == name) {
                return dynamic_cast<T*>(c.get());
            }
        }
        return nullptr;
    }
    // Backend: the platform's default handling of a message no form handler took.
    void DefaultHandler(TMessage& Message);

private:
    void CreateComponent(const TComponentDescription& d);
    void CreateTimer(const TComponentDescription& d);
    void CreateControl(const TComponentDescription& d);
    void HandleKey(TMessage& m);
    template <class E> void Bind(E& event, const char* handler);
    // Backend hooks.
    void CreateNative();
    void DestroyNative();
    void ApplyBounds();
    void ApplyCursor();
    void ShowNative();
    void HideNative();

    TApplication* owner_;
    const TFormDescription* description_ = nullptr;
    std::vector<std::unique_ptr<TComponent>> components_;
    std::vector<TControl*> controls_; // owned by components_
    TControl* activeControl_ = nullptr;
    int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TCursor cursor_ = crDefault;
    bool visible_ = false;
    TCanvas canvas_{this};
    std::unique_ptr<TFormNative, TFormNativeDeleter> native_;
};
