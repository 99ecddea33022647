#pragma once

#include "tools/art/Geometry.h"

#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

inline Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A set of samples of a canvas, kept within a box of sample coordinates.
class SampleMask {
public:
    SampleMask() = default;
    SampleMask(int x0, int y0, int width, int height);

    bool Test(int x, int y) const;
    void Set(int x, int y) { bits_[size_t(y - y0_) * size_t(width_) + size_t(x - x0_)] = 1; }
    // Every sample within radius samples of the set (a round brush).
    SampleMask Grown(int radius) const;
    // The samples whose whole round neighbourhood of this radius is in the set.
    SampleMask Shrunk(int radius) const;
    SampleMask Minus(const SampleMask& other) const;
    SampleMask Intersect(const SampleMask& other) const { return Minus(Minus(other)); }

    int X0() const { return x0_; }
    int Y0() const { return y0_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int x0_ = 0;
    int y0_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> bits_;
};

// A supersampled picture: each pixel holds samples x samples points, each with a colour and a flag
// telling whether any shape covered it. Pixels are the mean of their samples.
class Canvas {
public:
    Canvas(int width, int height, int samples, Rgb background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Samples() const { return samples_; }

    SampleMask Rasterise(const Path& path) const;
    void Paint(const SampleMask& mask, Rgb colour);
    // colour is given the sample's place in pixel units.
    void Paint(const SampleMask& mask, const std::function<Rgb(Vec)>& colour);
    void Fill(const Path& path, Rgb colour) { Paint(Rasterise(path), colour); }
    // Colours the samples within radius samples outside everything covered so far.
    void Outline(int radius, Rgb colour);

    Rgb Pixel(int x, int y) const;
    // The share of the pixel's samples that shapes covered, 0 to 1.
    double Coverage(int x, int y) const;
    SampleMask Covered() const;

private:
    int width_;
    int height_;
    int samples_;
    int sampleWidth_;
    int sampleHeight_;
    std::vector<Rgb> colours_;
    std::vector<uint8_t> covered_;
};
