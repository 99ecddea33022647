// Each build's motion rule at its edges.
#include "RunFixture.h"

#include "saver/Scene.h"
#include "saver/TForm1.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class Motion : public RunFixture {
protected:
    void RunAndMove(int32_t w, int32_t h, int32_t speed, std::function<void()> look) {
        SetUp();
        headless::Reset(w, h);
        WriteSettings("[Glacimo]\nPenguins=1\nSpeed=" + std::to_string(speed) + "\n");
        headless::PostCall(std::move(look));
        Run({"/s"});
    }
    // Puts penguin 0 at p, moves once, and gives the new place.
    static TPoint MoveFrom(TPoint p) {
        Pos[0] = p;
        Form1->MovePenguins();
        EXPECT_EQ(OldPos[0], p);
        EXPECT_EQ(NewRect[0], PenguinRect(Pos[0]));
        return Pos[0];
    }
};

#if GLACIMO_BUILD == 1

TEST_F(Motion, DriftsLeftAndUpAndWrapsOnlyPastTheEdge) {
    struct Case {
        TPoint from, to;
    };
    const Case cases[] = {
        {{100, 100}, {97, 99}},     {{-137, 50}, {-140, 49}}, // right edge lands on 0: no wrap yet
        {{-138, 50}, {800, 49}},                              // -141 wraps to W exactly
        {{50, -99}, {47, -100}},    {{50, -100}, {47, 600}},  // -101 wraps to H exactly
        {{-138, -100}, {800, 600}},                           // both in one tick
    };
    RunAndMove(800, 600, 1, [&] {
        for (const auto& c : cases) {
            EXPECT_EQ(MoveFrom(c.from), c.to) << c.from.x << "," << c.from.y;
        }
    });
}

#else

TEST_F(Motion, RisesAndReentersAtTheGeneratorsPlaces) {
    RunAndMove(800, 600, 1, [&] {
        EXPECT_EQ(MoveFrom({300, -99}), (TPoint{300, -100})); // y + 100 = 0: no wrap, x stays
        for (int32_t x : {249, 104, 686, 244}) {
            EXPECT_EQ(MoveFrom({300, -100}), (TPoint{x, 600}));
        }
    });
}

TEST_F(Motion, NarrowWindowsReenterWithinTheirBand) {
    RunAndMove(100, 600, 1, [&] {
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(MoveFrom({7, -100}).x, 0);
        }
    });
    RunAndMove(60, 600, 1, [&] {
        for (int k = 0; k < 50; ++k) {
            const int32_t x = MoveFrom({7, -100}).x;
            EXPECT_GE(x, 0);
            EXPECT_LE(x, 39);
        }
    });
}

#endif

TEST_F(Motion, SpeedZeroKeepsEveryPenguinInPlace) {
    RunAndMove(800, 600, 0, [&] {
        const TPoint start = Pos[0];
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(MoveFrom(start), start);
        }
    });
}

TEST_F(Motion, AbsurdSpeedsWrapWithoutUndefinedBehaviour) {
    for (int32_t speed : {-2147483647 - 1, -715827883, -1}) {
        RunAndMove(800, 600, speed, [&] {
            TPoint p{2147483600, 2147483600};
            for (int k = 0; k < 4; ++k) {
                p = MoveFrom(p);
            }
        });
    }
}

} // namespace
