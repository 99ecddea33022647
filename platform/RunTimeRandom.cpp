#include "platform/RunTimeRandom.h"

namespace {

constexpr uint64_t kStartState = 0x015A4E36;
constexpr uint64_t kMultiplier = 0x0000015A00004E35;
uint64_t state = kStartState;

} // namespace

int32_t RunTimeRandom::Next() {
    state = state * kMultiplier + 1;
    return int32_t(uint32_t(state >> 32) & 0x7FFFFFFF);
}

void RunTimeRandom::Restart() {
    state = kStartState;
}
