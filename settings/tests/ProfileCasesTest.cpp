#include "settings/tests/ProfileCases.h"
#include "platform/TIniFile.h"
#include "settings/tests/SettingsLocation.h"

#include <gtest/gtest.h>

namespace {

class ProfileCaseTest : public testing::TestWithParam<ProfileCase> {};

// Each case has a file of its own, so that no cache of the profile functions can mix them up.
std::string FileNameOf(const ProfileCase& c) {
    return std::string("Case") + c.Name + ".ini";
}

TEST_P(ProfileCaseTest, ReadsIntegerAsTheProfileFunctionsDo) {
    const ProfileCase& c = GetParam();
    SettingsLocation location;
    location.Put(FileNameOf(c), c.File);
#ifdef _WIN32
    const int32_t expected = c.Wine.value_or(c.Expected);
#else
    const int32_t expected = c.Expected;
#endif
    EXPECT_EQ(TIniFile(FileNameOf(c)).ReadInteger(c.Section, c.Key, c.Default), expected) << c.Note;
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileCaseTest, testing::ValuesIn(ProfileCases()),
                         [](const testing::TestParamInfo<ProfileCase>& param) {
                             return std::string(param.param.Name);
                         });

TEST(ProfileCaseTest, MissingFileGivesDefault) {
    SettingsLocation location;
    EXPECT_EQ(TIniFile("CaseMissing.ini").ReadInteger("Glacimo", "Speed", 3), 3);
    EXPECT_EQ(TIniFile("CaseMissing.ini").ReadInteger("Glacimo", "Speed", -7), -7);
}

} // namespace
