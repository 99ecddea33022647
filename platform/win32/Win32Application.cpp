// The application object on Win32: the thread's message loop and the system's message boxes.
#include "platform/win32/Win32Native.h"

#include "platform/TApplication.h"
#include "platform/TForm.h"

#include <climits>

int win32::ModalDepth = 0;

HINSTANCE win32::Instance() {
    return GetModuleHandleA(nullptr);
}

std::wstring win32::Widen(const std::string& utf8) {
    if (utf8.empty() || utf8.size() > size_t(INT_MAX)) {
        return std::wstring();
    }
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size_t(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    }
    return wide;
}

namespace {

void ShowBox(const std::string& text, const std::string& caption, UINT type) {
    ++win32::ModalDepth;
    MessageBoxW(nullptr, win32::Widen(text).c_str(), win32::Widen(caption).c_str(), type);
    --win32::ModalDepth;
}

// Tab, Enter, Escape and the accelerators of a form with controls, for the window that has the
// focus in it: the system's dialog manager handles them.
bool IsDialogKey(const TForm* form, MSG& msg) {
    HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root == nullptr || form == nullptr || form->Native() == nullptr) {
        return false;
    }
    const TFormNative& n = *form->Native();
    return n.dialogKeys && n.hwnd == root && IsDialogMessageA(root, &msg);
}

} // namespace

void TApplicationNativeDeleter::operator()(TApplicationNative* n) const noexcept {
    delete n;
}

void TApplication::InitializeNative() {
    if (!native_) {
        native_.reset(new TApplicationNative);
    }
}

void TApplication::RunNative() {
    if (MainForm() == nullptr) {
        return;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogKey(MainForm(), msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void TApplication::TerminateNative() {
    PostQuitMessage(0);
    if (MainForm() != nullptr) {
        MainForm()->Hide();
    }
}

void TApplication::ShowErrorBox(const std::string& text) {
    ShowBox(text, Title, MB_ICONERROR | MB_OK);
}

void TApplication::ShowMessageBox(const std::string& text) {
    ShowBox(text, Title, MB_OK);
}
