#include "tools/art/Palette.h"

#include <algorithm>

namespace {

std::array<Rgb8, 256> MakeShared() {
    std::array<Rgb8, 256> t{};
    const Rgb8 low[10] = {{0, 0, 0},       {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                          {0, 0, 128},     {128, 0, 128},  {0, 128, 128}, {192, 192, 192},
                          {192, 220, 192}, {166, 202, 240}};
    const Rgb8 high[10] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},
                           {0, 255, 0},     {255, 255, 0},   {0, 0, 255},     {255, 0, 255},
                           {0, 255, 255},   {255, 255, 255}};
    for (int i = 0; i < 10; ++i) {
        t[size_t(i)] = low[i];
        t[size_t(246 + i)] = high[i];
    }
    for (int i = 10; i < 246; ++i)
        t[size_t(i)] = {uint8_t(i % 8 * 32), uint8_t(i / 8 % 8 * 32), uint8_t(i / 64 * 64)};
    return t;
}

// Weighted for the eye's greater sensitivity to green.
double Distance(Rgb c, Rgb8 p) {
    const double dr = c.r - p.r;
    const double dg = c.g - p.g;
    const double db = c.b - p.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

// 8 x 8 Bayer thresholds, 0..63.
constexpr int kBayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                              {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
                              {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
                              {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};

} // namespace

const std::array<Rgb8, 256>& Palette::Shared() {
    static const std::array<Rgb8, 256> table = MakeShared();
    return table;
}

uint8_t Palette::Nearest(Rgb c, int first, int last) {
    const auto& t = Shared();
    int best = first;
    double bestDistance = Distance(c, t[size_t(first)]);
    for (int i = first + 1; i <= last; ++i) {
        const double d = Distance(c, t[size_t(i)]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return uint8_t(best);
}

uint8_t Palette::Dithered(Rgb c, int x, int y, double strength) {
    const double t = (kBayer[y & 7][x & 7] + 0.5) / 64.0 - 0.5;
    // The cube's steps: 32 in red and green, 64 in blue.
    const Rgb d{c.r + t * 32 * strength, c.g + t * 32 * strength, c.b + t * 64 * strength};
    return Nearest(d);
}

const std::array<Rgb8, 16>& Palette::Icon() {
    static const std::array<Rgb8, 16> table = {{{0, 0, 0},
                                                {128, 0, 0},
                                                {0, 128, 0},
                                                {128, 128, 0},
                                                {0, 0, 128},
                                                {128, 0, 128},
                                                {0, 128, 128},
                                                {192, 192, 192},
                                                {128, 128, 128},
                                                {255, 0, 0},
                                                {0, 255, 0},
                                                {255, 255, 0},
                                                {0, 0, 255},
                                                {255, 0, 255},
                                                {0, 255, 255},
                                                {255, 255, 255}}};
    return table;
}

uint8_t Palette::NearestIcon(Rgb c) {
    const auto& t = Icon();
    int best = 0;
    for (int i = 1; i < 16; ++i)
        if (Distance(c, t[size_t(i)]) < Distance(c, t[size_t(best)]))
            best = i;
    return uint8_t(best);
}
