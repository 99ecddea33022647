#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture of palette indices, rows top to bottom.
struct IndexImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> index;

    IndexImage(int w, int h, uint8_t fill = 0)
        : width(w), height(h), index(size_t(w) * size_t(h), fill) {}
    uint8_t& At(int x, int y) { return index[size_t(y) * size_t(width) + size_t(x)]; }
    uint8_t At(int x, int y) const { return index[size_t(y) * size_t(width) + size_t(x)]; }
};

// Windows bitmap files: 8 bits with the shared table, 1 bit with black and white, and a 16-colour
// icon with its transparency mask (1 = transparent). Raise std::runtime_error on I/O failure.
void WriteBitmap8(const std::string& path, const IndexImage& image);
void WriteBitmap1(const std::string& path, const IndexImage& image);
void WriteIcon(const std::string& path, const IndexImage& colours, const IndexImage& transparent);
