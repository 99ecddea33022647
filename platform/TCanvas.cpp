#include "platform/TCanvas.h"

#include "platform/TBitmap.h"
#include "platform/TForm.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The part of a 1:1 copy that lies inside both rasters, as a destination rectangle and the
// source position of its top-left corner. Computed in 64 bits: the caller's rectangles may lie
// anywhere in the 32-bit plane.
struct ClippedCopy {
    TRect dest;
    int32_t sx = 0, sy = 0;
    bool empty = true;
};

ClippedCopy ClipCopy(const TRect& d, const TRect& s, int64_t dstW, int64_t dstH, int64_t srcW,
                     int64_t srcH) {
    const int64_t offX = int64_t(s.Left) - d.Left;
    const int64_t offY = int64_t(s.Top) - d.Top;
    const int64_t left = std::max({int64_t(d.Left), int64_t(0), -offX});
    const int64_t top = std::max({int64_t(d.Top), int64_t(0), -offY});
    const int64_t right = std::min({int64_t(d.Right), dstW, srcW - offX, d.Left + s.Width()});
    const int64_t bottom = std::min({int64_t(d.Bottom), dstH, srcH - offY, d.Top + s.Height()});
    ClippedCopy c;
    if (right <= left || bottom <= top) {
        return c;
    }
    c.dest = TRect{int32_t(left), int32_t(top), int32_t(right), int32_t(bottom)};
    c.sx = int32_t(left + offX);
    c.sy = int32_t(top + offY);
    c.empty = false;
    return c;
}

// Blocks of four let the compiler turn them into one vector operation. The rows never overlap (a
// bitmap is never copied onto itself).
template <class Op>
void CombineEach(uint32_t* __restrict dst, const uint32_t* __restrict src, size_t n, Op op) {
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        dst[i] = op(dst[i], src[i]);
        dst[i + 1] = op(dst[i + 1], src[i + 1]);
        dst[i + 2] = op(dst[i + 2], src[i + 2]);
        dst[i + 3] = op(dst[i + 3], src[i + 3]);
    }
    for (; i < n; ++i) {
        dst[i] = op(dst[i], src[i]);
    }
}

void CombineRow(uint32_t* dst, const uint32_t* src, size_t n, uint32_t mode) {
    switch (mode) {
    case SRCAND:
        CombineEach(dst, src, n, [](uint32_t d, uint32_t s) { return d & s; });
        break;
    case SRCPAINT:
        CombineEach(dst, src, n, [](uint32_t d, uint32_t s) { return d | s; });
        break;
    default:
        std::memcpy(dst, src, n * sizeof(uint32_t));
        break;
    }
}

void CopyUnscaled(TBitmap& dst, const TBitmap& src, const ClippedCopy& c, uint32_t mode) {
    const size_t n = size_t(c.dest.Right - c.dest.Left);
    for (int32_t y = c.dest.Top; y < c.dest.Bottom; ++y) {
        CombineRow(dst.ScanLine(y) + c.dest.Left, src.ScanLine(c.sy + (y - c.dest.Top)) + c.sx, n,
                   mode);
    }
}

uint32_t Combine(uint32_t d, uint32_t s, uint32_t mode) {
    switch (mode) {
    case SRCAND:
        return d & s;
    case SRCPAINT:
        return d | s;
    default:
        return s;
    }
}

// Nearest-neighbour scaling: destination pixel (x, y) of d takes the source pixel whose
// proportional position it is. Source pixels outside the source bitmap leave the destination as
// it was.
void CopyScaled(TBitmap& dst, const TRect& d, const TBitmap& src, const TRect& s, uint32_t mode) {
    const int64_t dw = d.Width(), dh = d.Height(), sw = s.Width(), sh = s.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) {
        return;
    }
    const int64_t left = std::max<int64_t>(d.Left, 0),
                  right = std::min<int64_t>(d.Right, dst.Width());
    const int64_t top = std::max<int64_t>(d.Top, 0),
                  bottom = std::min<int64_t>(d.Bottom, dst.Height());
    for (int64_t y = top; y < bottom; ++y) {
        const int64_t syy = s.Top + (y - d.Top) * sh / dh;
        if (syy < 0 || syy >= src.Height()) {
            continue;
        }
        const uint32_t* srow = src.ScanLine(int32_t(syy));
        uint32_t* drow = dst.ScanLine(int32_t(y));
        for (int64_t x = left; x < right; ++x) {
            const int64_t sxx = s.Left + (x - d.Left) * sw / dw;
            if (sxx >= 0 && sxx < src.Width()) {
                drow[x] = Combine(drow[x], srow[sxx], mode);
            }
        }
    }
}

// One axis of a bilinear resample: for each destination index, the two source indexes and the
// weight (0..256) of the second, with pixel centres aligned and edges clamped.
struct Taps {
    std::vector<int32_t> i0, i1;
    std::vector<uint32_t> w;
};

