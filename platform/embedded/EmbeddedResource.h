#pragma once

#include <cstddef>
#include <cstdint>

// One bitmap resource compiled into the program: its name and its bytes as a Windows bitmap
// resource holds them (a DIB without the 14-byte file header).
struct EmbeddedResource {
    const char* name;
    const uint8_t* data;
    size_t size;
};

// The table of the build's pictures, generated from the .bmp files in assets/.
extern const EmbeddedResource kEmbeddedResources[];
extern const size_t kEmbeddedResourceCount;
