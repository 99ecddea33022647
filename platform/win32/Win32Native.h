#pragma once

// The Win32 backend's window state, shared by its source files. Include this header before any
// platform header: <windows.h> must come first so that the platform takes its Win32 numbers.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// TApplication has a member of this name; the macro would rename it in this backend only.
#undef MessageBox

#include "platform/Types.h"

#include <functional>
#include <string>

// TMessage carries the message fields in 32 bits, as a 32-bit program receives them.
static_assert(sizeof(WPARAM) == sizeof(uint32_t) && sizeof(LPARAM) == sizeof(uint32_t),
              "the Win32 backend is built for 32-bit Windows");

struct TFormNative {
    HWND hwnd = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    // The paint DC while the form handles WM_PAINT; drawing through it stays inside the invalid
    // area.
    HDC paintDC = nullptr;
    // Answers messages that the form's child controls send it (WM_COMMAND, WM_HSCROLL,
    // WM_CTLCOLOR...) ahead of DefWindowProcA; returns true when it set Result.
    std::function<bool(TMessage&)> ChildMessage;
    // A form with controls: the message loop hands its keys to the system's dialog manager.
    bool dialogKeys = false;
};

struct TApplicationNative {};

struct TTimerNative {
    UINT_PTR id = 0;
};

namespace win32 {

HINSTANCE Instance();

// UTF-8 to UTF-16; invalid sequences become U+FFFD.
std::wstring Widen(const std::string& utf8);

// While a modal box runs its own message loop, timer ticks are dropped: a tick handler that
// fails would otherwise open a box on every tick.
extern int ModalDepth;

// Paints every shown form that has an invalid area, at once. A tick runs this first, so that no
// tick reaches a window before the paint the window is waiting for.
void PaintPendingForms();

} // namespace win32
