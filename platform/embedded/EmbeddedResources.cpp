#include "platform/Resources.h"

#include "platform/embedded/EmbeddedResource.h"

#include <cstring>

std::span<const uint8_t> Resources::FindBitmap(const char* name) {
    if (name == nullptr)
        return {};
    for (size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        const EmbeddedResource& r = kEmbeddedResources[i];
        if (std::strcmp(r.name, name) == 0)
            return {r.data, r.size};
    }
    return {};
}
