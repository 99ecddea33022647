#include "platform/TApplication.h"

#include "platform/TForm.h"

#include <algorithm>
#include <cctype>

TApplication* Application = nullptr;

TApplication::TApplication() = default;

TApplication::~TApplication() {
    // Forms go in reverse order of creation, so the main form, created first, goes last.
    while (!forms_.empty()) {
        TForm* form = forms_.back().get();
        form->DoDestroy();
        forms_.pop_back();
    }
}

void TApplication::Initialize() {
    InitializeNative();
}

void TApplication::AddForm(std::unique_ptr<TForm> form) {
    if (mainForm_ == nullptr) {
        mainForm_ = form.get();
    }
    forms_.push_back(std::move(form));
}

void TApplication::Run() {
    if (terminated_) {
        return;
    }
    // Without a main form the backend's loop returns at once.
    if (mainForm_ != nullptr) {
        mainForm_->Show();
    }
    RunNative();
}

void TApplication::Terminate() {
    if (!terminated_) {
        terminated_ = true;
        TerminateNative();
    }
}

void TApplication::ShowException(const std::exception& e) {
    ShowErrorBox(e.what());
}

void TApplication::MessageBox(const std::string& text) {
    ShowMessageBox(text);
}

std::string TApplication::TitleFromPath(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    for (size_t i = 1; i < name.size(); ++i) {
        name[i] = char(std::tolower(static_cast<unsigned char>(name[i])));
    }
    return name;
}
