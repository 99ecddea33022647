#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class Mode { Run, Configure, Preview, Password, None };

// The first argument upper-cased and cut to two characters; empty without an argument. Later
// arguments, such as the window handle after a preview switch, do not count.
std::string ModeKey(const std::vector<std::string>& params);

// "/S" or "-S" run, "/C" or "-C" configure, "/P" or "-P" preview, "/A" or "-A" password;
// anything else, the empty key included, is no mode.
Mode ModeFromKey(std::string_view key);
