// Build 1: the penguins drift together, 3 x Speed pixels left and Speed pixels up per tick; each
// axis wraps to the opposite edge on its own.
#include "platform/TBitmap.h"
#include "saver/Scene.h"
#include "saver/TForm1.h"
#include "saver/Wrap32.h"

TPoint StartPosition(int slot, int32_t w, int32_t h) {
    // Products first, then the truncating division; in 64 bits, so no screen size overflows.
    const int64_t W = w, H = h;
    const int64_t table[kMaxPenguins][2] = {{3 * W / 2, H},
                                            {W / 5, 4 * H / 5},
                                            {4 * W / 5, 2 * H / 5},
                                            {2 * W / 5, 3 * H / 5},
                                            {W, H / 5}};
    return TPoint{int32_t(table[slot][0]), int32_t(table[slot][1])};
}

void TForm1::MovePenguins() {
    const int32_t fw = Sprites[0]->Width();
    const int32_t fh = Sprites[0]->Height();
    const int32_t dx = Mul32(Speed, StepX);
    const int32_t dy = Mul32(Speed, StepY);
    for (int32_t i = 0; i < PenguinCount; ++i) {
        OldPos[i] = Pos[i];
        Pos[i].x = Add32(Pos[i].x, dx);
        Pos[i].y = Add32(Pos[i].y, dy);
        if (Add32(Pos[i].x, fw) < 0) {
            Pos[i].x = Width();
        }
        if (Add32(Pos[i].y, fh) < 0) {
            Pos[i].y = Height();
        }
        NewRect[i] = PenguinRect(Pos[i]);
    }
}
