// Forms as top-level Win32 windows. The window procedure hands every message to the form's
// Dispatch first, so a form class sees WM_ACTIVATE, WM_ERASEBKGND or WM_SYSCOMMAND before any
// default handling; what the form leaves goes to DefaultHandler and from there to DefWindowProcA.
#include "platform/win32/Win32Native.h"

#include <imm.h>

#include "platform/Exception.h"
#include "platform/TApplication.h"
#include "platform/TBitmap.h"
#include "platform/TForm.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<TForm*>& LiveForms() {
    static std::vector<TForm*> forms;
    return forms;
}

TForm* FormOf(HWND hwnd) {
    return reinterpret_cast<TForm*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// Exceptions never unwind through the system's frames: what escapes a form's handling of a
// message is shown in the error box here.
void DispatchGuarded(TForm& form, TMessage& m) {
    try {
        form.Dispatch(m);
    } catch (const std::exception& e) {
        Application->ShowException(e);
    }
}

void Paint(TForm& form, HWND hwnd, TMessage& m) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    form.Native()->paintDC = dc;
    DispatchGuarded(form, m);
    form.Native()->paintDC = nullptr;
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->Native()->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    TForm* form = FormOf(hwnd);
    if (form == nullptr) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    TMessage m{msg, uint32_t(wParam), uint32_t(lParam), 0};
    if (msg == WM_PAINT) {
        Paint(*form, hwnd, m);
        return 0;
    }
    DispatchGuarded(*form, m);
    return m.Result;
}

