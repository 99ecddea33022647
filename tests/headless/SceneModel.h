#pragma once

#include "platform/TBitmap.h"
#include "platform/Types.h"

#include <array>
#include <cstdint>
#include <memory>

// An independent model of what the saver shows: it composes the scene from the resources with
// plain pixel loops and moves the penguins by the rules written out again here, so that the
// program's frame cycle is checked against something it does not share code with.
class SceneModel {
public:
    SceneModel(int build, int32_t width, int32_t height, int32_t speed, int32_t count);

    // The screen after pass k: 0 is the first paint, k >= 1 the k-th tick.
    void ComposeScreen(TBitmap& out) const;
    void Advance();    // one tick: a move, then the next frames
    void NextFrames(); // one paint: the next frames without a move
    const TBitmap& Pristine() const { return pristine_; }
    TPoint Position(int i) const { return pos_[i]; }

private:
    void DrawPenguin(TBitmap& out, int i) const;
    int32_t NextRandom();

    int build_;
    int32_t width_, height_, speed_, count_;
    int pass_ = 0;
    int32_t frameW_ = 0, frameH_ = 0;
    uint64_t random_ = 0x015A4E36;
    std::array<TPoint, 5> pos_{};
    std::array<std::unique_ptr<TBitmap>, 6> sprites_, masks_;
    TBitmap pristine_;
};
