#pragma once

#include <cstdint>

// The settings as the saver window uses them: read from the build's settings file, then capped
// from above. Zero and negative values arrive unchanged.
struct SaverSettings {
    int32_t Speed;
    int32_t PenguinCount;
};

SaverSettings ReadSaverSettings();
