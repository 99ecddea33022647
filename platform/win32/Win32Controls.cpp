// The Win32 backend's controls: system child windows ("BUTTON", "SCROLLBAR", "STATIC") and a
// small panel class of the backend's own that parents other controls. The system's dialog manager
// (IsDialogMessage in the message loop) owns Tab, Enter, Escape and the accelerators; the platform
// keeps the focus, the default button and a scroll bar's position, and the windows follow it.
#include "platform/win32/Win32Native.h"

#include "platform/DialogKeys.h"
#include "platform/TButton.h"
#include "platform/TForm.h"
#include "platform/TLabel.h"
#include "platform/TScrollBar.h"

#include <map>
#include <string>
#include <tuple>

// The window is a child of the form's window, which destroys it with itself.
struct TControlNative {
    HWND hwnd = nullptr;
    WNDPROC systemProc = nullptr; // the class's own procedure, under the subclass
    uint32_t captionChanges = 0;
};

namespace {

constexpr wchar_t kPanelClass[] = L"GlacimoPanel";
constexpr wchar_t kControlProp[] = L"GlacimoControl";
// Control ids of the controls that are neither the default nor the cancel button.
constexpr int kFirstControlId = 100;

COLORREF ColorRef(TColor c) {
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

// Brushes and fonts live as long as the process: every form of a kind uses the same few.
HBRUSH Brush(TColor color) {
    static std::map<TColor, HBRUSH> brushes;
    HBRUSH& brush = brushes[color];
    if (brush == nullptr) {
        brush = CreateSolidBrush(ColorRef(color));
    }
    return brush;
}

// A positive height asks for the character-cell height, as the description gives it.
HFONT Font(const TFontDescription& font) {
    static std::map<std::tuple<std::string, bool, int32_t>, HFONT> fonts;
    HFONT& handle = fonts[{font.Name, font.Bold, font.Height}];
    if (handle == nullptr) {
        handle = CreateFontA(font.Height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                             FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.Name);
    }
    return handle;
}

TControl* ControlOf(HWND hwnd) {
    return static_cast<TControl*>(GetPropW(hwnd, kControlProp));
}

// The form's control whose window is hwnd; nullptr for any other window.
TControl* FindControl(const TForm& form, HWND hwnd) {
    if (hwnd == nullptr) {
        return nullptr;
    }
    for (TControl* c : form.Controls()) {
        if (c->Native() != nullptr && c->Native()->hwnd == hwnd) {
            return c;
        }
    }
    return nullptr;
}

template <class T> T* FindButton(const TForm& form, bool (TButton::*role)() const) {
    for (TControl* c : form.Controls()) {
        auto* button = dynamic_cast<T*>(c);
        if (button != nullptr && (button->*role)()) {
            return button;
        }
    }
    return nullptr;
}

// The colour a control's text stands on: its own for a panel, its parent's for the rest.
TColor BackColor(const TControl& c) {
    if (c.Kind() == TComponentKind::Panel) {
        return c.Description().Color;
    }
    return c.Parent() != nullptr ? c.Parent()->Description().Color : c.Form()->Description().Color;
}

// As the system's dialogs do: the focused push button is the one Enter presses and wears the
// default frame; with the focus elsewhere the default button does.
void UpdateButtonStyles(const TForm& form) {
    const bool buttonFocused = dynamic_cast<const TButton*>(form.ActiveControl()) != nullptr;
    for (TControl* c : form.Controls()) {
        const auto* button = dynamic_cast<const TButton*>(c);
        if (button == nullptr || button->Native() == nullptr || button->Native()->hwnd == nullptr) {
            continue;
        }
        HWND hwnd = button->Native()->hwnd;
        const bool isDefault = button->Focused() || (!buttonFocused && button->Default());
        const LONG_PTR style = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if ((GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) != style) {
            SendMessageW(hwnd, BM_SETSTYLE, WPARAM(style), TRUE);
        }
    }
}

TScrollCode ScrollCode(WORD code) {
    switch (code) {
    case SB_LINELEFT:
        return TScrollCode::scLineUp;
    case SB_LINERIGHT:
        return TScrollCode::scLineDown;
    case SB_PAGELEFT:
        return TScrollCode::scPageUp;
    case SB_PAGERIGHT:
        return TScrollCode::scPageDown;
    case SB_THUMBPOSITION:
        return TScrollCode::scPosition;
    case SB_THUMBTRACK:
        return TScrollCode::scTrack;
    case SB_LEFT:
        return TScrollCode::scTop;
    case SB_RIGHT:
        return TScrollCode::scBottom;
    default:
        break;
    }
    return TScrollCode::scEndScroll;
}

// The thumb's position in 32 bits; the message's own field has 16.
int32_t TrackPosition(HWND bar, WPARAM wParam) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(bar, SB_CTL, &si)) {
        return si.nTrackPos;
    }
    return int32_t(HIWORD(wParam));
}

