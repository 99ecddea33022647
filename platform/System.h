#pragma once

#include "platform/Types.h"

#include <string>
#include <vector>

// Services of the operating system that the program uses directly.
namespace System {

enum class GuardResult { Created, AlreadyExists, Failed };

// Creates the named system-wide guard object (initial and maximum count 1) and holds it until the
// process ends, however it ends. Only its existence is tested; it is never waited on or released.
GuardResult CreateGuard(const char* name);

// True when a top-level window of this class name exists, with any title.
bool FindWindowByClass(const char* className);

// The system's default beep.
void Beep();

// The primary display's size in pixels, as (width, height).
TPoint PrimaryScreenSize();

// The mouse cursor's position in screen coordinates.
TPoint GetCursorPos();

// Upper-cases text by the system's ANSI rules.
std::string AnsiUpperCase(std::string text);

// The program's arguments; element 0 is the program's own path.
std::vector<std::string> ParamStrs();

} // namespace System
