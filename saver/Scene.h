#pragma once

#include "platform/TBitmap.h"
#include "platform/Types.h"

#include <array>
#include <cstdint>
#include <memory>

// The animation's state. It exists once per process and lives beside the saver window rather than
// in it: the window adds only its timer and its handlers.
inline constexpr int kMaxPenguins = 5;
inline constexpr int kFrameCount = 6;

extern std::array<TPoint, kMaxPenguins> Pos;      // top-left corner of each penguin's sprite
extern std::array<TPoint, kMaxPenguins> OldPos;   // Pos before the last move
extern std::array<TRect, kMaxPenguins> NewRect;   // the sprite's rectangle at the new Pos
extern std::array<int32_t, kMaxPenguins> FrameNo; // frame drawn next, 0 to 5
extern std::array<uint8_t, kMaxPenguins> FrameUp; // 1 while FrameNo counts up

extern int32_t Speed;
extern int32_t PenguinCount; // at most kMaxPenguins; below 1 means no penguin at all
extern int32_t StepX, StepY;
extern TRect SpriteRect;
extern std::unique_ptr<TBitmap> BackBuffer;
extern std::array<std::unique_ptr<TBitmap>, kFrameCount> Sprites;
extern std::array<std::unique_ptr<TBitmap>, kFrameCount> Masks;
extern std::array<std::unique_ptr<TBitmap>, kMaxPenguins> SaveBitmaps;

// True while the back buffer holds the penguins, so that their save bitmaps hold what lies under
// them.
extern bool PenguinsInScene;

extern TPoint StartCursor; // the cursor position when the saver window was created

// Steps 6 to 13 of the saver window's creation: the back buffer of the given size with the
// background stretched over it and the logo in its middle, the frame tables, and one save bitmap
// per penguin in use.
void BuildScene(int32_t width, int32_t height);

// Frees every bitmap of the scene. Callers stop the timer first.
void ReleaseScene();

// The penguin rectangle at p: the size of the first sprite frame.
TRect PenguinRect(TPoint p);

// Puts the scene state back to its program-start values (for tests that run several windows in
// one process).
void ResetSceneState();
