#pragma once

#include "platform/headless/Headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// A fresh machine for every test: a headless screen, a settings directory of the test's own, and
// the animation's state at its program-start values.
class RunFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the program with these arguments after the program's own path; returns the exit code.
    int Run(std::vector<std::string> args);
    // Writes the build's settings file.
    void WriteSettings(const std::string& content);

    static const char* BuildTitle();   // run-mode title of the build under test
    static const char* DefaultTitle(); // title derived from the program's path
    std::filesystem::path settingsDir;
};
