#pragma once

#include <cmath>
#include <vector>

// Plane geometry in pixel units, x to the right and y downwards. Curves are flattened with a fixed
// number of segments so that the same drawing always gives the same samples.
struct Vec {
    double x = 0;
    double y = 0;
};

inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, double k) {
    return {a.x * k, a.y * k};
}
inline Vec Lerp(Vec a, Vec b, double t) {
    return a + (b - a) * t;
}

// x' = a x + b y + e, y' = c x + d y + f.
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    static Affine Translate(Vec t) { return {1, 0, 0, 1, t.x, t.y}; }
    static Affine Scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    // Degrees, clockwise on the screen (y down).
    static Affine Rotate(double degrees) {
        const double r = degrees * 3.14159265358979323846 / 180.0;
        const double cs = std::cos(r);
        const double sn = std::sin(r);
        return {cs, -sn, sn, cs, 0, 0};
    }
    Vec Apply(Vec p) const { return {a * p.x + b * p.y + e, c * p.x + d * p.y + f}; }
    Affine Inverse() const {
        const double det = a * d - b * c;
        const double ia = d / det;
        const double ib = -b / det;
        const double ic = -c / det;
        const double id = a / det;
        return {ia, ib, ic, id, -(ia * e + ib * f), -(ic * e + id * f)};
    }
};

// The transform that applies inner first, then outer.
inline Affine operator*(const Affine& outer, const Affine& inner) {
    return {outer.a * inner.a + outer.b * inner.c,
            outer.a * inner.b + outer.b * inner.d,
            outer.c * inner.a + outer.d * inner.c,
            outer.c * inner.b + outer.d * inner.d,
            outer.a * inner.e + outer.b * inner.f + outer.e,
            outer.c * inner.e + outer.d * inner.f + outer.f};
}

// Closed contours, filled by the non-zero winding rule.
class Path {
public:
    void MoveTo(Vec p);
    void LineTo(Vec p);
    void QuadTo(Vec c, Vec p);
    void CubicTo(Vec c1, Vec c2, Vec p);
    void Append(const Path& other);

    static Path Ellipse(Vec centre, double rx, double ry, double degrees = 0);
    static Path Polygon(const std::vector<Vec>& points);
    // A closed shape through the points, with smooth (Catmull-Rom) curves between them.
    static Path Smooth(const std::vector<Vec>& points);

    Path Transformed(const Affine& m) const;
    const std::vector<std::vector<Vec>>& Contours() const { return contours_; }

private:
    std::vector<std::vector<Vec>> contours_;
};
