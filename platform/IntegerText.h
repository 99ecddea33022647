#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The integer syntax of settings values. Reading accepts the wider profile syntax: leading blanks
// (character 32), decimal with an optional sign within the 32-bit range, or hexadecimal after
// "$", "x", "X", "0x" or "0X" with at most 8 significant digits taken as the 32-bit pattern.
// Anything else is no number.
std::optional<int32_t> ParseProfileInteger(std::string_view text);

// Plain decimal: a minus sign for negative values, no leading zeros, no plus sign, no blanks.
std::string FormatProfileInteger(int32_t value);
