#pragma once

#include <cstdint>

// The run-time library's pseudo-random generator: a 64-bit linear congruential state that starts
// where the run time's own start-up seeding leaves it. The program never seeds it, so every run
// draws the same sequence. One state per process; only the GUI thread draws.
namespace RunTimeRandom {

// The next value, 0 to 2147483647.
int32_t Next();

// Puts the state back to its value at program start.
void Restart();

} // namespace RunTimeRandom
