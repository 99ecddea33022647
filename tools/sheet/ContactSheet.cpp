// Lays every committed picture out on one sheet for review: each frame drawn over the sky through
// its mask as the saver draws it, the raw sprites and masks, the logo, the background and the
// icon. Usage: glacimo-contact-sheet ASSETS-FOLDER OUTPUT.ppm
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    if (at + 4 > b.size())
        throw std::runtime_error("short file");
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

// Reads an uncompressed bitmap (or the first image of an icon, mask ignored) of 1, 4 or 8 bits.
Picture ReadDib(const std::vector<uint8_t>& b, size_t at, bool icon) {
    Picture p;
    p.width = int(Read32(b, at + 4));
    p.height = int(Read32(b, at + 8)) / (icon ? 2 : 1);
    const int bits = int(b.at(at + 14));
    const size_t table = at + 40;
    const size_t rows = table + (size_t(1) << bits) * 4;
    const size_t stride = size_t((p.width * bits + 31) / 32 * 4);
    p.pixels.resize(size_t(p.width) * size_t(p.height));
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const size_t bit = size_t(x) * size_t(bits);
            const uint8_t byte = b.at(rows + size_t(p.height - 1 - y) * stride + bit / 8);
            const unsigned v = unsigned(byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
            p.pixels[size_t(y) * size_t(p.width) + size_t(x)] = Read32(b, table + v * 4) & 0xFFFFFF;
        }
    return p;
}

std::vector<uint8_t> Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Picture LoadBitmap(const std::string& path) {
    return ReadDib(Load(path), 14, false);
}

class Sheet {
public:
    Sheet(int w, int h) : width(w), height(h), pixels(size_t(w) * size_t(h), 0x303030) {}
    void Put(int x, int y, uint32_t c) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[size_t(y) * size_t(width) + size_t(x)] = c;
    }
    void Draw(const Picture& p, int x0, int y0, int scale) {
        for (int y = 0; y < p.height * scale; ++y)
            for (int x = 0; x < p.width * scale; ++x)
                Put(x0 + x, y0 + y, p.At(x / scale, y / scale));
    }
    void Save(const std::string& path) const {
        std::ofstream file(path, std::ios::binary);
        file << "P6\n" << width << ' ' << height << "\n255\n";
        for (const uint32_t c : pixels) {
            const char rgb[3] = {char(c >> 16 & 0xFF), char(c >> 8 & 0xFF), char(c & 0xFF)};
            file.write(rgb, 3);
        }
        if (!file)
            throw std::runtime_error("cannot write " + path);
    }
    int width;
    int height;
    std::vector<uint32_t> pixels;
};

// The frame as the saver draws it: the scene ANDed with the mask, then ORed with the sprite.
Picture OverSky(const Picture& sky, int sx, int sy, const Picture& sprite, const Picture& mask) {
    Picture p{sprite.width, sprite.height, {}};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.pixels.push_back((sky.At(sx + x, sy + y) & mask.At(x, y)) | sprite.At(x, y));
    return p;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: glacimo-contact-sheet ASSETS-FOLDER OUTPUT.ppm\n";
        return 2;
    }
    try {
        const std::string assets = argv[1];
        const Picture sky = LoadBitmap(assets + "/BACK.bmp");
        const Picture logo = LoadBitmap(assets + "/LOGO.bmp");
        const std::vector<uint8_t> ico = Load(assets + "/MAINICON.ico");
        const Picture icon = ReadDib(ico, Read32(ico, 18), true);
        Sheet sheet(6 * 290 + 10, 1200);
        int top = 10;
        for (const std::string build : {"build1", "build2"}) {
            for (int k = 0; k < 6; ++k) {
                const std::string n = std::to_string(k);
                const Picture sprite = LoadBitmap(assets + "/" + build + "/P" + n + ".bmp");
                const Picture mask = LoadBitmap(assets + "/" + build + "/M" + n + ".bmp");
                const int left = 10 + k * 290;
                sheet.Draw(OverSky(sky, 60 + k * 80, 40 + k * 60, sprite, mask), left, top, 2);
                sheet.Draw(sprite, left, top + 205, 1);
                sheet.Draw(mask, left + 142, top + 205, 1);
            }
            top += 320;
        }
        sheet.Draw(logo, 10, top, 2);
        sheet.Draw(sky, 740, top, 1);
        // The icon over a checkerboard, so that its transparent ground shows, with its mask.
        const std::vector<uint8_t>& b = ico;
        const size_t dib = Read32(b, 18);
        const size_t andRows = dib + 40 + 64 + 16 * 32;
        for (int y = 0; y < 32 * 4; ++y)
            for (int x = 0; x < 32 * 4; ++x) {
                const int ix = x / 4;
                const int iy = y / 4;
                const uint8_t m = b.at(andRows + size_t(31 - iy) * 4 + size_t(ix / 8));
                const bool clear = (m >> (7 - ix % 8) & 1) != 0;
                const uint32_t check = ((x / 8 + y / 8) % 2) ? 0xC0C0C0 : 0x808080;
                sheet.Put(1400 + x, top + y, clear ? check : icon.At(ix, iy));
            }
        sheet.Draw(icon, 1400, top + 140, 1);
        sheet.Save(argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "glacimo-contact-sheet: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
