// Build 2: the penguins rise Speed pixels per tick and come back at the bottom edge, at a
// pseudo-random horizontal place, once they have left through the top.
#include "platform/RunTimeRandom.h"
#include "platform/TBitmap.h"
#include "saver/Scene.h"
#include "saver/TForm1.h"
#include "saver/Wrap32.h"

namespace {

// Fixed pixels, not the frame width: the re-entry band and slot 2's start leave this margin.
constexpr int32_t kRightMargin = 100;

} // namespace

TPoint StartPosition(int slot, int32_t w, int32_t h) {
    const int64_t W = w, H = h;
    const int64_t table[kMaxPenguins][2] = {{W / 2, H},
                                            {0, 4 * H / 5},
                                            {W - kRightMargin, H / 5},
                                            {W / 4, 3 * H / 5},
                                            {3 * W / 4, 2 * H / 5}};
    return TPoint{int32_t(table[slot][0]), int32_t(table[slot][1])};
}

void TForm1::MovePenguins() {
    const int32_t fh = Sprites[0]->Height();
    const int32_t dy = Mul32(Speed, StepY);
    for (int32_t i = 0; i < PenguinCount; ++i) {
        OldPos[i] = Pos[i];
        Pos[i].y = Add32(Pos[i].y, dy);
        if (Add32(Pos[i].y, fh) < 0) {
            Pos[i].y = Height();
            const int32_t d = Width() - kRightMargin;
            Pos[i].x = d != 0 ? RunTimeRandom::Next() % d : 0;
        }
        NewRect[i] = PenguinRect(Pos[i]);
    }
}
