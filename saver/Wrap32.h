#pragma once

#include <cstdint>

// 32-bit two's-complement arithmetic without undefined behaviour: a hand-edited speed can take the
// motion far outside the screen, and the coordinates then wrap as the machine's registers do.
inline int32_t Add32(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) + uint32_t(b));
}
inline int32_t Mul32(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) * uint32_t(b));
}
