#include "tools/art/Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

// Sets every cell within radius of a set cell. Cells outside the grid count as outside.
std::vector<uint8_t> Dilate(const std::vector<uint8_t>& in, int w, int h, int r, bool outside) {
    const int far = r + 1;
    std::vector<int> dist(size_t(w) * size_t(h), far);
    for (int y = 0; y < h; ++y) {
        const size_t row = size_t(y) * size_t(w);
        int d = outside ? 1 : far;
        for (int x = 0; x < w; ++x) {
            d = in[row + size_t(x)] ? 0 : std::min(d + 1, far);
            dist[row + size_t(x)] = d;
        }
        d = outside ? 1 : far;
        for (int x = w - 1; x >= 0; --x) {
            d = in[row + size_t(x)] ? 0 : std::min(d + 1, far);
            dist[row + size_t(x)] = std::min(dist[row + size_t(x)], d);
        }
    }
    std::vector<uint8_t> out(in.size(), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bool hit = false;
            for (int dy = -r; dy <= r && !hit; ++dy) {
                const int yy = y + dy;
                if (yy < 0 || yy >= h) {
                    hit = outside;
                    continue;
                }
                const int dx = dist[size_t(yy) * size_t(w) + size_t(x)];
                hit = dx * dx + dy * dy <= r * r;
            }
            out[size_t(y) * size_t(w) + size_t(x)] = hit ? 1 : 0;
        }
    }
    return out;
}

} // namespace

SampleMask::SampleMask(int x0, int y0, int width, int height)
    : x0_(x0), y0_(y0), width_(std::max(width, 0)), height_(std::max(height, 0)),
      bits_(size_t(width_) * size_t(height_), 0) {}

bool SampleMask::Test(int x, int y) const {
    if (x < x0_ || y < y0_ || x >= x0_ + width_ || y >= y0_ + height_)
        return false;
    return bits_[size_t(y - y0_) * size_t(width_) + size_t(x - x0_)] != 0;
}

SampleMask SampleMask::Grown(int radius) const {
    SampleMask out(x0_ - radius, y0_ - radius, width_ + 2 * radius, height_ + 2 * radius);
    std::vector<uint8_t> padded(out.bits_.size(), 0);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            padded[size_t(y + radius) * size_t(out.width_) + size_t(x + radius)] =
                bits_[size_t(y) * size_t(width_) + size_t(x)];
    out.bits_ = Dilate(padded, out.width_, out.height_, radius, false);
    return out;
}

SampleMask SampleMask::Shrunk(int radius) const {
    std::vector<uint8_t> inverse(bits_.size());
    for (size_t i = 0; i < bits_.size(); ++i)
        inverse[i] = bits_[i] ? 0 : 1;
    const std::vector<uint8_t> grown = Dilate(inverse, width_, height_, radius, true);
    SampleMask out(x0_, y0_, width_, height_);
    for (size_t i = 0; i < bits_.size(); ++i)
        out.bits_[i] = (bits_[i] && !grown[i]) ? 1 : 0;
    return out;
}

SampleMask SampleMask::Minus(const SampleMask& other) const {
    SampleMask out = *this;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (other.Test(x0_ + x, y0_ + y))
                out.bits_[size_t(y) * size_t(width_) + size_t(x)] = 0;
    return out;
}

Canvas::Canvas(int width, int height, int samples, Rgb background)
    : width_(width), height_(height), samples_(samples), sampleWidth_(width * samples),
      sampleHeight_(height * samples),
      colours_(size_t(sampleWidth_) * size_t(sampleHeight_), background),
      covered_(colours_.size(), 0) {}

SampleMask Canvas::Rasterise(const Path& path) const {
    double minY = 1e300;
    double maxY = -1e300;
    for (const auto& contour : path.Contours())
        for (const Vec& p : contour) {
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    const double s = samples_;
    const int j0 = std::clamp(int(std::floor(minY * s - 0.5)), 0, sampleHeight_);
    const int j1 = std::clamp(int(std::ceil(maxY * s + 0.5)), 0, sampleHeight_);
    SampleMask mask(0, j0, sampleWidth_, j1 - j0);
    struct Crossing {
        double x;
        int winding;
    };
    std::vector<Crossing> crossings;
    for (int j = j0; j < j1; ++j) {
        const double y = (j + 0.5) / s;
        crossings.clear();
        for (const auto& contour : path.Contours()) {
            const size_t n = contour.size();
            for (size_t i = 0; i < n; ++i) {
                const Vec a = contour[i];
                const Vec b = contour[(i + 1) % n];
                if ((a.y <= y) == (b.y <= y))
                    continue;
                const double x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
                crossings.push_back({x, a.y < b.y ? 1 : -1});
            }
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int winding = 0;
        for (size_t k = 0; k + 1 < crossings.size(); ++k) {
            winding += crossings[k].winding;
            if (winding == 0)
                continue;
            const int i0 = std::clamp(int(std::ceil(crossings[k].x * s - 0.5)), 0, sampleWidth_);
            const int i1 =
                std::clamp(int(std::ceil(crossings[k + 1].x * s - 0.5)), 0, sampleWidth_);
            for (int i = i0; i < i1; ++i)
                mask.Set(i, j);
        }
    }
    return mask;
}

void Canvas::Paint(const SampleMask& mask, Rgb colour) {
    Paint(mask, [colour](Vec) { return colour; });
}

void Canvas::Paint(const SampleMask& mask, const std::function<Rgb(Vec)>& colour) {
    const int x0 = std::max(mask.X0(), 0);
    const int y0 = std::max(mask.Y0(), 0);
    const int x1 = std::min(mask.X0() + mask.Width(), sampleWidth_);
    const int y1 = std::min(mask.Y0() + mask.Height(), sampleHeight_);
    const double s = samples_;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            if (!mask.Test(x, y))
                continue;
            const size_t i = size_t(y) * size_t(sampleWidth_) + size_t(x);
            colours_[i] = colour({(x + 0.5) / s, (y + 0.5) / s});
            covered_[i] = 1;
        }
}

void Canvas::Outline(int radius, Rgb colour) {
    const SampleMask covered = Covered();
    Paint(covered.Grown(radius).Minus(covered), colour);
}

SampleMask Canvas::Covered() const {
    SampleMask mask(0, 0, sampleWidth_, sampleHeight_);
    for (int y = 0; y < sampleHeight_; ++y)
        for (int x = 0; x < sampleWidth_; ++x)
            if (covered_[size_t(y) * size_t(sampleWidth_) + size_t(x)])
                mask.Set(x, y);
    return mask;
}

Rgb Canvas::Pixel(int x, int y) const {
    Rgb sum;
    for (int j = 0; j < samples_; ++j)
        for (int i = 0; i < samples_; ++i) {
            const Rgb& c = colours_[size_t(y * samples_ + j) * size_t(sampleWidth_) +
                                    size_t(x * samples_ + i)];
            sum.r += c.r;
            sum.g += c.g;
            sum.b += c.b;
        }
    const double n = samples_ * samples_;
    return {sum.r / n, sum.g / n, sum.b / n};
}

double Canvas::Coverage(int x, int y) const {
    int count = 0;
    for (int j = 0; j < samples_; ++j)
        for (int i = 0; i < samples_; ++i)
            count += covered_[size_t(y * samples_ + j) * size_t(sampleWidth_) +
                              size_t(x * samples_ + i)];
    return double(count) / (samples_ * samples_);
}
