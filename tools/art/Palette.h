#pragma once

#include "tools/art/Canvas.h"

#include <array>
#include <cstdint>

struct Rgb8 {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

// The 256 colours that every 8-bit picture carries: the twenty static colours of the system
// palette at both ends and a regular 8 x 8 x 4 cube between them.
class Palette {
public:
    static const std::array<Rgb8, 256>& Shared();
    // The nearest colour among indices first..last of the shared table.
    static uint8_t Nearest(Rgb c, int first = 0, int last = 255);
    // Nearest colour after an ordered-dither offset for the pixel (x, y).
    static uint8_t Dithered(Rgb c, int x, int y, double strength);
    // The nearest of the sixteen colours of an icon.
    static const std::array<Rgb8, 16>& Icon();
    static uint8_t NearestIcon(Rgb c);
};
