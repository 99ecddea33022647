#pragma once

#include <cstdint>

// The names and values of the two settings, shared by the saver window and the options dialog.
namespace SettingsNames {

inline constexpr char Section[] = "Glacimo";
inline constexpr char SpeedKey[] = "Speed";
inline constexpr char PenguinsKey[] = "Penguins";

// Read when the file, section or key is missing or the value is no number.
inline constexpr int32_t DefaultSpeed = 3;
inline constexpr int32_t DefaultPenguins = 1;

// The saver window's upper limits; there is no lower limit.
inline constexpr int32_t MaxSpeed = 6;
inline constexpr int32_t MaxPenguins = 5;

} // namespace SettingsNames
