#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

class TCanvas;

// An off-screen raster of 0x00RRGGBB pixels, rows top to bottom. Every bitmap, loaded or created,
// has this one format, so saving and restoring a rectangle is always exact.
class TBitmap {
public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    // Resizing keeps the pixels of the part that both sizes share; new pixels are black.
    // Negative sizes count as 0.
    void SetWidth(int32_t width) { SetSize(width, height_); }
    void SetHeight(int32_t height) { SetSize(width_, height); }
    void SetSize(int32_t width, int32_t height);

    // Replaces size and pixels with the named bitmap resource of the program. Raises Exception
    // when the resource is missing or malformed.
    void LoadFromResourceName(const char* name);

    // The bitmap's one drawing surface, made on first use and kept for the bitmap's life.
    TCanvas* Canvas();

    uint32_t* ScanLine(int32_t y) { return pixels_.data() + size_t(y) * size_t(width_); }
    const uint32_t* ScanLine(int32_t y) const {
        return pixels_.data() + size_t(y) * size_t(width_);
    }
    uint32_t Pixel(int32_t x, int32_t y) const { return ScanLine(y)[x]; }
    void SetPixel(int32_t x, int32_t y, uint32_t c) { ScanLine(y)[x] = c; }
    void Fill(uint32_t c);

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint32_t> pixels_;
    std::unique_ptr<TCanvas> canvas_;
};
