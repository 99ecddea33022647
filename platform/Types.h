#pragma once

#include <cstdint>

// Geometry: signed 32-bit pixels, origin top left, y downward; right and bottom are exclusive.
struct TPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    // Computed in 64 bits: the corners of a rectangle may lie anywhere in the 32-bit plane.
    int64_t Width() const { return int64_t(Right) - Left; }
    int64_t Height() const { return int64_t(Bottom) - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return TRect{left, top, right, bottom};
}

// A window message as the Win32 message loop delivers it. The platform's dispatch reads Msg, WParam
// and LParam and returns Result to the sender.
struct TMessage {
    uint32_t Msg = 0;
    uint32_t WParam = 0;
    uint32_t LParam = 0;
    int32_t Result = 0;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Bit set of modifier keys and mouse buttons held while an input event happened.
using TShiftState = uint32_t;
inline constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16,
                             ssMiddle = 32;

enum class TFormBorderStyle { bsNone, bsSingle, bsDialog, bsSizeable };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TPosition { poDesigned, poScreenCenter };

using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;

using TColor = uint32_t; // 0x00RRGGBB
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clBtnFace = 0xC0C0C0;

// Win32 numbers the program relies on. The Win32 backend includes <windows.h> before this header,
// so each value is declared only where the system header has not defined it already.
#ifndef WM_ACTIVATE
inline constexpr uint32_t WM_ACTIVATE = 0x0006;
#endif
#ifndef WM_PAINT
inline constexpr uint32_t WM_PAINT = 0x000F;
#endif
#ifndef WM_CLOSE
inline constexpr uint32_t WM_CLOSE = 0x0010;
#endif
#ifndef WM_ERASEBKGND
inline constexpr uint32_t WM_ERASEBKGND = 0x0014;
#endif
#ifndef WM_KEYDOWN
inline constexpr uint32_t WM_KEYDOWN = 0x0100;
#endif
#ifndef WM_SYSKEYDOWN
inline constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
#endif
#ifndef WM_SYSCOMMAND
inline constexpr uint32_t WM_SYSCOMMAND = 0x0112;
#endif
#ifndef WM_MOUSEMOVE
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;
#endif
#ifndef WM_LBUTTONDOWN
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
#endif
#ifndef WM_RBUTTONDOWN
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
#endif
#ifndef WM_MBUTTONDOWN
inline constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
#endif
#ifndef WA_INACTIVE
inline constexpr uint32_t WA_INACTIVE = 0;
#endif
#ifndef WA_ACTIVE
inline constexpr uint32_t WA_ACTIVE = 1;
#endif
#ifndef WA_CLICKACTIVE
inline constexpr uint32_t WA_CLICKACTIVE = 2;
#endif
#ifndef SC_SCREENSAVE
inline constexpr uint32_t SC_SCREENSAVE = 0xF140;
#endif
#ifndef SRCCOPY
inline constexpr uint32_t SRCCOPY = 0x00CC0020;
#endif
#ifndef SRCAND
inline constexpr uint32_t SRCAND = 0x008800C6;
#endif
#ifndef SRCPAINT
inline constexpr uint32_t SRCPAINT = 0x00EE0086;
#endif