bool OnCommand(TForm& form, TMessage& m) {
    if (HIWORD(m.WParam) != BN_CLICKED) {
        return false;
    }
    auto* button = dynamic_cast<TButton*>(FindControl(form, reinterpret_cast<HWND>(m.LParam)));
    // The dialog manager's Enter and Escape name the button by its id alone when it finds none.
    if (button == nullptr && LOWORD(m.WParam) == IDOK) {
        button = FindButton<TButton>(form, &TButton::Default);
    }
    if (button == nullptr && LOWORD(m.WParam) == IDCANCEL) {
        button = FindButton<TButton>(form, &TButton::Cancel);
    }
    if (button == nullptr) {
        return false;
    }
    button->Press();
    m.Result = 0;
    return true;
}

bool OnHScroll(TForm& form, TMessage& m) {
    HWND hwnd = reinterpret_cast<HWND>(m.LParam);
    auto* bar = dynamic_cast<TScrollBar*>(FindControl(form, hwnd));
    if (bar == nullptr) {
        return false;
    }
    const WORD code = LOWORD(m.WParam);
    const bool thumb = code == SB_THUMBTRACK || code == SB_THUMBPOSITION;
    bar->Scroll(ScrollCode(code), thumb ? TrackPosition(hwnd, m.WParam) : 0);
    SetScrollPos(hwnd, SB_CTL, bar->Position(), TRUE);
    m.Result = 0;
    return true;
}

bool OnCtlColor(TForm& form, TMessage& m) {
    const TControl* c = FindControl(form, reinterpret_cast<HWND>(m.LParam));
    if (c == nullptr) {
        return false;
    }
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    const TColor back = BackColor(*c);
    SetTextColor(dc, ColorRef(form.Description().Font.Color));
    SetBkColor(dc, ColorRef(back));
    m.Result = int32_t(reinterpret_cast<intptr_t>(Brush(back)));
    return true;
}

// The form's window keeps no focus of its own while a control can take it, as a dialog's.
bool OnFormFocus(TForm& form, TMessage& m) {
    TControl* active = form.ActiveControl();
    if (active == nullptr || active->Native() == nullptr || active->Native()->hwnd == nullptr) {
        return false;
    }
    ::SetFocus(active->Native()->hwnd);
    m.Result = 0;
    return true;
}

// The dialog manager asks which button Enter presses: the focused one, or else the default one.
bool OnGetDefId(const TForm& form, TMessage& m) {
    const TControl* active = form.ActiveControl();
    const TButton* button = dynamic_cast<const TButton*>(active);
    if (button == nullptr) {
        button = FindButton<const TButton>(form, &TButton::Default);
    }
    if (button == nullptr || button->Native() == nullptr || button->Native()->hwnd == nullptr) {
        return false;
    }
    m.Result = int32_t(MAKELONG(GetDlgCtrlID(button->Native()->hwnd), DC_HASDEFID));
    return true;
}

bool ChildMessage(TForm& form, TMessage& m) {
    switch (m.Msg) {
    case DM_GETDEFID:
        return OnGetDefId(form, m);
    case WM_COMMAND:
        return OnCommand(form, m);
    case WM_HSCROLL:
        return OnHScroll(form, m);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnCtlColor(form, m);
    case WM_SETFOCUS:
        return OnFormFocus(form, m);
    default:
        break;
    }
    return false;
}

void PaintPanel(HWND hwnd, const TControl& panel) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, Brush(panel.Description().Color));
    const std::wstring text = win32::Widen(panel.Caption());
    if (!text.empty()) {
        HGDIOBJ old = SelectObject(dc, Font(panel.Form()->Description().Font));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorRef(panel.Form()->Description().Font.Color));
        DrawTextW(dc, text.c_str(), int(text.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
    }
    EndPaint(hwnd, &ps);
}

// A panel passes what its children tell their parent on to the form, whose handling needs it.
LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetParent(hwnd), msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1; // the paint fills everything
    case WM_PAINT:
        if (const TControl* panel = ControlOf(hwnd)) {
            PaintPanel(hwnd, *panel);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void RegisterPanelClass() {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = win32::Instance();
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = kPanelClass;
    registered = RegisterClassExW(&wc) != 0;
}

// Under every system control: the focus it takes becomes the form's active control.
LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TControl* c = ControlOf(hwnd);
    if (c == nullptr || c->Native() == nullptr) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    const WNDPROC systemProc = c->Native()->systemProc;
    if (msg == WM_SETFOCUS) {
        c->SetFocus();
    } else if (msg == WM_NCDESTROY) {
        RemovePropW(hwnd, kControlProp);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc));
        c->Native()->hwnd = nullptr;
    }
    return CallWindowProcW(systemProc, hwnd, msg, wParam, lParam);
}

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(const TControl& c) {
    const bool bordered = c.ClientInset() > 0;
    switch (c.Kind()) {
    case TComponentKind::Button: {
        const auto& button = static_cast<const TButton&>(c);
        const DWORD type = button.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        return {L"BUTTON", WS_TABSTOP | type, 0};
    }
    case TComponentKind::ScrollBar:
        return {L"SCROLLBAR", WS_TABSTOP | SBS_HORZ, 0};
    case TComponentKind::Panel:
        return {kPanelClass, WS_CLIPCHILDREN,
                WS_EX_CONTROLPARENT | (bordered ? DWORD(WS_EX_CLIENTEDGE) : 0)};
    default:
        break;
    }
    return {L"STATIC", SS_LEFT, 0};
}

