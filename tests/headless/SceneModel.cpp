#include "SceneModel.h"

#include "platform/TCanvas.h"

#include <algorithm>

namespace {

// The frames drawn by successive passes: each end frame twice, a period of 12.
constexpr int kCycle[12] = {0, 1, 2, 3, 4, 5, 5, 4, 3, 2, 1, 0};
// Where each slot's first pass enters that cycle.
constexpr int kCycleStart[5] = {0, 6, 2, 8, 4};

int32_t Wrap(int64_t v) {
    return int32_t(uint32_t(uint64_t(v)));
}

} // namespace

SceneModel::SceneModel(int build, int32_t width, int32_t height, int32_t speed, int32_t count)
    : build_(build), width_(width), height_(height), speed_(speed), count_(std::min(count, 5)) {
    for (int i = 0; i < 6; ++i) {
        sprites_[i] = std::make_unique<TBitmap>();
        masks_[i] = std::make_unique<TBitmap>();
        const char sprite[3] = {'P', char('0' + i), 0};
        const char mask[3] = {'M', char('0' + i), 0};
        sprites_[i]->LoadFromResourceName(sprite);
        masks_[i]->LoadFromResourceName(mask);
    }
    frameW_ = sprites_[0]->Width();
    frameH_ = sprites_[0]->Height();

    TBitmap back, logo;
    back.LoadFromResourceName("BACK");
    logo.LoadFromResourceName("LOGO");
    pristine_.SetSize(width, height);
    pristine_.Canvas()->StretchDraw(Rect(0, 0, width, height), &back);
    const int32_t left = (width - 360) / 2, top = (height - 140) / 2;
    for (int32_t y = 0; y < 140; ++y) {
        for (int32_t x = 0; x < 360; ++x) {
            const int32_t px = left + x, py = top + y;
            if (px >= 0 && py >= 0 && px < width && py < height) {
                pristine_.SetPixel(px, py, logo.Pixel(x, y));
            }
        }
    }

    const int64_t W = width, H = height;
    const int64_t start1[5][2] = {{3 * W / 2, H},
                                  {W / 5, 4 * H / 5},
                                  {4 * W / 5, 2 * H / 5},
                                  {2 * W / 5, 3 * H / 5},
                                  {W, H / 5}};
    const int64_t start2[5][2] = {
        {W / 2, H}, {0, 4 * H / 5}, {W - 100, H / 5}, {W / 4, 3 * H / 5}, {3 * W / 4, 2 * H / 5}};
    for (int i = 0; i < 5; ++i) {
        const auto& s = build == 1 ? start1[i] : start2[i];
        pos_[i] = TPoint{int32_t(s[0]), int32_t(s[1])};
    }
}

int32_t SceneModel::NextRandom() {
    random_ = random_ * 0x0000015A00004E35ull + 1;
    return int32_t((random_ >> 32) & 0x7FFFFFFF);
}

void SceneModel::NextFrames() {
    ++pass_;
}

void SceneModel::Advance() {
    ++pass_;
    for (int i = 0; i < count_; ++i) {
        TPoint& p = pos_[i];
        if (build_ == 1) {
            p.x = Wrap(int64_t(p.x) - 3 * int64_t(speed_));
            p.y = Wrap(int64_t(p.y) - speed_);
            if (int64_t(p.x) + frameW_ < 0) {
                p.x = width_;
            }
            if (int64_t(p.y) + frameH_ < 0) {
                p.y = height_;
            }
        } else {
            p.y = Wrap(int64_t(p.y) - speed_);
            if (int64_t(p.y) + frameH_ < 0) {
                p.y = height_;
                const int32_t d = width_ - 100;
                p.x = d == 0 ? 0 : NextRandom() % d;
            }
        }
    }
}

void SceneModel::DrawPenguin(TBitmap& out, int i) const {
    const int frame = kCycle[(kCycleStart[i] + pass_) % 12];
    const TBitmap& sprite = *sprites_[frame];
    const TBitmap& mask = *masks_[frame];
    for (int32_t y = 0; y < frameH_; ++y) {
        const int64_t py = int64_t(pos_[i].y) + y;
        if (py < 0 || py >= out.Height()) {
            continue;
        }
        for (int32_t x = 0; x < frameW_; ++x) {
            const int64_t px = int64_t(pos_[i].x) + x;
            if (px < 0 || px >= out.Width()) {
                continue;
            }
            const uint32_t under = out.Pixel(int32_t(px), int32_t(py));
            out.SetPixel(int32_t(px), int32_t(py), (under & mask.Pixel(x, y)) | sprite.Pixel(x, y));
        }
    }
}

void SceneModel::ComposeScreen(TBitmap& out) const {
    out.SetSize(width_, height_);
    for (int32_t y = 0; y < height_; ++y) {
        std::copy(pristine_.ScanLine(y), pristine_.ScanLine(y) + width_, out.ScanLine(y));
    }
    for (int i = 0; i < count_; ++i) {
        DrawPenguin(out, i);
    }
}
