// The animation as a user sees it: the headless screen after the first paint and after every tick,
// compared pixel for pixel with an independent model of the scene.
#include "RunFixture.h"
#include "SceneModel.h"

#include "platform/TApplication.h"
#include "platform/TCanvas.h"
#include "saver/Scene.h"
#include "saver/TForm1.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using headless::Recorded;
using headless::Screen;

class Animation : public RunFixture {
protected:
    void Settings(int32_t speed, int32_t count) {
        std::ostringstream s;
        s << "[Glacimo]\nSpeed=" << speed << "\nPenguins=" << count << "\n";
        WriteSettings(s.str());
    }

    // Runs the saver for ticks ticks and checks every frame against the model.
    void ExpectMatchesModel(int32_t w, int32_t h, int32_t speed, int32_t count, int ticks) {
        SetUp();
        headless::Reset(w, h);
        Settings(speed, count);
        SceneModel model(GLACIMO_BUILD, w, h, speed, count);
        TBitmap expected, erased;
        int mismatches = 0;
        auto check = [&](int pass) {
            if (mismatches > 0) {
                return;
            }
            model.ComposeScreen(expected);
            if (!SameScreen(expected, Screen())) {
                ++mismatches;
                ADD_FAILURE() << w << "x" << h << " speed " << speed << " count " << count
                              << ": screen differs from the model after pass " << pass;
                return;
            }
            if (!ErasedIsPristine(model.Pristine(), erased)) {
                ++mismatches;
                ADD_FAILURE() << "erasing leaves something behind after pass " << pass;
            }
        };
        headless::PostCall([&] { check(0); });
        for (int k = 1; k <= ticks; ++k) {
            headless::PostTick();
            headless::PostCall([&, k] {
                model.Advance();
                check(k);
            });
        }
        Run({"/s"});
        EXPECT_TRUE(Recorded().errorBoxes.empty());
        EXPECT_TRUE(Recorded().loopRanDry);
    }

    static bool SameScreen(const TBitmap& a, const TBitmap& b) {
        for (int32_t y = 0; y < a.Height(); ++y) {
            if (!std::equal(a.ScanLine(y), a.ScanLine(y) + a.Width(), b.ScanLine(y))) {
                return false;
            }
        }
        return true;
    }

    // The back buffer with every save bitmap put back, highest index first.
    static bool ErasedIsPristine(const TBitmap& pristine, TBitmap& erased) {
        erased.SetSize(BackBuffer->Width(), BackBuffer->Height());
        erased.Canvas()->CopyMode = SRCCOPY;
        erased.Canvas()->Draw(0, 0, BackBuffer.get());
        for (int32_t i = PenguinCount - 1; i >= 0; --i) {
            erased.Canvas()->CopyRect(PenguinRect(Pos[i]), SaveBitmaps[i]->Canvas(), SpriteRect);
        }
        return SameScreen(pristine, erased);
    }
};

TEST_F(Animation, SmallScreenWherePenguinsOverlapAndWrap) {
    for (int32_t count = 1; count <= 5; ++count) {
        for (int32_t speed : {0, 1, 6, -1}) {
            ExpectMatchesModel(300, 200, speed, count, 160);
        }
    }
}

TEST_F(Animation, OrdinaryScreenFullSpeed) {
    ExpectMatchesModel(800, 600, 6, 5, 220);
}

TEST_F(Animation, AbsurdSpeedsFromAHandEditedFileWrapAround) {
    ExpectMatchesModel(300, 200, -2147483647 - 1, 5, 12);
    ExpectMatchesModel(300, 200, -1431655765, 5, 12);
}

TEST_F(Animation, NoPenguinsShowBackgroundAndLogoOnly) {
    for (int32_t count : {0, -3}) {
        ExpectMatchesModel(640, 480, 3, count, 3);
    }
}

TEST_F(Animation, ALaterPaintLeavesNoStillImageBehind) {
    headless::Reset(400, 300);
    Settings(2, 5);
    SceneModel model(GLACIMO_BUILD, 400, 300, 2, 5);
    TBitmap expected, erased;
    bool same = false, pristine = false;
    headless::PostTick();
    headless::PostPaint(Rect(0, 0, 400, 300)); // the window uncovered
    headless::PostTick();
    headless::PostCall([&] {
        model.Advance();    // the first tick
        model.NextFrames(); // the later paint moves the frames on, not the penguins
        model.Advance();    // the second tick
        model.ComposeScreen(expected);
        same = SameScreen(expected, Screen());
        pristine = ErasedIsPristine(model.Pristine(), erased);
    });
    Run({"/s"});
    EXPECT_EQ(Recorded().paints, 2);
    EXPECT_TRUE(same);
    EXPECT_TRUE(pristine);
}

} // namespace
