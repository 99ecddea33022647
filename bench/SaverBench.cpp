// What a tick and the saver's start cost, each beside the cheapest thing that moves the same
// memory: a tick beside one memcpy of the bytes it reads and writes, the window's creation
// beside a plain fill of a fresh back buffer.
#include "host/GlacimoMain.h"
#include "platform/RunTimeRandom.h"
#include "platform/TBitmap.h"
#include "platform/headless/Headless.h"
#include "saver/Scene.h"
#include "saver/TForm1.h"
#include "settings/SaverSettings.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int32_t kSpeed = 6, kPenguins = 5;
// Ticks run before timing: long enough for every penguin to cross an edge, so that the count of
// bytes includes clipped rectangles in the proportion a long run has.
constexpr int kSampleTicks = 3000;

// Runs the saver on a fresh headless screen; inside runs in the message loop after the first
// paint.
void RunSaver(int32_t w, int32_t h, const std::function<void()>& inside) {
    headless::Reset(w, h);
    ResetSceneState();
    RunTimeRandom::Restart();
    headless::PostCall(inside);
    headless::RunProgram({GLACIMO_BUILD == 1 ? "Glacimo1.scr" : "Glacimo2.scr", "/s"},
                         &GlacimoMain);
}

int64_t VisibleArea(const TRect& r, int32_t w, int32_t h) {
    const int64_t cw = std::min<int64_t>(r.Right, w) - std::max<int64_t>(r.Left, 0);
    const int64_t ch = std::min<int64_t>(r.Bottom, h) - std::max<int64_t>(r.Top, 0);
    return cw > 0 && ch > 0 ? cw * ch : 0;
}

// Bytes that the last tick read plus those it wrote, counted by 4-byte pixel: per penguin a
// restore and a save (read one, write one), the mask AND and the sprite OR (read two, write one)
// on the visible part of its rectangles, and two presents (read one, write one).
int64_t TickTraffic(int32_t w, int32_t h) {
    int64_t pixels = 0;
    for (int32_t i = 0; i < PenguinCount; ++i) {
        const int64_t before = VisibleArea(PenguinRect(OldPos[i]), w, h);
        const int64_t after = VisibleArea(PenguinRect(Pos[i]), w, h);
        pixels += 2 * before;             // restore at the old place
        pixels += 2 * after;              // save at the new place
        pixels += 3 * after * 2;          // mask AND, sprite OR
        pixels += 2 * before + 2 * after; // the two presents
    }
    return pixels * 4;
}

// Nanoseconds for one memcpy of bytes / 2 (it reads and writes as many), best of many.
double MemcpyBound(int64_t bytes) {
    const size_t n = size_t(bytes / 2);
    std::vector<char> a(n, 1), b(n, 2);
    double best = 1e300;
    for (int round = 0; round < 2000; ++round) {
        const auto t0 = std::chrono::steady_clock::now();
        std::memcpy(b.data(), a.data(), n);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::nano>(t1 - t0).count());
    }
    return best;
}

// Reports, beside the mean, the best 100-tick stretch against the best memcpy: minima hold
// steady while other work shares the machine, so their ratio is the figure to compare.
void BM_Tick(benchmark::State& state) {
    const auto w = int32_t(state.range(0)), h = int32_t(state.range(1));
    constexpr int kStretch = 100;
    int64_t traffic = 0;
    double best = 1e300;
    RunSaver(w, h, [&] {
        for (int k = 0; k < kSampleTicks; ++k) {
            Form1->Timer1Timer(nullptr);
            traffic += TickTraffic(w, h);
        }
        int k = 0;
        auto t0 = std::chrono::steady_clock::now();
        for (auto _ : state) {
            Form1->Timer1Timer(nullptr);
            if (++k == kStretch) {
                const auto t1 = std::chrono::steady_clock::now();
                best = std::min(best, std::chrono::duration<double, std::nano>(t1 - t0).count());
                k = 0;
                t0 = t1;
            }
        }
    });
    const double bytes = double(traffic) / kSampleTicks;
    const double bound = MemcpyBound(int64_t(bytes));
    state.counters["bytes"] = bytes;
    state.counters["best_us"] = best / kStretch / 1e3;
    state.counters["bound_us"] = bound / 1e3;
    state.counters["ratio"] = best / kStretch / bound;
}

// The same bytes as a tick, moved by one memcpy per iteration.
void BM_TickBoundMemcpy(benchmark::State& state) {
    const auto w = int32_t(state.range(0)), h = int32_t(state.range(1));
    int64_t traffic = 0;
    RunSaver(w, h, [&] {
        for (int k = 0; k < kSampleTicks; ++k) {
            Form1->Timer1Timer(nullptr);
            traffic += TickTraffic(w, h);
        }
    });
    const size_t n = size_t(traffic / kSampleTicks / 2);
    std::vector<char> a(n, 1), b(n, 2);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), n);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(n) * 2);
}

// The window's creation handler, as at start-up: settings, geometry, the scene (the stretch of
// the background dominates), placement. The scene of the previous round is released untimed.
void BM_FormCreate(benchmark::State& state) {
    const auto w = int32_t(state.range(0)), h = int32_t(state.range(1));
    double best = 1e300;
    RunSaver(w, h, [&] {
        for (auto _ : state) {
            state.PauseTiming();
            ReleaseScene();
            state.ResumeTiming();
            const auto t0 = std::chrono::steady_clock::now();
            Form1->FormCreate(nullptr);
            benchmark::DoNotOptimize(BackBuffer->ScanLine(0));
            const auto t1 = std::chrono::steady_clock::now();
            best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
        }
    });
    state.counters["best_ms"] = best;
}

// A fresh back buffer of the same size, filled with one colour: allocation and first touch of
// every page, as the scene's creation needs at the least.
void BM_FreshBufferFill(benchmark::State& state) {
    const auto w = int32_t(state.range(0)), h = int32_t(state.range(1));
    double best = 1e300;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        TBitmap b;
        b.SetSize(w, h);
        b.Fill(0x00336699);
        benchmark::DoNotOptimize(b.ScanLine(0));
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    state.counters["best_ms"] = best;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({1920, 1080})->Args({3840, 2160});
}

} // namespace

// The seam of the settings: the highest speed and penguin count, without a settings file.
SaverSettings ReadSaverSettings() {
    return SaverSettings{kSpeed, kPenguins};
}

BENCHMARK(BM_Tick)->Apply(Sizes)->Iterations(20000)->Repetitions(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickBoundMemcpy)->Apply(Sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormCreate)
    ->Apply(Sizes)
    ->Iterations(10)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreshBufferFill)->Apply(Sizes)->Unit(benchmark::kMillisecond);
