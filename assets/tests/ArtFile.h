#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// An independent reading of the stored pictures, so that the tests never take the decoder's word
// for what a file holds.
struct DibFields {
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 0;
    uint16_t bits = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    int32_t xPerMetre = 0;
    int32_t yPerMetre = 0;
    uint32_t used = 0;
    uint32_t important = 0;
};

// A well-formed uncompressed DIB of 1, 4 or 8 bits with its full table; asserts otherwise.
class DibView {
public:
    explicit DibView(std::span<const uint8_t> bytes);
    const DibFields& Fields() const { return fields_; }
    int Width() const { return fields_.width; }
    int Height() const { return fields_.height; }
    size_t TableSize() const { return size_t(1) << fields_.bits; }
    // 0x00RRGGBB; the entry's fourth byte is checked to be 0 by TableIsClean.
    uint32_t Colour(size_t index) const;
    bool TableIsClean() const;
    // The stored index at (x, y), y counted from the top.
    unsigned Index(int x, int y) const;
    size_t Stride() const { return size_t((fields_.width * fields_.bits + 31) / 32 * 4); }

private:
    std::span<const uint8_t> bytes_;
    DibFields fields_;
};

std::vector<uint8_t> ReadWholeFile(const std::string& path);
// A file of assets/, e.g. "build1/P0.bmp".
std::string AssetPath(const std::string& relative);
// The bytes of a .bmp file of assets/ without its 14-byte file header.
std::vector<uint8_t> ResourceBytesOf(const std::string& relative);
// The folder of the build's frames: "build1" or "build2".
std::string BuildFolder(int build);

// The shared 256-colour table, written out here as the pictures must carry it.
const std::array<uint32_t, 256>& SharedTable();

uint32_t ReadU32(std::span<const uint8_t> b, size_t at);
uint16_t ReadU16(std::span<const uint8_t> b, size_t at);

// The fourteen names, in the order the saver loads them.
const std::vector<std::string>& BitmapNames();
