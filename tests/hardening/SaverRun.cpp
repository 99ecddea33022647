#include "SaverRun.h"

#include "host/GlacimoMain.h"
#include "platform/RunTimeRandom.h"
#include "platform/TCanvas.h"
#include "platform/headless/Headless.h"
#include "saver/Scene.h"

#include <algorithm>

namespace {

SaverSettings current{3, 1};

} // namespace

// Takes the place of the settings file, so that a test sets what the saver reads without files.
SaverSettings ReadSaverSettings() {
    return current;
}

int RunSaver(int32_t width, int32_t height, SaverSettings settings,
             const std::function<void()>& inside) {
    headless::Reset(width, height);
    ResetSceneState();
    RunTimeRandom::Restart();
    current = settings;
    headless::PostCall(inside);
    return headless::RunProgram({GLACIMO_BUILD == 1 ? "Glacimo1.scr" : "Glacimo2.scr", "/s"},
                                &GlacimoMain);
}

void EraseInto(TBitmap& erased) {
    erased.Canvas()->CopyMode = SRCCOPY;
    erased.Canvas()->Draw(0, 0, BackBuffer.get());
    for (int32_t i = PenguinCount - 1; i >= 0; --i) {
        erased.Canvas()->CopyRect(PenguinRect(Pos[i]), SaveBitmaps[i]->Canvas(), SpriteRect);
    }
}

bool SameBitmap(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        return false;
    }
    for (int32_t y = 0; y < a.Height(); ++y) {
        if (!std::equal(a.ScanLine(y), a.ScanLine(y) + a.Width(), b.ScanLine(y))) {
            return false;
        }
    }
    return true;
}
