#include "settings/SaverSettings.h"
#include "host/Build.h"
#include "settings/tests/SettingsLocation.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct SaverCase {
    const char* Name;
    std::optional<std::string> File; // nothing: no settings file at all
    int32_t Speed;
    int32_t PenguinCount;
};

class SaverSettingsTest : public testing::TestWithParam<SaverCase> {};

TEST_P(SaverSettingsTest, ReadsAndCapsFromAbove) {
    const SaverCase& c = GetParam();
    SettingsLocation location;
    if (c.File) {
        location.Put(Build::SettingsFile, *c.File);
    }
    const SaverSettings settings = ReadSaverSettings();
    EXPECT_EQ(settings.Speed, c.Speed);
    EXPECT_EQ(settings.PenguinCount, c.PenguinCount);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaverSettingsTest,
    testing::Values(SaverCase{"NoFile", std::nullopt, 3, 1},
                    SaverCase{"NoSection", "[Other]\nSpeed=5\nPenguins=4\n", 3, 1},
                    SaverCase{"AtLimits", "[Glacimo]\nSpeed=6\nPenguins=5\n", 6, 5},
                    SaverCase{"AboveLimits", "[Glacimo]\nSpeed=9\nPenguins=7\n", 6, 5},
                    SaverCase{"HighestInteger", "[Glacimo]\nSpeed=2147483647\n", 6, 1},
                    SaverCase{"NoLowerLimit", "[Glacimo]\nSpeed=0\nPenguins=-2\n", 0, -2},
                    SaverCase{"Lowest", "[Glacimo]\nSpeed=-2147483648\n", INT32_MIN, 1},
                    SaverCase{"Hex", "[glacimo]\nspeed=$2\npenguins=0x4\n", 2, 4},
                    SaverCase{"NotNumbers", "[Glacimo]\nSpeed=fast\nPenguins=\n", 3, 1}),
    [](const testing::TestParamInfo<SaverCase>& param) { return std::string(param.param.Name); });

TEST(SaverSettingsFileTest, OtherBuildsFileIsNotSeen) {
    ASSERT_STREQ(Build::SettingsFile, "Nivalo1.ini");
    SettingsLocation location;
    location.Put("Nivalo2.ini", "[Glacimo]\nSpeed=5\nPenguins=4\n");
    const SaverSettings settings = ReadSaverSettings();
    EXPECT_EQ(settings.Speed, 3);
    EXPECT_EQ(settings.PenguinCount, 1);
}

} // namespace
