#include "host/Build.h"

namespace Build {
const char Title[] = "Glacimo";
const char SettingsFile[] = "Nivalo1.ini";
} // namespace Build
