#pragma once

// The constants that tell the two builds apart. Each deliverable links exactly one definition.
namespace Build {
extern const char Title[];        // application title in run mode
extern const char SettingsFile[]; // bare name of the settings file
} // namespace Build
