#include "platform/Dib.h"

#include "platform/Exception.h"
#include "platform/TBitmap.h"

#include <string>

namespace {

// Larger pictures than this are taken for damage rather than allocated.
constexpr int64_t kMaxSide = 32768;
constexpr uint32_t kBiRgb = 0;

[[noreturn]] void Damaged(const char* name) {
    throw Exception(std::string("The bitmap resource \"") + (name != nullptr ? name : "") +
                    "\" is damaged.");
}

uint32_t U32(std::span<const uint8_t> b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

uint16_t U16(std::span<const uint8_t> b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}

int64_t S32(std::span<const uint8_t> b, size_t at) {
    return int64_t(int32_t(U32(b, at)));
}

struct Layout {
    int64_t width = 0;
    int64_t height = 0;
    bool topDown = false;
    unsigned bits = 0;
    size_t colours = 0;
    size_t table = 0;
    size_t pixels = 0;
    size_t stride = 0;
};

// Checks every field and every size against the span; the caller then reads only inside it.
Layout Measure(std::span<const uint8_t> dib, const char* name) {
    constexpr size_t kInfoHeader = 40;
    if (dib.size() < kInfoHeader)
        Damaged(name);
    Layout l;
    const uint32_t headerSize = U32(dib, 0);
    l.width = S32(dib, 4);
    const int64_t height = S32(dib, 8);
    l.bits = U16(dib, 14);
    const uint32_t sizeImage = U32(dib, 20);
    const uint32_t used = U32(dib, 32);
    if (headerSize < kInfoHeader || headerSize > dib.size() || U16(dib, 12) != 1 ||
        U32(dib, 16) != kBiRgb)
        Damaged(name);
    if (l.bits != 1 && l.bits != 4 && l.bits != 8)
        Damaged(name);
    l.topDown = height < 0;
    l.height = l.topDown ? -height : height;
    if (l.width <= 0 || l.height <= 0 || l.width > kMaxSide || l.height > kMaxSide)
        Damaged(name);
    const size_t fullTable = size_t(1) << l.bits;
    if (used > fullTable)
        Damaged(name);
    l.colours = used == 0 ? fullTable : size_t(used);
    l.table = headerSize;
    l.pixels = l.table + l.colours * 4;
    l.stride = (size_t(l.width) * l.bits + 31) / 32 * 4;
    const size_t image = l.stride * size_t(l.height);
    if (l.pixels > dib.size() || image > dib.size() - l.pixels)
        Damaged(name);
    if (sizeImage != 0 && sizeImage < image)
        Damaged(name);
    return l;
}

} // namespace

void DecodeDib(std::span<const uint8_t> dib, TBitmap& bitmap, const char* name) {
    const Layout l = Measure(dib, name);
    uint32_t colours[256] = {};
    for (size_t i = 0; i < l.colours; ++i)
        colours[i] = U32(dib, l.table + i * 4) & 0x00FFFFFF;
    const unsigned perByte = 8 / l.bits;
    const unsigned valueMask = (1u << l.bits) - 1;
    // Decode into a bitmap of our own first, so a damaged picture leaves the target untouched.
    TBitmap decoded;
    decoded.SetSize(int32_t(l.width), int32_t(l.height));
    for (int64_t y = 0; y < l.height; ++y) {
        const int64_t stored = l.topDown ? y : l.height - 1 - y;
        const uint8_t* row = dib.data() + l.pixels + size_t(stored) * l.stride;
        uint32_t* out = decoded.ScanLine(int32_t(y));
        for (int64_t x = 0; x < l.width; ++x) {
            const size_t at = size_t(x) / perByte;
            const unsigned shift = 8 - l.bits * (unsigned(size_t(x) % perByte) + 1);
            const unsigned index = unsigned(row[at] >> shift) & valueMask;
            if (index >= l.colours)
                Damaged(name);
            out[x] = colours[index];
        }
    }
    bitmap.SetSize(decoded.Width(), decoded.Height());
    for (int32_t y = 0; y < decoded.Height(); ++y) {
        const uint32_t* from = decoded.ScanLine(y);
        uint32_t* to = bitmap.ScanLine(y);
        for (int32_t x = 0; x < decoded.Width(); ++x)
            to[x] = from[x];
    }
}
