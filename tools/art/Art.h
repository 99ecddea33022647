#pragma once

#include "tools/art/Canvas.h"
#include "tools/art/Image.h"

#include <string>

// A sprite frame and its mask: mask 0 (black) where the penguin is and 1 elsewhere, the sprite
// index 0 wherever the mask is 1 and never index 0 where it is 0.
struct Frame {
    IndexImage sprite;
    IndexImage mask;
};

// Inclusive pixel limits that every frame's penguin stays within.
struct Limits {
    int left;
    int top;
    int right;
    int bottom;
};

// A pixel belongs to the penguin when at least half its samples are covered; its colour is then
// the mean of its samples, the uncovered ones counting with the canvas's background, which is
// the outline colour. Raises std::runtime_error when the penguin leaves the limits.
Frame FinishFrame(const Canvas& canvas, const Limits& limits, const char* name);

IndexImage DrawSky();
IndexImage DrawLogo(const std::string& fontDirectory);
Frame DrawSidePenguin(int frame);
Frame DrawFrontPenguin(int frame);
// colours holds icon palette indices, transparent 1 where the ground shows through.
void DrawIcon(IndexImage& colours, IndexImage& transparent);

// The point of the flipper stroke that frame 0..5 shows: 0 at frame 0, 1 at frame 5, slow at both
// ends as a wing beat turns there.
double StrokePhase(int frame);
