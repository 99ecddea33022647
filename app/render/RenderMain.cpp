// glacimo-render for one build: runs the real run mode on the headless backend and writes the
// screen after the first paint and after every tick as 24-bit .bmp files.
#include "host/GlacimoMain.h"
#include "platform/headless/Headless.h"
#include "settings/SaverSettings.h"
#include "settings/SettingsNames.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Options {
    int32_t width = 1024, height = 768;
    int32_t speed = SettingsNames::DefaultSpeed;
    int32_t penguins = SettingsNames::DefaultPenguins;
    int ticks = 25;
    std::string out = ".";
};

Options options;

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

bool WriteBmp24(const TBitmap& bitmap, const std::filesystem::path& path) {
    const uint32_t w = uint32_t(bitmap.Width()), h = uint32_t(bitmap.Height());
    const uint32_t stride = (w * 3 + 3) & ~3u;
    std::vector<uint8_t> b;
    b.reserve(54 + size_t(stride) * h);
    b.push_back('B');
    b.push_back('M');
    Put32(b, 54 + stride * h);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, w);
    Put32(b, h);
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, 0);
    Put32(b, stride * h);
    for (int i = 0; i < 4; ++i) {
        Put32(b, 0);
    }
    for (int32_t y = int32_t(h) - 1; y >= 0; --y) {
        const uint32_t* row = bitmap.ScanLine(y);
        for (uint32_t x = 0; x < w; ++x) {
            b.push_back(uint8_t(row[x]));
            b.push_back(uint8_t(row[x] >> 8));
            b.push_back(uint8_t(row[x] >> 16));
        }
        b.resize(b.size() + (stride - w * 3), 0);
    }
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    return bool(f);
}

bool ParseInt(const char* text, int32_t& value) {
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || v < INT32_MIN || v > INT32_MAX) {
        return false;
    }
    value = int32_t(v);
    return true;
}

bool ParseArgs(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const char* value = argv[i + 1];
        int32_t n = 0;
        if (flag == "--size") {
            if (std::sscanf(value, "%dx%d", &options.width, &options.height) != 2 ||
                options.width < 1 || options.height < 1) {
                return false;
            }
        } else if (flag == "--speed" && ParseInt(value, n)) {
            options.speed = n;
        } else if (flag == "--penguins" && ParseInt(value, n)) {
            options.penguins = n;
        } else if (flag == "--ticks" && ParseInt(value, n) && n >= 0) {
            options.ticks = n;
        } else if (flag == "--out") {
            options.out = value;
        } else if (flag != "--build") {
            return false;
        }
    }
    return argc % 2 == 1;
}

} // namespace

// Takes the place of the settings file: the tool renders what the flags say.
SaverSettings ReadSaverSettings() {
    return SaverSettings{std::min(options.speed, SettingsNames::MaxSpeed),
                         std::min(options.penguins, SettingsNames::MaxPenguins)};
}

int main(int argc, char** argv) {
    if (!ParseArgs(argc, argv)) {
        std::fprintf(stderr, "usage: glacimo-render --build 1|2 [--size WxH] [--speed N] "
                             "[--penguins N] [--ticks N] [--out DIR]\n");
        return 2;
    }
    std::filesystem::create_directories(options.out);
    headless::Reset(options.width, options.height);
    bool ok = true;
    auto save = [&ok](int k) {
        char name[32];
        std::snprintf(name, sizeof name, "frame-%04d.bmp", k);
        ok = WriteBmp24(headless::Screen(), std::filesystem::path(options.out) / name) && ok;
    };
    headless::PostCall([&] { save(0); });
    for (int k = 1; k <= options.ticks; ++k) {
        headless::PostTick();
        headless::PostCall([&, k] { save(k); });
    }
    headless::RunProgram({"glacimo-render", "/s"}, &GlacimoMain);
    for (const auto& box : headless::Recorded().errorBoxes) {
        std::fprintf(stderr, "%s: %s\n", box.caption.c_str(), box.text.c_str());
        ok = false;
    }
    if (!ok) {
        std::fprintf(stderr, "glacimo-render: could not write every frame to %s\n",
                     options.out.c_str());
    }
    return ok ? 0 : 1;
}
