#include "saver/Scene.h"

#include "platform/TCanvas.h"
#include "saver/Wrap32.h"

std::array<TPoint, kMaxPenguins> Pos;
std::array<TPoint, kMaxPenguins> OldPos;
std::array<TRect, kMaxPenguins> NewRect;
std::array<int32_t, kMaxPenguins> FrameNo;
std::array<uint8_t, kMaxPenguins> FrameUp = {1, 0, 1, 0, 1};
int32_t Speed = 0;
int32_t PenguinCount = 0;
int32_t StepX = 0, StepY = 0;
TRect SpriteRect;
std::unique_ptr<TBitmap> BackBuffer;
std::array<std::unique_ptr<TBitmap>, kFrameCount> Sprites;
std::array<std::unique_ptr<TBitmap>, kFrameCount> Masks;
std::array<std::unique_ptr<TBitmap>, kMaxPenguins> SaveBitmaps;
bool PenguinsInScene = false;
TPoint StartCursor;

namespace {

constexpr int32_t kLogoWidth = 360;
constexpr int32_t kLogoHeight = 140;
const char* const kSpriteNames[kFrameCount] = {"P0", "P1", "P2", "P3", "P4", "P5"};
const char* const kMaskNames[kFrameCount] = {"M0", "M1", "M2", "M3", "M4", "M5"};

void LoadFrames() {
    for (int i = 0; i < kFrameCount; ++i) {
        Sprites[i] = std::make_unique<TBitmap>();
        Masks[i] = std::make_unique<TBitmap>();
    }
    for (int i = 0; i < kFrameCount; ++i) {
        Sprites[i]->LoadFromResourceName(kSpriteNames[i]);
        Masks[i]->LoadFromResourceName(kMaskNames[i]);
    }
    SpriteRect = TRect{0, 0, Sprites[0]->Width(), Sprites[0]->Height()};
}

// Background and logo go through the first save bitmap; without any penguin a bitmap of its own
// takes that part.
void ComposeBackground(TBitmap& staging) {
    TCanvas* back = BackBuffer->Canvas();
    staging.LoadFromResourceName("BACK");
    back->StretchDraw(TRect{0, 0, BackBuffer->Width(), BackBuffer->Height()}, &staging);
    staging.LoadFromResourceName("LOGO");
    const int32_t left = (BackBuffer->Width() - kLogoWidth) / 2;
    const int32_t top = (BackBuffer->Height() - kLogoHeight) / 2;
    back->CopyRect(TRect{left, top, left + kLogoWidth, top + kLogoHeight}, staging.Canvas(),
                   TRect{0, 0, kLogoWidth, kLogoHeight});
}

} // namespace

void BuildScene(int32_t width, int32_t height) {
    BackBuffer = std::make_unique<TBitmap>();
    BackBuffer->SetWidth(width);
    BackBuffer->SetHeight(height);
    for (int32_t i = 0; i < PenguinCount; ++i) {
        SaveBitmaps[i] = std::make_unique<TBitmap>();
    }
    LoadFrames();
    if (PenguinCount >= 1) {
        ComposeBackground(*SaveBitmaps[0]);
    } else {
        TBitmap staging;
        ComposeBackground(staging);
    }
    for (int32_t i = 0; i < PenguinCount; ++i) {
        SaveBitmaps[i]->SetWidth(Sprites[0]->Width());
        SaveBitmaps[i]->SetHeight(Sprites[0]->Height());
    }
}

void ReleaseScene() {
    for (int i = 0; i < kFrameCount; ++i) {
        Sprites[i].reset();
        Masks[i].reset();
    }
    for (auto& save : SaveBitmaps) {
        save.reset();
    }
    BackBuffer.reset();
    PenguinsInScene = false;
}

TRect PenguinRect(TPoint p) {
    const int32_t w = Sprites[0]->Width();
    const int32_t h = Sprites[0]->Height();
    return TRect{p.x, p.y, Add32(p.x, w), Add32(p.y, h)};
}

void ResetSceneState() {
    ReleaseScene();
    Pos = {};
    OldPos = {};
    NewRect = {};
    FrameNo = {};
    FrameUp = {1, 0, 1, 0, 1};
    Speed = PenguinCount = StepX = StepY = 0;
    SpriteRect = TRect{};
    StartCursor = TPoint{};
}
