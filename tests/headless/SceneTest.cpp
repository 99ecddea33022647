// What the saver window builds at creation: back buffer, logo place, frame tables, save bitmaps,
// and the starting places.
#include "RunFixture.h"

#include "platform/TCanvas.h"
#include "saver/Scene.h"
#include "saver/TForm1.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using headless::Recorded;

class Scene : public RunFixture {
protected:
    // Runs the saver on a w x h screen and calls look inside the loop, after the first paint.
    void RunAndLook(int32_t w, int32_t h, const std::string& settings, std::function<void()> look) {
        SetUp();
        headless::Reset(w, h);
        WriteSettings(settings);
        headless::PostCall(std::move(look));
        Run({"/s"});
        EXPECT_TRUE(Recorded().errorBoxes.empty());
    }
};

TEST_F(Scene, TheLogoLandsInTheMiddleByTruncatingDivision) {
    struct Case {
        int32_t w, h, left, top;
    };
    const Case cases[] = {
        {1024, 768, 332, 314}, {1366, 768, 503, 314}, {1280, 1024, 460, 442},
        {1023, 767, 331, 313}, {359, 480, 0, 170},    {320, 240, -20, 50},
    };
    TBitmap back, logo;
    back.LoadFromResourceName("BACK");
    logo.LoadFromResourceName("LOGO");
    for (const auto& c : cases) {
        TBitmap expected;
        expected.SetSize(c.w, c.h);
        expected.Canvas()->StretchDraw(Rect(0, 0, c.w, c.h), &back);
        for (int32_t y = 0; y < 140; ++y) {
            for (int32_t x = 0; x < 360; ++x) {
                if (c.left + x >= 0 && c.left + x < c.w && c.top + y >= 0 && c.top + y < c.h) {
                    expected.SetPixel(c.left + x, c.top + y, logo.Pixel(x, y));
                }
            }
        }
        bool same = false;
        // Without penguins the back buffer keeps exactly the composed scene.
        RunAndLook(c.w, c.h, "[Glacimo]\nPenguins=0\n", [&] {
            ASSERT_EQ(BackBuffer->Width(), c.w);
            ASSERT_EQ(BackBuffer->Height(), c.h);
            same = true;
            for (int32_t y = 0; y < c.h && same; ++y) {
                same = std::equal(expected.ScanLine(y), expected.ScanLine(y) + c.w,
                                  BackBuffer->ScanLine(y));
            }
        });
        EXPECT_TRUE(same) << c.w << "x" << c.h;
    }
}

TEST_F(Scene, OneSaveBitmapOfFrameSizePerPenguinInUse) {
    const TRect sprite = GLACIMO_BUILD == 1 ? Rect(0, 0, 140, 100) : Rect(0, 0, 120, 100);
    struct Case {
        const char* settings;
        int32_t count, speed;
    };
    const Case cases[] = {
        {"[Glacimo]\nPenguins=9\nSpeed=7\n", 5, 6},
        {"[Glacimo]\nPenguins=3\n", 3, 3},
        {"", 1, 3},
        {"[Glacimo]\nPenguins=-2\nSpeed=0\n", -2, 0},
    };
    for (const auto& c : cases) {
        RunAndLook(800, 600, c.settings, [&] {
            EXPECT_EQ(PenguinCount, c.count) << c.settings;
            EXPECT_EQ(Speed, c.speed) << c.settings;
            EXPECT_EQ(SpriteRect, sprite);
            for (int32_t i = 0; i < kMaxPenguins; ++i) {
                ASSERT_EQ(SaveBitmaps[i] != nullptr, i < c.count) << c.settings << " slot " << i;
                if (SaveBitmaps[i]) {
                    EXPECT_EQ(SaveBitmaps[i]->Width(), sprite.Right);
                    EXPECT_EQ(SaveBitmaps[i]->Height(), sprite.Bottom);
                }
            }
        });
    }
}

TEST_F(Scene, PlacesAllFiveSlotsAndStartsWithoutAMove) {
    const TPoint build1[5] = {{1200, 600}, {160, 480}, {640, 240}, {320, 360}, {800, 120}};
    const TPoint build2[5] = {{400, 600}, {0, 480}, {700, 120}, {200, 360}, {600, 240}};
    const TPoint* places = GLACIMO_BUILD == 1 ? build1 : build2;
    for (const char* settings :
         {"[Glacimo]\nPenguins=1\nSpeed=1\n", "[Glacimo]\nPenguins=5\nSpeed=6\n"}) {
        RunAndLook(800, 600, settings, [&] {
            for (int i = 0; i < kMaxPenguins; ++i) {
                EXPECT_EQ(Pos[i], places[i]) << "slot " << i;
                EXPECT_EQ(OldPos[i], places[i]) << "slot " << i;
                EXPECT_EQ(NewRect[i], TRect{}) << "slot " << i;
            }
            EXPECT_EQ(StepX, -3);
            EXPECT_EQ(StepY, -1);
        });
    }
}

TEST_F(Scene, TheWindowReleasesTheSceneWhenItCloses) {
    headless::PostKey(' ');
    Run({"/s"});
    EXPECT_EQ(BackBuffer, nullptr);
    EXPECT_EQ(Sprites[0], nullptr);
    EXPECT_EQ(SaveBitmaps[0], nullptr);
}

} // namespace
