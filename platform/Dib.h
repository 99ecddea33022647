#pragma once

#include <cstdint>
#include <span>

class TBitmap;

// Decodes a DIB without file header (BITMAPINFOHEADER, colour table, rows bottom-up) into bitmap,
// 8-bit pixels through the colour table and 1-bit pixels through their two entries. Raises
// Exception naming name when the data is malformed.
void DecodeDib(std::span<const uint8_t> dib, TBitmap& bitmap, const char* name);
