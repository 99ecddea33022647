#pragma once

// The program's entry point: takes the single-instance guard, then runs the mode that the first
// argument names. Returns 0 on every path.
int GlacimoMain();
