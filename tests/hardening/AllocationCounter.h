#pragma once

#include <cstdint>

// The number of global operator new calls so far in this process. The executable that links
// AllocationCounter.cpp replaces the global allocation functions to count them.
uint64_t Allocations();
