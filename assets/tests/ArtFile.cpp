#include "assets/tests/ArtFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

uint32_t ReadU32(std::span<const uint8_t> b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

uint16_t ReadU16(std::span<const uint8_t> b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}

DibView::DibView(std::span<const uint8_t> bytes) : bytes_(bytes) {
    if (bytes.size() < 40) {
        ADD_FAILURE() << "a DIB of " << bytes.size() << " bytes";
        return;
    }
    fields_ = {ReadU32(bytes, 0),  int32_t(ReadU32(bytes, 4)),  int32_t(ReadU32(bytes, 8)),
               ReadU16(bytes, 12), ReadU16(bytes, 14),          ReadU32(bytes, 16),
               ReadU32(bytes, 20), int32_t(ReadU32(bytes, 24)), int32_t(ReadU32(bytes, 28)),
               ReadU32(bytes, 32), ReadU32(bytes, 36)};
    const size_t need = 40 + TableSize() * 4 + Stride() * size_t(fields_.height);
    if (fields_.height <= 0 || bytes.size() < need) {
        ADD_FAILURE() << "a DIB of " << bytes.size() << " bytes that needs " << need;
        fields_.height = 0;
    }
}

uint32_t DibView::Colour(size_t index) const {
    return ReadU32(bytes_, 40 + index * 4) & 0xFFFFFF;
}

bool DibView::TableIsClean() const {
    for (size_t i = 0; i < TableSize(); ++i)
        if (bytes_[40 + i * 4 + 3] != 0)
            return false;
    return true;
}

unsigned DibView::Index(int x, int y) const {
    const size_t rows = 40 + TableSize() * 4;
    const size_t bit = size_t(x) * fields_.bits;
    const uint8_t byte = bytes_[rows + size_t(fields_.height - 1 - y) * Stride() + bit / 8];
    return unsigned(byte >> (8 - fields_.bits - bit % 8)) & ((1u << fields_.bits) - 1);
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good()) << path;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string AssetPath(const std::string& relative) {
    return std::string(GLACIMO_ASSETS_DIR) + "/" + relative;
}

std::vector<uint8_t> ResourceBytesOf(const std::string& relative) {
    const std::vector<uint8_t> file = ReadWholeFile(AssetPath(relative));
    if (file.size() < 14)
        return {};
    return {file.begin() + 14, file.end()};
}

std::string BuildFolder(int build) {
    return "build" + std::to_string(build);
}

const std::array<uint32_t, 256>& SharedTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        const uint32_t statics[20] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080,
                                      0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0,
                                      0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00,
                                      0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
        for (size_t i = 0; i < 10; ++i) {
            t[i] = statics[i];
            t[246 + i] = statics[10 + i];
        }
        for (uint32_t i = 10; i < 246; ++i)
            t[i] = (i % 8 * 32) << 16 | (i / 8 % 8 * 32) << 8 | (i / 64 * 64);
        return t;
    }();
    return table;
}

const std::vector<std::string>& BitmapNames() {
    static const std::vector<std::string> names = {"P0", "M0", "P1", "M1", "P2", "M2",   "P3",
                                                   "M3", "P4", "M4", "P5", "M5", "BACK", "LOGO"};
    return names;
}
