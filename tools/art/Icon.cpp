#include "tools/art/Art.h"

#include "tools/art/Palette.h"

namespace {

constexpr int kSize = 32;
constexpr int kSamples = 8;

const Rgb kBlack{0, 0, 0};
const Rgb kNavy{0, 0, 128};
const Rgb kWhite{255, 255, 255};
const Rgb kSilver{192, 192, 192};
const Rgb kYellow{255, 255, 0};
const Rgb kOlive{128, 128, 0};

} // namespace

void DrawIcon(IndexImage& colours, IndexImage& transparent) {
    Canvas canvas(kSize, kSize, kSamples, kBlack);
    canvas.Fill(Path::Smooth({{9.5, 12.5}, {1.2, 16.6}, {9.5, 19}}), kYellow);
    canvas.Fill(Path::Polygon({{1.2, 16.6}, {9.5, 17.6}, {9.5, 19}}), kOlive);
    const SampleMask head = canvas.Rasterise(Path::Smooth({{17, 2.5},
                                                           {25, 4.5},
                                                           {29.5, 11},
                                                           {30, 20},
                                                           {29.5, 31.5},
                                                           {11, 31.5},
                                                           {9.5, 24},
                                                           {8, 17},
                                                           {8.5, 10},
                                                           {11.5, 5}}));
    canvas.Paint(head, [](Vec p) {
        const double dx = p.x - 20;
        const double dy = p.y - 8;
        return dx * dx + dy * dy < 16 ? kNavy : kBlack;
    });
    const SampleMask throat = head.Intersect(
        canvas.Rasterise(Path::Smooth({{6, 21}, {13, 19.5}, {19, 23}, {23, 32.5}, {6, 32.5}})));
    canvas.Paint(throat, [](Vec p) { return p.x > 19 ? kSilver : kWhite; });
    canvas.Fill(Path::Ellipse({15, 12}, 3.6, 3.4), kWhite);
    canvas.Fill(Path::Ellipse({14.3, 12}, 1.7, 1.8), kBlack);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const bool opaque = canvas.Coverage(x, y) >= 0.5;
            colours.At(x, y) = opaque ? Palette::NearestIcon(canvas.Pixel(x, y)) : 0;
            transparent.At(x, y) = opaque ? 0 : 1;
        }
}
