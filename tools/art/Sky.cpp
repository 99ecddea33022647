#include "tools/art/Art.h"

#include "tools/art/Palette.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A fixed pseudo-random sequence, the same on every machine.
class Sequence {
public:
    explicit Sequence(uint64_t seed) : state_(seed) {}
    double Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) / 9007199254740992.0;
    }
    double Between(double lo, double hi) { return lo + (hi - lo) * Next(); }

private:
    uint64_t state_;
};

double Smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Smooth one-dimensional value noise in 0..1.
double Noise(double x, uint32_t seed) {
    const auto hash = [seed](int64_t i) {
        uint32_t h = uint32_t(i) * 2654435761u ^ seed * 2246822519u;
        h ^= h >> 15;
        h *= 2246822519u;
        h ^= h >> 13;
        return double(h & 0xFFFF) / 65535.0;
    };
    const double f = std::floor(x);
    const double t = x - f;
    const auto i = int64_t(f);
    return hash(i) + (hash(i + 1) - hash(i)) * t * t * (3 - 2 * t);
}

struct Streak {
    double centre; // across the streaks' direction
    double width;  // half-width of the soft core
    double start;  // along the direction
    double end;
    double strength;
    double whiteness; // 0 pale blue, 1 white
    double bend;      // slow drift across the direction
    uint32_t seed;
};

std::vector<Streak> MakeStreaks() {
    Sequence random(0x5eed1e55);
    std::vector<Streak> streaks;
    // Broad bands first, then thin wisps over them.
    for (int i = 0; i < 11; ++i) {
        const double centre = -190 + i * 60 + random.Between(-18, 18);
        const double length = random.Between(320, 700);
        const double start = random.Between(-150, 760 - length * 0.6);
        streaks.push_back({centre, random.Between(7, 16), start, start + length,
                           random.Between(0.45, 0.8), random.Between(0.0, 0.7),
                           random.Between(-12, 12), uint32_t(i + 1)});
    }
    for (int i = 0; i < 26; ++i) {
        const double centre = random.Between(-200, 460);
        const double length = random.Between(200, 520);
        const double start = random.Between(-100, 760 - length * 0.5);
        streaks.push_back({centre, random.Between(1.3, 3.5), start, start + length,
                           random.Between(0.55, 0.95), random.Between(0.5, 1.0),
                           random.Between(-6, 6), uint32_t(100 + i)});
    }
    return streaks;
}

Rgb SkyColour(double x, double y, const std::vector<Streak>& streaks) {
    // Along and across the streaks, which run with the flight: three across, one down.
    const double cs = 3.0 / std::sqrt(10.0);
    const double sn = 1.0 / std::sqrt(10.0);
    const double u = x * cs + y * sn;
    const double v = -x * sn + y * cs;
    const double light = std::clamp(x / kWidth * 0.55 + y / kHeight * 0.45, 0.0, 1.0);
    Rgb c = Mix(Rgb{6, 20, 100}, Rgb{64, 128, 214}, std::pow(light, 1.3));
    const Rgb pale{150, 190, 240};
    const Rgb white{250, 252, 255};
    for (const Streak& s : streaks) {
        const double along =
            Smoothstep(s.start, s.start + 140, u) * (1 - Smoothstep(s.end - 180, s.end, u));
        if (along <= 0)
            continue;
        const double drift = s.bend * std::sin(u / 240.0 + s.seed);
        const double width = s.width * (0.7 + 0.6 * Noise(u / 90.0, s.seed * 7));
        const double d = (v - s.centre - drift) / width;
        const double core = std::exp(-d * d);
        const double grain = 0.55 + 0.45 * Noise(u / 38.0, s.seed);
        const double amount =
            std::clamp(core * along * grain * s.strength * (0.45 + 0.75 * light), 0.0, 1.0);
        c = Mix(c, Mix(pale, white, s.whiteness), amount);
    }
    return c;
}

} // namespace

IndexImage DrawSky() {
    const std::vector<Streak> streaks = MakeStreaks();
    IndexImage image(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            image.At(x, y) = Palette::Dithered(SkyColour(x + 0.5, y + 0.5, streaks), x, y, 1.0);
    return image;
}