Taps MakeTaps(int64_t dstLen, int64_t srcLen, int64_t from, int64_t to, int64_t origin) {
    Taps t;
    const size_t n = size_t(to - from);
    t.i0.resize(n);
    t.i1.resize(n);
    t.w.resize(n);
    for (int64_t k = from; k < to; ++k) {
        // Source position of the destination pixel's centre, in 1/256 pixels.
        const int64_t pos = ((2 * (k - origin) + 1) * srcLen * 256) / (2 * dstLen) - 128;
        const int64_t clamped = std::clamp<int64_t>(pos, 0, (srcLen - 1) * 256);
        const size_t j = size_t(k - from);
        t.i0[j] = int32_t(clamped / 256);
        t.i1[j] = int32_t(std::min<int64_t>(clamped / 256 + 1, srcLen - 1));
        t.w[j] = uint32_t(clamped % 256);
    }
    return t;
}

uint32_t Lerp(uint32_t a, uint32_t b, uint32_t w) {
    const uint32_t rb = ((a & 0xFF00FF) * (256 - w) + (b & 0xFF00FF) * w) >> 8;
    const uint32_t g = ((a & 0x00FF00) * (256 - w) + (b & 0x00FF00) * w) >> 8;
    return (rb & 0xFF00FF) | (g & 0x00FF00);
}

} // namespace

void TCanvas::CopyRect(const TRect& Dest, TCanvas* from, const TRect& Source) {
    const TBitmap* src = from->Bitmap();
    if (src == nullptr) {
        return;
    }
    if (form_ != nullptr) {
        // Windows take 1:1 plain copies only: the back buffer is always as large as the window.
        const auto c =
            ClipCopy(Dest, Source, form_->Width(), form_->Height(), src->Width(), src->Height());
        if (!c.empty) {
            form_->Present(*src, c.dest, c.sx, c.sy);
        }
        return;
    }
    if (Dest.Width() == Source.Width() && Dest.Height() == Source.Height()) {
        const auto c = ClipCopy(Dest, Source, bitmap_->Width(), bitmap_->Height(), src->Width(),
                                src->Height());
        if (!c.empty) {
            CopyUnscaled(*bitmap_, *src, c, CopyMode);
        }
        return;
    }
    CopyScaled(*bitmap_, Dest, *src, Source, CopyMode);
}

void TCanvas::Draw(int32_t x, int32_t y, TBitmap* bitmap) {
    const TRect dest{x, y, int32_t(int64_t(x) + bitmap->Width()),
                     int32_t(int64_t(y) + bitmap->Height())};
    if (dest.Width() != bitmap->Width() || dest.Height() != bitmap->Height()) {
        return; // the bitmap would reach past the coordinate range
    }
    CopyRect(dest, bitmap->Canvas(), TRect{0, 0, bitmap->Width(), bitmap->Height()});
}

void TCanvas::StretchDraw(const TRect& Dest, TBitmap* bitmap) {
    if (bitmap_ == nullptr || bitmap->Width() <= 0 || bitmap->Height() <= 0 || Dest.IsEmpty()) {
        return;
    }
    const int64_t left = std::max<int64_t>(Dest.Left, 0);
    const int64_t right = std::min<int64_t>(Dest.Right, bitmap_->Width());
    const int64_t top = std::max<int64_t>(Dest.Top, 0);
    const int64_t bottom = std::min<int64_t>(Dest.Bottom, bitmap_->Height());
    if (right <= left || bottom <= top) {
        return;
    }
    const Taps xs = MakeTaps(Dest.Width(), bitmap->Width(), left, right, Dest.Left);
    const Taps ys = MakeTaps(Dest.Height(), bitmap->Height(), top, bottom, Dest.Top);
    // Each source row is resampled horizontally once and kept while destination rows still
    // blend it: an enlargement reuses every source row for several destination rows.
    const size_t n = size_t(right - left);
    std::vector<uint32_t> upper(n), lower(n), row(n);
    int32_t upperRow = -1, lowerRow = -1;
    auto resample = [&](int32_t sy, std::vector<uint32_t>& out) {
        const uint32_t* r = bitmap->ScanLine(sy);
        for (size_t i = 0; i < n; ++i) {
            out[i] = Lerp(r[xs.i0[i]], r[xs.i1[i]], xs.w[i]);
        }
    };
    for (size_t j = 0; j < ys.w.size(); ++j) {
        if (ys.i0[j] != upperRow) {
            if (ys.i0[j] == lowerRow) {
                upper.swap(lower);
                std::swap(upperRow, lowerRow);
            } else {
                resample(ys.i0[j], upper);
                upperRow = ys.i0[j];
            }
        }
        if (ys.i1[j] != lowerRow) {
            resample(ys.i1[j], lower);
            lowerRow = ys.i1[j];
        }
        // A zero weight blends to the upper row exactly. A plain copy blends straight into the
        // destination.
        uint32_t* dest = bitmap_->ScanLine(int32_t(top + int64_t(j))) + left;
        const uint32_t w = ys.w[j];
        if (w == 0) {
            CombineRow(dest, upper.data(), n, CopyMode);
            continue;
        }
        uint32_t* out = CopyMode == SRCCOPY ? dest : row.data();
        for (size_t i = 0; i < n; ++i) {
            out[i] = Lerp(upper[i], lower[i], w);
        }
        if (out != dest) {
            CombineRow(dest, out, n, CopyMode);
        }
    }
}