// One window class per form class, named after it: other programs find the saver by this name.
void RegisterFormClass(const char* className) {
    static std::set<std::string> registered;
    if (registered.count(className) != 0) {
        return;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = FormWindowProc;
    wc.hInstance = win32::Instance();
    wc.hIcon = LoadIconA(win32::Instance(), "MAINICON");
    wc.hCursor = nullptr;       // the form's cursor is set on WM_SETCURSOR
    wc.hbrBackground = nullptr; // nothing is painted but what the form draws
    wc.lpszClassName = className;
    if (RegisterClassExA(&wc) == 0) {
        throw Exception(std::string("The window class ") + className + " cannot be registered.");
    }
    registered.insert(className);
}

DWORD StyleOf(TFormBorderStyle border) {
    switch (border) {
    case TFormBorderStyle::bsNone:
        return WS_POPUP;
    case TFormBorderStyle::bsSingle:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case TFormBorderStyle::bsDialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU;
    case TFormBorderStyle::bsSizeable:
        break;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD ExStyleOf(const TFormDescription& d) {
    DWORD ex = d.FormStyle == TFormStyle::fsStayOnTop ? WS_EX_TOPMOST : 0;
    if (d.BorderStyle == TFormBorderStyle::bsDialog) {
        ex |= WS_EX_DLGMODALFRAME;
    }
    return ex;
}

// The outer size of a window whose client area has this size.
SIZE OuterSize(const TFormNative& n, int32_t width, int32_t height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, n.style, FALSE, n.exStyle);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

HCURSOR CursorHandle(TCursor cursor) {
    return cursor == crNone ? nullptr : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
}

COLORREF ColorRef(TColor c) {
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

void FillClient(HWND hwnd, HDC dc, TColor color) {
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH brush = CreateSolidBrush(ColorRef(color));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

} // namespace

// ---- shared with the other parts of the backend ----

void win32::PaintPendingForms() {
    const auto forms = LiveForms();
    for (TForm* form : forms) {
        HWND hwnd = form->Native()->hwnd;
        if (hwnd != nullptr && IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) {
            UpdateWindow(hwnd);
        }
    }
}

// ---- TForm ----

void TFormNativeDeleter::operator()(TFormNative* n) const noexcept {
    delete n;
}

void TForm::CreateNative() {
    const TFormDescription& d = Description();
    RegisterFormClass(d.ClassName);
    native_.reset(new TFormNative);
    native_->style = StyleOf(d.BorderStyle);
    native_->exStyle = ExStyleOf(d);
    const SIZE outer = OuterSize(*native_, width_, height_);
    // The window procedure stores the handle in native_ while the window is being created.
    CreateWindowExA(native_->exStyle, d.ClassName, d.Caption, native_->style, left_, top_, outer.cx,
                    outer.cy, nullptr, nullptr, win32::Instance(), this);
    if (native_->hwnd == nullptr) {
        throw Exception(std::string("The window ") + d.Caption + " cannot be created.");
    }
    LiveForms().push_back(this);
}

void TForm::DestroyNative() {
    auto& forms = LiveForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (!native_ || native_->hwnd == nullptr) {
        return;
    }
    HWND hwnd = native_->hwnd;
    native_->hwnd = nullptr;
    // What the window receives while it goes reaches the system only: the form class is gone.
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

void TForm::ApplyBounds() {
    if (!native_ || native_->hwnd == nullptr) {
        return;
    }
    const SIZE outer = OuterSize(*native_, width_, height_);
    SetWindowPos(native_->hwnd, nullptr, left_, top_, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::ApplyCursor() {
    if (!native_ || native_->hwnd == nullptr || !IsWindowVisible(native_->hwnd)) {
        return;
    }
    POINT p;
    if (::GetCursorPos(&p) && WindowFromPoint(p) == native_->hwnd) {
        ::SetCursor(CursorHandle(cursor_));
    }
}

void TForm::SetImeDisabled() {
    if (native_ && native_->hwnd != nullptr) {
        ImmAssociateContext(native_->hwnd, nullptr);
    }
}

void TForm::ShowNative() {
    HWND hwnd = native_->hwnd;
    if (Description().Position == TPosition::poScreenCenter) {
        const SIZE outer = OuterSize(*native_, width_, height_);
        left_ = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
        top_ = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
        ApplyBounds();
    }
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    // A form that keeps WM_ACTIVATE from the system gets no focus from it: keys need one.
    if (GetFocus() == nullptr) {
        SetFocus(hwnd);
    }
}

void TForm::HideNative() {
    if (native_ && native_->hwnd != nullptr) {
        ShowWindow(native_->hwnd, SW_HIDE);
    }
}

void TForm::Invalidate() {
    if (native_ && native_->hwnd != nullptr) {
        InvalidateRect(native_->hwnd, nullptr, FALSE);
    }
}

void TForm::Present(const TBitmap& bitmap, const TRect& dest, int32_t sx, int32_t sy) {
    HWND hwnd = native_ ? native_->hwnd : nullptr;
    if (hwnd == nullptr || dest.IsEmpty()) {
        return;
    }
    const int32_t w = dest.Right - dest.Left;
    const int32_t h = dest.Bottom - dest.Top;
    // The rows dest needs, as a top-down DIB of the bitmap's full width: its pixels 0x00RRGGBB are
    // the bytes B, G, R, 0 that a 32-bit BI_RGB DIB holds.
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = bitmap.Width();
    bmi.bmiHeader.biHeight = -h;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    HDC dc = native_->paintDC != nullptr ? native_->paintDC : GetDC(hwnd);
    SetDIBitsToDevice(dc, dest.Left, dest.Top, DWORD(w), DWORD(h), sx, 0, 0, UINT(h),
                      bitmap.ScanLine(sy), &bmi, DIB_RGB_COLORS);
    if (dc != native_->paintDC) {
        ReleaseDC(hwnd, dc);
    }
}

void TForm::DefaultHandler(TMessage& m) {
    HWND hwnd = native_ ? native_->hwnd : nullptr;
    if (hwnd == nullptr) {
        return;
    }
    if (native_->ChildMessage && native_->ChildMessage(m)) {
        return;
    }
    if (m.Msg == WM_ERASEBKGND) {
        FillClient(hwnd, reinterpret_cast<HDC>(uintptr_t(m.WParam)), Description().Color);
        m.Result = 1;
        return;
    }
    if (m.Msg == WM_SETCURSOR && reinterpret_cast<HWND>(uintptr_t(m.WParam)) == hwnd &&
        LOWORD(m.LParam) == HTCLIENT) {
        ::SetCursor(CursorHandle(cursor_));
        m.Result = TRUE;
        return;
    }
    m.Result = int32_t(DefWindowProcA(hwnd, m.Msg, m.WParam, LPARAM(m.LParam)));
}

TForm::~TForm() {
    DestroyNative();
}
