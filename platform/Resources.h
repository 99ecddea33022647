#pragma once

#include <cstdint>
#include <span>

namespace Resources {

// The stored bytes of the program's bitmap resource of this name, as a Windows bitmap resource
// holds them (a DIB without the 14-byte file header); empty when there is no such resource.
std::span<const uint8_t> FindBitmap(const char* name);

} // namespace Resources