int ControlId(const TControl& c, size_t index) {
    if (const auto* button = dynamic_cast<const TButton*>(&c)) {
        if (button->Default()) {
            return IDOK;
        }
        if (button->Cancel()) {
            return IDCANCEL;
        }
    }
    return kFirstControlId + int(index);
}

// An auto-sized label is as wide as its text.
void FitLabel(const TControl& c, HWND hwnd, HFONT font) {
    const auto* label = dynamic_cast<const TLabel*>(&c);
    if (label == nullptr || !label->AutoSize()) {
        return;
    }
    const std::wstring text = win32::Widen(c.DisplayText());
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    SetWindowPos(hwnd, nullptr, 0, 0, size.cx, c.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StartChildMessages(TForm& form) {
    TFormNative* n = form.Native();
    if (n->ChildMessage) {
        return;
    }
    n->ChildMessage = [&form](TMessage& m) { return ChildMessage(form, m); };
    n->dialogKeys = true;
    const LONG_PTR style = GetWindowLongPtrA(n->hwnd, GWL_STYLE);
    SetWindowLongPtrA(n->hwnd, GWL_STYLE, style | WS_CLIPCHILDREN);
}

} // namespace

TShiftState KeyboardShiftState() {
    TShiftState s = 0;
    s |= (GetKeyState(VK_SHIFT) < 0) ? ssShift : 0;
    s |= (GetKeyState(VK_MENU) < 0) ? ssAlt : 0;
    s |= (GetKeyState(VK_CONTROL) < 0) ? ssCtrl : 0;
    return s;
}

void TControlNativeDeleter::operator()(TControlNative* n) const noexcept {
    // A window the form's window did not take with it goes with its control.
    if (n->hwnd != nullptr) {
        RemovePropW(n->hwnd, kControlProp);
        if (n->systemProc != nullptr) {
            SetWindowLongPtrW(n->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(n->systemProc));
        }
        DestroyWindow(n->hwnd);
    }
    delete n;
}

void TControl::CreateNative() {
    TFormNative* formNative = form_->Native();
    if (formNative == nullptr || formNative->hwnd == nullptr) {
        return;
    }
    RegisterPanelClass();
    StartChildMessages(*form_);
    HWND parent = formNative->hwnd;
    if (parent_ != nullptr && parent_->native_ && parent_->native_->hwnd != nullptr) {
        parent = parent_->native_->hwnd;
    }
    const WindowKind kind = KindOf(*this);
    const int id = ControlId(*this, form_->Controls().size());
    const std::wstring text = win32::Widen(caption_);
    HWND hwnd =
        CreateWindowExW(kind.exStyle, kind.className, text.c_str(),
                        WS_CHILD | WS_VISIBLE | kind.style, Left(), Top(), Width(), Height(),
                        parent, reinterpret_cast<HMENU>(intptr_t(id)), win32::Instance(), nullptr);
    if (hwnd == nullptr) {
        return;
    }
    native_.reset(new TControlNative);
    native_->hwnd = hwnd;
    native_->captionChanges = captionChanges_;
    SetPropW(hwnd, kControlProp, this);
    HFONT font = Font(form_->Description().Font);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (const auto* bar = dynamic_cast<const TScrollBar*>(this)) {
        SetScrollRange(hwnd, SB_CTL, bar->Min(), bar->Max(), FALSE);
        SetScrollPos(hwnd, SB_CTL, bar->Position(), TRUE);
    }
    FitLabel(*this, hwnd, font);
    if (Kind() != TComponentKind::Panel) {
        native_->systemProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
    }
}

void TControl::Changed() {
    if (!native_ || native_->hwnd == nullptr) {
        return;
    }
    HWND hwnd = native_->hwnd;
    if (native_->captionChanges != captionChanges_) {
        native_->captionChanges = captionChanges_;
        SetWindowTextW(hwnd, win32::Widen(caption_).c_str());
        FitLabel(*this, hwnd, Font(form_->Description().Font));
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    if (const auto* bar = dynamic_cast<const TScrollBar*>(this)) {
        if (GetScrollPos(hwnd, SB_CTL) != bar->Position()) {
            SetScrollPos(hwnd, SB_CTL, bar->Position(), TRUE);
        }
    }
    UpdateButtonStyles(*form_);
    if (Focused() && form_->Visible() && GetFocus() != hwnd) {
        ::SetFocus(hwnd);
    }
}
