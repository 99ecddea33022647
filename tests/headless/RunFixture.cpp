#include "RunFixture.h"

#include "host/Build.h"
#include "host/GlacimoMain.h"
#include "platform/RunTimeRandom.h"
#include "saver/Scene.h"

#include <cstdlib>
#include <fstream>

void RunFixture::SetUp() {
    headless::Reset(1024, 768);
    ResetSceneState();
    RunTimeRandom::Restart();
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    settingsDir = std::filesystem::temp_directory_path() /
                  ("glacimo-test-" + std::to_string(::getpid()) + "-" + info->name());
    std::filesystem::remove_all(settingsDir);
    std::filesystem::create_directories(settingsDir);
    ::setenv("XDG_CONFIG_HOME", settingsDir.c_str(), 1);
}

void RunFixture::TearDown() {
    std::filesystem::remove_all(settingsDir);
}

int RunFixture::Run(std::vector<std::string> args) {
    args.insert(args.begin(),
                GLACIMO_BUILD == 1 ? "/opt/saver/Glacimo1.scr" : "/opt/saver/Glacimo2.scr");
    return headless::RunProgram(args, &GlacimoMain);
}

void RunFixture::WriteSettings(const std::string& content) {
    std::filesystem::create_directories(settingsDir / "glacimo");
    std::ofstream(settingsDir / "glacimo" / Build::SettingsFile, std::ios::binary) << content;
}

const char* RunFixture::BuildTitle() {
    return Build::Title;
}
const char* RunFixture::DefaultTitle() {
    return GLACIMO_BUILD == 1 ? "Glacimo1" : "Glacimo2";
}
