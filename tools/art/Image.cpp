#include "tools/art/Image.h"

#include "tools/art/Palette.h"

#include <fstream>
#include <stdexcept>

namespace {

class Bytes {
public:
    void U8(unsigned v) { data.push_back(uint8_t(v)); }
    void U16(unsigned v) {
        U8(v & 0xFF);
        U8(v >> 8 & 0xFF);
    }
    void U32(uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    std::vector<uint8_t> data;
};

void InfoHeader(Bytes& out, int width, int height, int bits, uint32_t imageSize) {
    out.U32(40);
    out.U32(uint32_t(width));
    out.U32(uint32_t(height));
    out.U16(1);
    out.U16(unsigned(bits));
    out.U32(0);
    out.U32(imageSize);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
}

int Stride(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

void Rows(Bytes& out, const IndexImage& image, int bits) {
    const int stride = Stride(image.width, bits);
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(size_t(stride), 0);
        for (int x = 0; x < image.width; ++x) {
            const unsigned v = image.At(x, y);
            const int bit = x * bits;
            row[size_t(bit / 8)] |= uint8_t(v << (8 - bits - bit % 8));
        }
        out.data.insert(out.data.end(), row.begin(), row.end());
    }
}

void Save(const std::string& path, const Bytes& dib, bool fileHeader, uint32_t bitsOffset) {
    Bytes out;
    if (fileHeader) {
        out.U8('B');
        out.U8('M');
        out.U32(uint32_t(dib.data.size() + 14));
        out.U32(0);
        out.U32(bitsOffset + 14);
    }
    out.data.insert(out.data.end(), dib.data.begin(), dib.data.end());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data.data()), std::streamsize(out.data.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

void WriteBitmap8(const std::string& path, const IndexImage& image) {
    Bytes dib;
    InfoHeader(dib, image.width, image.height, 8, uint32_t(Stride(image.width, 8) * image.height));
    for (const Rgb8& c : Palette::Shared()) {
        dib.U8(c.b);
        dib.U8(c.g);
        dib.U8(c.r);
        dib.U8(0);
    }
    Rows(dib, image, 8);
    Save(path, dib, true, 40 + 256 * 4);
}

void WriteBitmap1(const std::string& path, const IndexImage& image) {
    Bytes dib;
    InfoHeader(dib, image.width, image.height, 1, uint32_t(Stride(image.width, 1) * image.height));
    dib.U32(0x00000000);
    dib.U32(0x00FFFFFF);
    Rows(dib, image, 1);
    Save(path, dib, true, 40 + 2 * 4);
}

void WriteIcon(const std::string& path, const IndexImage& colours, const IndexImage& transparent) {
    const int w = colours.width;
    const int h = colours.height;
    const uint32_t xorSize = uint32_t(Stride(w, 4) * h);
    const uint32_t andSize = uint32_t(Stride(w, 1) * h);
    Bytes image;
    InfoHeader(image, w, h * 2, 4, xorSize + andSize);
    for (const Rgb8& c : Palette::Icon()) {
        image.U8(c.b);
        image.U8(c.g);
        image.U8(c.r);
        image.U8(0);
    }
    Rows(image, colours, 4);
    Rows(image, transparent, 1);

    Bytes file;
    file.U16(0);
    file.U16(1);
    file.U16(1);
    file.U8(unsigned(w));
    file.U8(unsigned(h));
    file.U8(16);
    file.U8(0);
    file.U16(1);
    file.U16(4);
    file.U32(uint32_t(image.data.size()));
    file.U32(6 + 16);
    file.data.insert(file.data.end(), image.data.begin(), image.data.end());
    Save(path, file, false, 0);
}
