#include "settings/SaverSettings.h"

#include "host/Build.h"
#include "platform/TIniFile.h"
#include "settings/SettingsNames.h"

#include <algorithm>

namespace {

SaverSettings ReadStored() {
    const TIniFile ini(Build::SettingsFile);
    const int32_t speed = ini.ReadInteger(SettingsNames::Section, SettingsNames::SpeedKey,
                                          SettingsNames::DefaultSpeed);
    const int32_t penguins = ini.ReadInteger(SettingsNames::Section, SettingsNames::PenguinsKey,
                                             SettingsNames::DefaultPenguins);
    return {speed, penguins};
}

} // namespace

SaverSettings ReadSaverSettings() {
    SaverSettings settings = ReadStored();
    settings.Speed = std::min(settings.Speed, SettingsNames::MaxSpeed);
    settings.PenguinCount = std::min(settings.PenguinCount, SettingsNames::MaxPenguins);
    return settings;
}
