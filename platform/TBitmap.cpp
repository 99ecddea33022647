#include "platform/TBitmap.h"

#include "platform/Dib.h"
#include "platform/Exception.h"
#include "platform/Resources.h"
#include "platform/TCanvas.h"

#include <algorithm>
#include <cstring>
#include <string>

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) {
        return;
    }
    std::vector<uint32_t> pixels(size_t(width) * size_t(height), 0);
    const int32_t keepWidth = std::min(width, width_);
    const int32_t keepHeight = std::min(height, height_);
    for (int32_t y = 0; keepWidth > 0 && y < keepHeight; ++y) {
        std::memcpy(pixels.data() + size_t(y) * size_t(width), ScanLine(y),
                    size_t(keepWidth) * sizeof(uint32_t));
    }
    pixels_.swap(pixels);
    width_ = width;
    height_ = height;
}

void TBitmap::LoadFromResourceName(const char* name) {
    const auto dib = Resources::FindBitmap(name);
    if (dib.empty()) {
        throw Exception(std::string("The bitmap resource \"") + name + "\" is missing.");
    }
    DecodeDib(dib, *this, name);
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>(this);
    }
    return canvas_.get();
}

void TBitmap::Fill(uint32_t c) {
    std::fill(pixels_.begin(), pixels_.end(), c);
}
