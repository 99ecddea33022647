#include <windows.h>

#include "platform/Resources.h"

std::span<const uint8_t> Resources::FindBitmap(const char* name) {
    HRSRC info = FindResourceA(nullptr, name, RT_BITMAP);
    if (info == nullptr)
        return {};
    HGLOBAL handle = LoadResource(nullptr, info);
    if (handle == nullptr)
        return {};
    const void* data = LockResource(handle);
    const DWORD size = SizeofResource(nullptr, info);
    if (data == nullptr || size == 0)
        return {};
    return {static_cast<const uint8_t*>(data), size_t(size)};
}
