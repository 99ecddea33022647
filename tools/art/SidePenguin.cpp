#include "tools/art/Art.h"

#include <string>

namespace {

constexpr int kWidth = 140;
constexpr int kHeight = 100;
constexpr int kSamples = 8;
constexpr Limits kLimits{13, 3, 124, 96};

const Rgb kInk{8, 8, 48};
const Rgb kBack{30, 32, 70};
const Rgb kBackLight{40, 56, 120};
const Rgb kFlipper{34, 40, 110};
const Rgb kFarFlipper{10, 10, 60};
const Rgb kWhite{255, 255, 255};
const Rgb kShade{166, 202, 240};
const Rgb kBeak{230, 130, 0};
const Rgb kBeakShade{200, 90, 0};
const Rgb kFoot{255, 230, 0};
const Rgb kFarFoot{224, 160, 0};

// The penguin is drawn lying along the x axis, facing -x with its back up, then turned so that
// it flies head first towards the upper left.
Affine Body() {
    return Affine::Translate({72, 56}) * Affine::Rotate(27) * Affine::Scale(0.9, 0.9);
}

Path Torso() {
    return Path::Smooth({{-50, -3},
                         {-46, -12},
                         {-36, -18},
                         {-24, -17},
                         {-8, -15},
                         {12, -14},
                         {30, -10},
                         {44, -5},
                         {54, 0},
                         {45, 6},
                         {30, 13},
                         {10, 17},
                         {-10, 17},
                         {-28, 13},
                         {-40, 8},
                         {-47, 3}});
}

// Everything below the line from throat to tail.
Path BellyRegion() {
    Path p;
    p.MoveTo({-62, -2});
    p.CubicTo({-44, -3}, {-34, 5}, {-14, 6});
    p.CubicTo({6, 7}, {30, 5}, {62, 0});
    p.LineTo({62, 40});
    p.LineTo({-62, 40});
    return p;
}

Path Beak() {
    return Path::Smooth({{-46, -8}, {-54, -6.5}, {-61, -3.6}, {-54, -1.4}, {-46, 0}});
}

Path LowerBeak() {
    return Path::Polygon({{-61, -3.6}, {-54, -1.2}, {-46, 0}, {-48, -2.8}});
}

Path Foot() {
    return Path::Smooth(
        {{0, -3}, {9, -4}, {17, -5.5}, {19, -2}, {18, 1}, {19, 4}, {12, 4.5}, {4, 3.5}});
}

// A flipper along +x from its root at the shoulder, the leading edge at -y.
Path Flipper(double length) {
    const double k = length / 44.0;
    return Path::Smooth({{-3, 0},
                         {0, -5.2},
                         {12 * k, -6.4},
                         {28 * k, -5},
                         {40 * k, -2.4},
                         {46 * k, 0.2},
                         {40 * k, 2.4},
                         {28 * k, 3.6},
                         {12 * k, 4.6},
                         {0, 4.8}});
}

// Root angle of each flipper, in degrees from the tail direction, negative lifting it.
double NearAngle(int frame) {
    return 6 + (-128.0 - 6) * StrokePhase(frame);
}
double FarAngle(int frame) {
    return 2 + (-104.0 - 2) * StrokePhase(frame);
}

} // namespace

Frame DrawSidePenguin(int frame) {
    Canvas canvas(kWidth, kHeight, kSamples, kInk);
    const Affine body = Body();
    const Affine toBody = body.Inverse();

    // Far side first: the foot and the flipper behind the body.
    canvas.Fill(Foot().Transformed(body * Affine::Translate({37, 6}) * Affine::Rotate(0)),
                kFarFoot);
    const Affine farRoot = body * Affine::Translate({-16, -13}) * Affine::Rotate(FarAngle(frame));
    canvas.Fill(Flipper(33).Transformed(farRoot), kFarFlipper);

    canvas.Fill(Beak().Transformed(body), kBeak);
    canvas.Fill(LowerBeak().Transformed(body), kBeakShade);

    const Affine stout = body * Affine::Scale(1, 1.18);
    const SampleMask torso = canvas.Rasterise(Torso().Transformed(stout));
    canvas.Paint(torso, [&](Vec p) {
        const Vec q = toBody.Apply(p);
        return q.y < -13 + q.x * q.x / 800 ? kBackLight : kBack;
    });
    const SampleMask belly = torso.Intersect(canvas.Rasterise(BellyRegion().Transformed(stout)));
    canvas.Paint(belly, [&](Vec p) { return toBody.Apply(p).y > 14 ? kShade : kWhite; });

    canvas.Fill(Path::Ellipse(body.Apply({-36, -10.5}), 4.0, 3.7), kWhite);
    canvas.Fill(Path::Ellipse(body.Apply({-37.3, -10.6}), 2.0, 2.0), kInk);

    canvas.Fill(Foot().Transformed(body * Affine::Translate({39, 9}) * Affine::Rotate(6)), kFoot);

    const Affine nearRoot = body * Affine::Translate({-21, -6}) * Affine::Rotate(NearAngle(frame));
    const SampleMask flipper = canvas.Rasterise(Flipper(38).Transformed(nearRoot));
    const Affine toFlipper = nearRoot.Inverse();
    canvas.Paint(flipper.Grown(kSamples), kInk);
    canvas.Paint(flipper, [&](Vec p) { return toFlipper.Apply(p).y > 2.2 ? kShade : kFlipper; });

    canvas.Outline(kSamples, kInk);
    return FinishFrame(canvas, kLimits, ("side frame " + std::to_string(frame)).c_str());
}
