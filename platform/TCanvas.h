#pragma once

#include "platform/Types.h"

#include <cstdint>

class TBitmap;
class TForm;

// A drawing surface: either a bitmap's or a window's. Copies onto it combine source and destination
// by CopyMode (SRCCOPY, SRCAND or SRCPAINT). All clipping happens here, once, against both the
// source and the destination, so callers may pass rectangles that reach past any edge.
class TCanvas {
public:
    explicit TCanvas(TBitmap* bitmap) : bitmap_(bitmap) {}
    explicit TCanvas(TForm* form) : form_(form) {}

    // Copies Source of canvas from to Dest of this canvas, scaling when the sizes differ.
    // The source must be a bitmap's canvas: nothing reads back from a window.
    void CopyRect(const TRect& Dest, TCanvas* from, const TRect& Source);
    // Draws the whole bitmap with its top-left corner at (x, y), at its own size.
    void Draw(int32_t x, int32_t y, TBitmap* bitmap);
    // Draws the whole bitmap scaled to fill Dest, with a bilinear filter.
    void StretchDraw(const TRect& Dest, TBitmap* bitmap);

    TBitmap* Bitmap() const { return bitmap_; }
    TForm* Form() const { return form_; }

    uint32_t CopyMode = SRCCOPY;

private:
    TBitmap* bitmap_ = nullptr;
    TForm* form_ = nullptr;
};
