// The frame cycle: the penguins are taken out of the back buffer by restoring what lay under
// them, moved, saved and drawn again through their masks, and only their rectangles go to the
// window. The window never sees a half-drawn state.
#include "platform/TBitmap.h"
#include "platform/TCanvas.h"
#include "saver/Scene.h"
#include "saver/TForm1.h"

namespace {

constexpr int32_t kLastFrame = kFrameCount - 1;

void AdvanceFrame(int32_t i) {
    if (FrameUp[i] != 0) {
        if (++FrameNo[i] > kLastFrame) {
            FrameUp[i] = 0;
            FrameNo[i] = kLastFrame;
        }
    } else if (--FrameNo[i] < 0) {
        FrameUp[i] = 1;
        FrameNo[i] = 0;
    }
}

} // namespace

void TForm1::FormPaint(TObject*) {
    // A paint after the first finds the penguins already in the back buffer; taking them out
    // first keeps every save bitmap free of its own penguin.
    if (PenguinsInScene) {
        ErasePenguins();
    }
    Canvas()->Draw(0, 0, BackBuffer.get());
    DrawPenguins();
    PresentPenguins();
}

void TForm1::Timer1Timer(TObject*) {
    ErasePenguins();
    MovePenguins();
    DrawPenguins();
    PresentPenguins();
}

// Restores in descending order, the reverse of drawing, so that where penguins overlap each save
// bitmap goes back over exactly the state it was taken from.
void TForm1::ErasePenguins() {
    TCanvas* back = BackBuffer->Canvas();
    for (int32_t i = PenguinCount - 1; i >= 0; --i) {
        back->CopyMode = SRCCOPY;
        back->CopyRect(PenguinRect(Pos[i]), SaveBitmaps[i]->Canvas(), SpriteRect);
    }
    PenguinsInScene = false;
}

void TForm1::DrawPenguins() {
    TCanvas* back = BackBuffer->Canvas();
    for (int32_t i = 0; i < PenguinCount; ++i) {
        const TRect r = PenguinRect(Pos[i]);
        SaveBitmaps[i]->Canvas()->CopyRect(SpriteRect, back, r);
        back->CopyMode = SRCAND;
        back->CopyRect(r, Masks[FrameNo[i]]->Canvas(), SpriteRect);
        back->CopyMode = SRCPAINT;
        back->CopyRect(r, Sprites[FrameNo[i]]->Canvas(), SpriteRect);
        AdvanceFrame(i);
        PenguinsInScene = true;
    }
}

void TForm1::PresentPenguins() {
    TCanvas* window = Canvas();
    TCanvas* back = BackBuffer->Canvas();
    for (int32_t i = 0; i < PenguinCount; ++i) {
        const TRect old = PenguinRect(OldPos[i]);
        window->CopyRect(old, back, old);
        window->CopyRect(NewRect[i], back, NewRect[i]);
    }
}

void TForm1::PlacePenguins() {
    StepX = -3;
    StepY = -1;
    Timer1->SetEnabled(true);
    FrameNo = {0, 5, 2, 3, 4};
    for (int slot = 0; slot < kMaxPenguins; ++slot) {
        Pos[slot] = StartPosition(slot, Width(), Height());
        OldPos[slot] = Pos[slot];
    }
}
