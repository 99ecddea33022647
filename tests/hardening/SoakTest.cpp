// Long runs at the highest penguin count: the frame cycle must neither leave traces in the scene
// nor allocate, however long the saver runs.
#include "../headless/SceneModel.h"
#include "AllocationCounter.h"
#include "SaverRun.h"

#include "platform/headless/Headless.h"
#include "saver/Scene.h"
#include "saver/TForm1.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SoakCase {
    int32_t width, height, speed;
    int ticks;
};

// At a common size every penguin keeps its distance from the others; on a small screen at low
// speed they overlap and wrap all the time, which is where a wrong erase leaves fragments.
const SoakCase kCases[] = {
    {1920, 1080, 6, GLACIMO_SOAK_TICKS},
    {300, 200, 1, GLACIMO_SOAK_TICKS / 4},
};
constexpr int32_t kPenguins = 5;
// Ticks before the count of allocations starts: the frame cycle must be allocation-free from
// its first tick, but this leaves room for anything a platform makes lazily.
constexpr int kSettleTicks = 10;
constexpr int kCheckEvery = 1000;

class Soak : public testing::TestWithParam<SoakCase> {};

TEST_P(Soak, ManyTicksLeaveThePristineSceneAndAllocateNothing) {
    const SoakCase c = GetParam();
    SceneModel model(GLACIMO_BUILD, c.width, c.height, c.speed, kPenguins);
    TBitmap erased, expected;
    erased.SetSize(c.width, c.height);
    expected.SetSize(c.width, c.height);
    erased.Canvas(); // made here, not inside the measured stretch
    int firstDirty = -1, firstWrongScreen = -1, checks = 0;
    uint64_t before = 0, after = 0;
    auto check = [&](int tick) {
        ++checks;
        EraseInto(erased);
        if (firstDirty < 0 && !SameBitmap(erased, model.Pristine())) {
            firstDirty = tick;
        }
        model.ComposeScreen(expected);
        if (firstWrongScreen < 0 && !SameBitmap(expected, headless::Screen())) {
            firstWrongScreen = tick;
        }
    };
    const int code = RunSaver(c.width, c.height, SaverSettings{c.speed, kPenguins}, [&] {
        check(0);
        for (int tick = 1; tick <= c.ticks; ++tick) {
            if (tick == kSettleTicks) {
                before = Allocations();
            }
            // The timer's handler itself, without the test queue's own bookkeeping per event.
            Form1->Timer1Timer(nullptr);
            model.Advance();
            if (tick % kCheckEvery == 0) {
                check(tick);
            }
        }
        after = Allocations();
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(headless::Recorded().errorBoxes.empty());
    EXPECT_EQ(checks, c.ticks / kCheckEvery + 1);
    EXPECT_EQ(firstDirty, -1) << "the erased back buffer first differed from the scene at tick "
                              << firstDirty;
    EXPECT_EQ(firstWrongScreen, -1)
        << "the screen first differed from the model at tick " << firstWrongScreen;
    EXPECT_EQ(after - before, 0u) << "allocations while the saver ran " << c.ticks - kSettleTicks
                                  << " ticks";
}

INSTANTIATE_TEST_SUITE_P(Hardening, Soak, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SoakCase>& p) {
                             return std::to_string(p.param.width) + "x" +
                                    std::to_string(p.param.height);
                         });

// The counter itself counts: otherwise the test above would pass for nothing.
TEST(AllocationCounter, SeesAnAllocation) {
    static void* volatile sink = nullptr;
    const uint64_t before = Allocations();
    sink = ::operator new(16);
    EXPECT_EQ(Allocations(), before + 1);
    ::operator delete(sink);
}

} // namespace
