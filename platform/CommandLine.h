#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a Windows command line into arguments: runs of characters 1 to 32 separate arguments,
// double quotes group characters into one argument and are removed. Element 0 is the program.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);
