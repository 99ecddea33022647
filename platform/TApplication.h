#pragma once

#include "platform/Exception.h"
#include "platform/TComponent.h"

#include <memory>
#include <string>
#include <vector>

class TForm;
struct TApplicationNative;
struct TApplicationNativeDeleter {
    void operator()(TApplicationNative* native) const noexcept; // backend
};

// The application object: owns the forms, runs the message loop and shows the standard boxes.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override; // destroys the forms, the main form last

    // Opens the connection to the window system. Raises Exception when there is none.
    void Initialize();

    std::string Title; // captions the boxes; starts as the platform's default title

    // Creates a form of class F into reference; the first form created becomes the main form.
    template <class F> void CreateForm(F*& reference) {
        auto form = std::make_unique<F>(this);
        reference = form.get();
        AddForm(std::move(form));
        reference->DoCreate();
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and delivers messages until Terminate. Returns at once without a main
    // form.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The standard error box: message as text, Title as caption, an error icon and OK.
    void ShowException(const std::exception& e);
    // The simple message box: text, one OK button, Title as caption; returns when dismissed.
    void MessageBox(const std::string& text);

    // Runs fn and shows what escapes it in the error box: what the platform does for every event
    // handler it calls.
    template <class Fn> void Guarded(Fn&& fn) noexcept {
        try {
            fn();
        } catch (const std::exception& e) {
            ShowException(e);
        }
    }

    TApplicationNative* Native() const { return native_.get(); }

    // The title the platform gives a program that sets none: the file name of path without its
    // directory, cut at its first full stop, all characters but the first lower-cased.
    static std::string TitleFromPath(const std::string& path);

private:
    void AddForm(std::unique_ptr<TForm> form);
    // Backend hooks.
    void InitializeNative();
    void RunNative();
    void TerminateNative();
    void ShowErrorBox(const std::string& text);
    void ShowMessageBox(const std::string& text);

    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::unique_ptr<TApplicationNative, TApplicationNativeDeleter> native_;
};

// The process's one application object, set by the platform's start-up.
extern TApplication* Application;
