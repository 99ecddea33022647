// Decoding of bitmap resources: exact colours for the formats we store, and a clear error, with
// the target left as it was, for anything malformed.
#include "platform/Dib.h"
#include "platform/Exception.h"
#include "platform/TBitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

// A DIB of the given size with a full table whose entry i is colour(i) and with pixel index
// index(x, y) (y from the top), stored bottom-up unless topDown.
std::vector<uint8_t> MakeDib(int width, int height, int bits, bool topDown,
                             const std::function<unsigned(int, int)>& index) {
    const size_t colours = size_t(1) << bits;
    const size_t stride = size_t((width * bits + 31) / 32 * 4);
    std::vector<uint8_t> b(40 + colours * 4 + stride * size_t(height), 0);
    Put32(b, 0, 40);
    Put32(b, 4, uint32_t(width));
    Put32(b, 8, uint32_t(topDown ? -height : height));
    Put16(b, 12, 1);
    Put16(b, 14, uint16_t(bits));
    Put32(b, 20, uint32_t(stride * size_t(height)));
    for (size_t i = 0; i < colours; ++i)
        // A fourth byte that is not 0 must not leak into the pixel.
        Put32(b, 40 + i * 4, 0xAB000000u | uint32_t(i * 0x010203u + 0x050607u));
    const size_t rows = 40 + colours * 4;
    for (int y = 0; y < height; ++y) {
        const size_t row = rows + size_t(topDown ? y : height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const size_t bit = size_t(x) * size_t(bits);
            b[row + bit / 8] |= uint8_t(index(x, y) << (8 - bits - bit % 8));
        }
    }
    return b;
}

uint32_t TableColour(unsigned i) {
    return (i * 0x010203u + 0x050607u) & 0xFFFFFF;
}

struct FormatCase {
    const char* what;
    int width;
    int height;
    int bits;
    bool topDown;
};

TEST(DecodeDib, EveryPixelTakesItsTableColour) {
    const FormatCase cases[] = {{"8-bit, padded rows", 5, 3, 8, false},
                                {"8-bit top-down", 3, 4, 8, true},
                                {"1-bit across bytes", 13, 3, 1, false},
                                {"1-bit 32 wide, no padding", 32, 2, 1, false},
                                {"4-bit", 7, 2, 4, false}};
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.what);
        const unsigned range = 1u << c.bits;
        const auto index = [&](int x, int y) { return unsigned(x * 7 + y * 31 + x * y) % range; };
        const std::vector<uint8_t> dib = MakeDib(c.width, c.height, c.bits, c.topDown, index);
        TBitmap bitmap;
        DecodeDib(dib, bitmap, "P0");
        ASSERT_EQ(bitmap.Width(), c.width);
        ASSERT_EQ(bitmap.Height(), c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                EXPECT_EQ(bitmap.Pixel(x, y), TableColour(index(x, y))) << x << "," << y;
    }
}

TEST(DecodeDib, AShortTableServesItsOwnIndexes) {
    std::vector<uint8_t> full = MakeDib(4, 1, 8, false, [](int x, int) { return unsigned(x % 2); });
    // Two entries used: the rows move up to follow them.
    std::vector<uint8_t> dib(full.begin(), full.begin() + 40 + 8);
    dib.insert(dib.end(), full.end() - 4, full.end());
    Put32(dib, 32, 2);
    TBitmap bitmap;
    DecodeDib(dib, bitmap, "M0");
    EXPECT_EQ(bitmap.Pixel(0, 0), TableColour(0));
    EXPECT_EQ(bitmap.Pixel(3, 0), TableColour(1));
    dib.back() = 2;
    EXPECT_THROW(DecodeDib(dib, bitmap, "M0"), Exception);
}

struct BrokenCase {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> breakIt;
};

TEST(DecodeDib, MalformedDataRaisesAndLeavesTheBitmap) {
    const BrokenCase cases[] = {
        {"empty", [](auto& b) { b.clear(); }},
        {"header cut short", [](auto& b) { b.resize(39); }},
        {"core header", [](auto& b) { Put32(b, 0, 12); }},
        {"header larger than the data", [](auto& b) { Put32(b, 0, uint32_t(b.size() + 1)); }},
        {"two planes", [](auto& b) { Put16(b, 12, 2); }},
        {"24 bits", [](auto& b) { Put16(b, 14, 24); }},
        {"0 bits", [](auto& b) { Put16(b, 14, 0); }},
        {"run-length compression", [](auto& b) { Put32(b, 16, 1); }},
        {"bit fields", [](auto& b) { Put32(b, 16, 3); }},
        {"width 0", [](auto& b) { Put32(b, 4, 0); }},
        {"negative width", [](auto& b) { Put32(b, 4, uint32_t(-6)); }},
        {"height 0", [](auto& b) { Put32(b, 8, 0); }},
        {"most negative height", [](auto& b) { Put32(b, 8, 0x80000000u); }},
        {"huge width", [](auto& b) { Put32(b, 4, 0x7FFFFFFFu); }},
        {"rows beyond the data", [](auto& b) { Put32(b, 8, 5); }},
        {"last byte missing", [](auto& b) { b.pop_back(); }},
        {"table cut short", [](auto& b) { b.resize(40 + 100); }},
        {"more colours than bits allow", [](auto& b) { Put32(b, 32, 257); }},
        {"image size too small", [](auto& b) { Put32(b, 20, 1); }},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> dib =
            MakeDib(6, 4, 8, false, [](int x, int y) { return unsigned(x + y); });
        c.breakIt(dib);
        TBitmap bitmap;
        bitmap.SetSize(2, 3);
        bitmap.Fill(0x123456);
        try {
            DecodeDib(dib, bitmap, "P0");
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "The bitmap resource \"P0\" is damaged.");
        }
        EXPECT_EQ(bitmap.Width(), 2);
        EXPECT_EQ(bitmap.Height(), 3);
        EXPECT_EQ(bitmap.Pixel(1, 2), 0x123456u);
    }
}

} // namespace
