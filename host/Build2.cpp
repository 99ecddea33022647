#include "host/Build.h"

namespace Build {
const char Title[] = "Glacimo2";
const char SettingsFile[] = "Nivalo2.ini";
} // namespace Build
