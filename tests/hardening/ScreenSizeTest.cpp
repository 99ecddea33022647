// Screens far from the usual sizes: the smallest there can be, one smaller than the logo, and a
// very large one. The saver starts, centres the logo by its truncating rule, clips it, and
// animates as on any other screen.
#include "../headless/SceneModel.h"
#include "SaverRun.h"

#include "platform/headless/Headless.h"
#include "saver/Scene.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct SizeCase {
    int32_t width, height;
    int32_t logoLeft, logoTop; // where the logo's top-left corner lands, maybe off the screen
    int ticks;
};

const SizeCase kCases[] = {
    {320, 240, -20, 50, 40},     // logo cut off by 20 pixels on both sides
    {1, 1, -179, -69, 40},       // one pixel: logo pixel (179, 69)
    {1, 1080, -179, 470, 20},    // a column
    {1920, 1, 780, -69, 20},     // a row
    {359, 139, 0, 0, 20},        // -1 / 2 truncates toward zero on both axes
    {7680, 4320, 3660, 2090, 4}, // 8K
};

class ScreenSize : public testing::TestWithParam<SizeCase> {};

// Every screen pixel that the logo's rectangle covers shows the logo's pixel; counts them.
int64_t LogoMismatches(const TBitmap& scene, const TBitmap& logo, int32_t left, int32_t top) {
    int64_t bad = 0;
    for (int32_t y = 0; y < scene.Height(); ++y) {
        for (int32_t x = 0; x < scene.Width(); ++x) {
            const int64_t lx = int64_t(x) - left, ly = int64_t(y) - top;
            if (lx >= 0 && ly >= 0 && lx < 360 && ly < 140 &&
                scene.Pixel(x, y) != logo.Pixel(int32_t(lx), int32_t(ly))) {
                ++bad;
            }
        }
    }
    return bad;
}

TEST_P(ScreenSize, LogoCentredAndClippedAndTheAnimationRuns) {
    const SizeCase c = GetParam();
    SceneModel model(GLACIMO_BUILD, c.width, c.height, 6, 5);
    TBitmap logo, erased, expected;
    logo.LoadFromResourceName("LOGO");
    erased.SetSize(c.width, c.height);
    int64_t logoBad = -1;
    bool pristine = false;
    int firstWrong = -1;
    // Each pass checks the screen, then queues the next tick and the next check behind it, so
    // the ticks come through the timer as in a real run.
    std::function<void(int)> pass = [&](int tick) {
        if (tick > 0) {
            model.Advance();
        }
        model.ComposeScreen(expected);
        if (!SameBitmap(expected, headless::Screen())) {
            firstWrong = tick;
            return;
        }
        if (tick < c.ticks) {
            headless::PostTick();
            headless::PostCall([&pass, tick] { pass(tick + 1); });
        }
    };
    const int code = RunSaver(c.width, c.height, SaverSettings{6, 5}, [&] {
        EraseInto(erased);
        logoBad = LogoMismatches(erased, logo, c.logoLeft, c.logoTop);
        pristine = SameBitmap(erased, model.Pristine());
        pass(0);
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(headless::Recorded().errorBoxes.empty());
    ASSERT_EQ(headless::Recorded().windows.size(), 1u);
    EXPECT_EQ(headless::Recorded().windows[0].width, c.width);
    EXPECT_EQ(headless::Recorded().windows[0].height, c.height);
    EXPECT_EQ(BackBuffer, nullptr) << "the scene outlived the window";
    EXPECT_EQ(logoBad, 0);
    EXPECT_TRUE(pristine) << "background and logo differ from the model";
    EXPECT_EQ(headless::Recorded().ticksDelivered, firstWrong < 0 ? c.ticks : firstWrong);
    EXPECT_EQ(firstWrong, -1) << "the screen first differed from the model at pass " << firstWrong;
}

INSTANTIATE_TEST_SUITE_P(Hardening, ScreenSize, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SizeCase>& p) {
                             return std::to_string(p.param.width) + "x" +
                                    std::to_string(p.param.height);
                         });

} // namespace
