#pragma once

#include "platform/TBitmap.h"
#include "settings/SaverSettings.h"

#include <cstdint>
#include <functional>

// Runs the saver of the build under test on a fresh headless machine of the given size, with
// these settings in place of the settings file. inside runs once, inside the message loop, right
// after the first paint; the program then ends when the queue runs dry. Returns the exit code.
int RunSaver(int32_t width, int32_t height, SaverSettings settings,
             const std::function<void()>& inside);

// The back buffer with every save bitmap put back, highest index first, into erased (which the
// caller sizes once, so that no check allocates).
void EraseInto(TBitmap& erased);

bool SameBitmap(const TBitmap& a, const TBitmap& b);
