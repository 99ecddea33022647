#include "tools/art/Art.h"

#include "tools/art/Palette.h"

#include <cmath>
#include <stdexcept>

Frame FinishFrame(const Canvas& canvas, const Limits& limits, const char* name) {
    const int w = canvas.Width();
    const int h = canvas.Height();
    Frame frame{IndexImage(w, h, 0), IndexImage(w, h, 1)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (canvas.Coverage(x, y) < 0.5)
                continue;
            if (x < limits.left || x > limits.right || y < limits.top || y > limits.bottom)
                throw std::runtime_error(std::string(name) + ": the penguin leaves its limits at " +
                                         std::to_string(x) + "," + std::to_string(y));
            frame.mask.At(x, y) = 0;
            frame.sprite.At(x, y) = Palette::Nearest(canvas.Pixel(x, y), 1, 255);
        }
    return frame;
}

double StrokePhase(int frame) {
    return (1.0 - std::cos(3.14159265358979323846 * frame / 5.0)) / 2.0;
}
