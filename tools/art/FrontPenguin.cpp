#include "tools/art/Art.h"

#include <cmath>
#include <string>

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 100;
constexpr int kSamples = 8;
constexpr Limits kLimits{14, 10, 105, 93};

const Rgb kInk{8, 8, 48};
const Rgb kBody{30, 32, 70};
const Rgb kBodyLight{40, 56, 120};
const Rgb kFlipper{34, 40, 110};
const Rgb kWhite{255, 255, 255};
const Rgb kShade{166, 202, 240};
const Rgb kBeak{230, 130, 0};
const Rgb kFoot{255, 230, 0};
const Rgb kFootShade{224, 160, 0};

constexpr double kMiddle = 60;

Path Silhouette() {
    return Path::Smooth({{60, 12},
                         {71, 14},
                         {78, 22},
                         {79, 33},
                         {83, 45},
                         {86, 59},
                         {84, 73},
                         {77, 83},
                         {60, 88},
                         {43, 83},
                         {36, 73},
                         {34, 59},
                         {37, 45},
                         {41, 33},
                         {42, 22},
                         {49, 14}});
}

Path Front() {
    return Path::Smooth({{60, 31},
                         {67, 33},
                         {74, 42},
                         {78, 57},
                         {76, 71},
                         {70, 80},
                         {60, 84},
                         {50, 80},
                         {44, 71},
                         {42, 57},
                         {46, 42},
                         {53, 33}});
}

Path Foot(double side) {
    std::vector<Vec> points = {{2, -3},  {9, -3},  {12, 1},   {10, 3.5}, {6, 2.6},
                               {3, 3.8}, {0, 2.6}, {-3, 3.6}, {-5, 1},   {-3, -2}};
    for (Vec& p : points)
        p = {kMiddle + side * (9 + p.x), 88 + p.y};
    return Path::Smooth(points);
}

// A flipper hanging from its root along +x; the outer edge at -y.
Path Flipper() {
    return Path::Smooth({{-3, 0},
                         {0, -4.4},
                         {8, -5},
                         {17, -3.6},
                         {23, -1.5},
                         {25.5, 0.5},
                         {22, 2.1},
                         {15, 3.3},
                         {7, 4},
                         {0, 4.2}});
}

// Degrees below the horizontal for the left flipper: hanging near the body at frame 0, raised
// above the shoulder at frame 5.
double FlipperAngle(int frame) {
    return 72 + (-58.0 - 72) * StrokePhase(frame);
}

void DrawFlipper(Canvas& canvas, double side, int frame) {
    // The left flipper points outwards along -x; the right one mirrors it.
    const Affine root = Affine::Translate({kMiddle + side * 17, 38}) * Affine::Scale(-side, 1) *
                        Affine::Rotate(180 - FlipperAngle(frame)) * Affine::Scale(1, -1);
    const SampleMask flipper = canvas.Rasterise(Flipper().Transformed(root));
    const Affine toFlipper = root.Inverse();
    canvas.Paint(flipper.Grown(kSamples), kInk);
    canvas.Paint(flipper, [&](Vec p) { return toFlipper.Apply(p).y > 2.0 ? kShade : kFlipper; });
}

} // namespace

Frame DrawFrontPenguin(int frame) {
    Canvas canvas(kWidth, kHeight, kSamples, kInk);
    for (const double side : {-1.0, 1.0}) {
        const SampleMask foot = canvas.Rasterise(Foot(side));
        canvas.Paint(foot, [](Vec p) { return p.y > 90.5 ? kFootShade : kFoot; });
    }
    const SampleMask body = canvas.Rasterise(Silhouette());
    // Light falls from the upper left: a crescent along the crown and the left flank.
    canvas.Paint(body, [](Vec p) {
        const double dx = p.x - (kMiddle + 3);
        const double dy = p.y - 30;
        return dx * dx * 1.1 + dy * dy > 330 && p.x < kMiddle + 6 && p.y < 62 ? kBodyLight : kBody;
    });
    const SampleMask front = canvas.Rasterise(Front());
    canvas.Paint(front, [](Vec p) {
        const double dx = std::abs(p.x - kMiddle);
        return dx > 12 + (p.y - 40) * 0.05 ? kShade : kWhite;
    });
    for (const double side : {-1.0, 1.0}) {
        canvas.Fill(Path::Ellipse({kMiddle + side * 6.8, 23}, 3.4, 3.8), kWhite);
        canvas.Fill(Path::Ellipse({kMiddle + side * 6.2, 23.6}, 1.8, 2.1), kInk);
    }
    canvas.Fill(Path::Smooth({{55.5, 26.5}, {60, 25.5}, {64.5, 26.5}, {60, 33}}), kBeak);
    for (const double side : {-1.0, 1.0})
        DrawFlipper(canvas, side, frame);
    canvas.Outline(kSamples, kInk);
    return FinishFrame(canvas, kLimits, ("front frame " + std::to_string(frame)).c_str());
}
