#include "tools/art/Geometry.h"

#include <cstddef>

namespace {

constexpr int kCurveSegments = 24;
constexpr int kEllipseSegments = 160;

} // namespace

void Path::MoveTo(Vec p) {
    contours_.push_back({p});
}

void Path::LineTo(Vec p) {
    if (contours_.empty()) {
        MoveTo(p);
        return;
    }
    contours_.back().push_back(p);
}

void Path::QuadTo(Vec c, Vec p) {
    const Vec p0 = contours_.back().back();
    for (int i = 1; i <= kCurveSegments; ++i) {
        const double t = double(i) / kCurveSegments;
        LineTo(Lerp(Lerp(p0, c, t), Lerp(c, p, t), t));
    }
}

void Path::CubicTo(Vec c1, Vec c2, Vec p) {
    const Vec p0 = contours_.back().back();
    for (int i = 1; i <= kCurveSegments; ++i) {
        const double t = double(i) / kCurveSegments;
        const Vec a = Lerp(p0, c1, t);
        const Vec b = Lerp(c1, c2, t);
        const Vec c = Lerp(c2, p, t);
        LineTo(Lerp(Lerp(a, b, t), Lerp(b, c, t), t));
    }
}

void Path::Append(const Path& other) {
    for (const auto& contour : other.contours_)
        contours_.push_back(contour);
}

Path Path::Ellipse(Vec centre, double rx, double ry, double degrees) {
    std::vector<Vec> points;
    for (int i = 0; i < kEllipseSegments; ++i) {
        const double a = 2.0 * 3.14159265358979323846 * i / kEllipseSegments;
        points.push_back({rx * std::cos(a), ry * std::sin(a)});
    }
    return Polygon(points).Transformed(Affine::Translate(centre) * Affine::Rotate(degrees));
}

Path Path::Polygon(const std::vector<Vec>& points) {
    Path path;
    path.contours_.push_back(points);
    return path;
}

Path Path::Smooth(const std::vector<Vec>& points) {
    Path path;
    const size_t n = points.size();
    path.MoveTo(points[0]);
    for (size_t i = 0; i < n; ++i) {
        const Vec p0 = points[(i + n - 1) % n];
        const Vec p1 = points[i];
        const Vec p2 = points[(i + 1) % n];
        const Vec p3 = points[(i + 2) % n];
        path.CubicTo(p1 + (p2 - p0) * (1.0 / 6), p2 - (p3 - p1) * (1.0 / 6), p2);
    }
    return path;
}

Path Path::Transformed(const Affine& m) const {
    Path out;
    for (const auto& contour : contours_) {
        std::vector<Vec> points;
        points.reserve(contour.size());
        for (const Vec& p : contour)
            points.push_back(m.Apply(p));
        out.contours_.push_back(std::move(points));
    }
    return out;
}
