#include "tools/art/Art.h"

#include "tools/art/Palette.h"
#include "tools/art/Text.h"

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 140;
constexpr int kSamples = 6;

const Rgb kNavy{0, 0, 64};
const Rgb kShadow{0, 0, 128};
const Rgb kCyan{0, 255, 255};
const Rgb kYellow{255, 255, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kPale{166, 202, 240};

Path Box(double x0, double y0, double x1, double y1) {
    return Path::Polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

// A line of text centred on the logo with its baseline at y, narrowed to width where wider.
Path Centred(const std::string& font, const std::string& text, double size, double tracking,
             double baseline, double width) {
    const TextLine line = LayOutText(font, text, size, tracking);
    const double k = line.width > width ? width / line.width : 1.0;
    return line.path.Transformed(Affine::Translate({(kWidth - line.width * k) / 2, baseline}) *
                                 Affine::Scale(k, 1));
}

} // namespace

IndexImage DrawLogo(const std::string& fontDirectory) {
    Canvas canvas(kWidth, kHeight, kSamples, kNavy);
    const int s = kSamples;

    // A fine frame just inside the edge.
    canvas.Paint(canvas.Rasterise(Box(3, 3, kWidth - 3, kHeight - 3))
                     .Minus(canvas.Rasterise(Box(4, 4, kWidth - 4, kHeight - 4))),
                 kShadow);

    const double baseline = 84;
    const Path title =
        Centred(fontDirectory + "/DejaVuSans-Bold.ttf", "Glacimo", 80, 1, baseline, 300);
    const SampleMask letters = canvas.Rasterise(title);
    const SampleMask shadow = canvas.Rasterise(title.Transformed(Affine::Translate({4, 4})));
    canvas.Paint(shadow.Grown(2 * s), kShadow);
    canvas.Paint(letters.Grown(2 * s), kCyan);
    canvas.Paint(letters, kYellow);
    // A white shine over the upper part of each letter, inside its edge.
    const SampleMask upper = canvas.Rasterise(Box(0, 0, kWidth, baseline - 36));
    canvas.Paint(letters.Shrunk(3 * s).Intersect(upper), kWhite);

    canvas.Fill(Box(34, 101, kWidth - 34, 102), kPale);

    const Path subtitle =
        Centred(fontDirectory + "/DejaVuSans.ttf", "penguin screen saver", 17, 1.6, 125, 280);
    canvas.Fill(subtitle, kWhite);

    IndexImage image(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            image.At(x, y) = Palette::Nearest(canvas.Pixel(x, y));
    return image;
}
