#include "platform/Exception.h"
#include "platform/TIniFile.h"
#include "settings/tests/SettingsLocation.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

std::vector<std::string> NamesIn(const fs::path& directory) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string WriteError(TIniFile& ini) {
    try {
        ini.WriteInteger("Glacimo", "Speed", 4);
    } catch (const Exception& e) {
        return e.Message;
    }
    return "no error";
}

TEST(TIniFilePosixTest, KeepsEveryOtherByte) {
    SettingsLocation location;
    const std::string before = "\xEF\xBB\xBF; comment\r\n"
                               "[Other]\r\n"
                               "Speed = 1\r\n"
                               "\r\n"
                               "  [ glacimo ]  \n"
                               "Theme=winter\r"
                               "  speed  =  \"4\"   \r\n"
                               "penguins\r\n"
                               "\r\n"
                               "\r\n"
                               "[Last]\n"
                               "x=\x01\x02\xff";
    location.Put("Nivalo1.ini", before);
    TIniFile ini("Nivalo1.ini");
    ini.WriteInteger("Glacimo", "Speed", -12);
    ini.WriteInteger("Glacimo", "Penguins", 2);
    ini.WriteInteger("Added", "Speed", 6);
    const std::string after = "\xEF\xBB\xBF; comment\r\n"
                              "[Other]\r\n"
                              "Speed = 1\r\n"
                              "\r\n"
                              "  [ glacimo ]  \n"
                              "Theme=winter\r"
                              "  speed  =  -12   \r\n"
                              "penguins\r\n"
                              "Penguins=2\r\n"
                              "\r\n"
                              "\r\n"
                              "[Last]\n"
                              "x=\x01\x02\xff\r\n"
                              "[Added]\r\n"
                              "Speed=6\r\n";
    EXPECT_EQ(location.Get("Nivalo1.ini"), after);
}

TEST(TIniFilePosixTest, NewFileUsesLineFeedsInPrivateDirectory) {
    SettingsLocation location;
    fs::remove(location.Root());
    TIniFile ini("Nivalo2.ini");
    ini.WriteInteger("Glacimo", "Speed", 5);
    ini.WriteInteger("Glacimo", "Penguins", 1);
    EXPECT_EQ(location.Get("Nivalo2.ini"), "[Glacimo]\nSpeed=5\nPenguins=1\n");
    EXPECT_EQ(ModeOf(location.Directory()), 0700u);
    EXPECT_EQ(NamesIn(location.Directory()), std::vector<std::string>{"Nivalo2.ini"});
}

TEST(TIniFilePosixTest, KeepsPermissionBitsOfOldFile) {
    SettingsLocation location;
    location.Put("Nivalo1.ini", "[Glacimo]\nSpeed=2\n");
    fs::permissions(location.PathOf("Nivalo1.ini"), static_cast<fs::perms>(0640));
    TIniFile("Nivalo1.ini").WriteInteger("Glacimo", "Speed", 3);
    EXPECT_EQ(ModeOf(location.PathOf("Nivalo1.ini")), 0640u);
}

TEST(TIniFilePosixTest, FallsBackToHomeWhenConfigHomeIsNotAbsolute) {
    SettingsLocation location;
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", location.Root().c_str(), 1);
    for (const char* configHome : {"", "relative/dir"}) {
        setenv("XDG_CONFIG_HOME", configHome, 1);
        TIniFile("Nivalo1.ini").WriteInteger("Glacimo", "Speed", 2);
        EXPECT_TRUE(fs::exists(location.Root() / ".config/glacimo/Nivalo1.ini")) << configHome;
        EXPECT_FALSE(fs::exists("relative"));
    }
    setenv("HOME", oldHome.c_str(), 1);
}

TEST(TIniFilePosixTest, ConfigHomeBelowRegularFileGivesWriteError) {
    SettingsLocation location;
    const fs::path blocker = location.Root() / "blocker";
    location.Put("../blocker", "not a directory");
    setenv("XDG_CONFIG_HOME", (blocker / "config").c_str(), 1);
    TIniFile ini("Nivalo1.ini");
    EXPECT_EQ(ini.ReadInteger("Glacimo", "Speed", 3), 3);
    EXPECT_EQ(WriteError(ini), "Nivalo1.ini に書き込めません");
    EXPECT_TRUE(fs::is_regular_file(blocker));
}

// A write that fails half-way (the file size limit stops it) leaves the old file whole and no
// temporary file behind. The limit is set in a child process so that the test runner keeps its own.
TEST(TIniFilePosixTest, FailedWriteLeavesOldFileWhole) {
    SettingsLocation location;
    const std::string old = "[Glacimo]\nSpeed=2\n; " + std::string(4000, 'x') + "\n";
    location.Put("Nivalo1.ini", old);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        TIniFile ini("Nivalo1.ini");
        _exit(WriteError(ini) == "Nivalo1.ini に書き込めません" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(location.Get("Nivalo1.ini"), old);
    EXPECT_EQ(NamesIn(location.Directory()), std::vector<std::string>{"Nivalo1.ini"});
}

TEST(TIniFilePosixTest, FileWithoutReadPermissionReadsAsMissingAndIsNotOverwritten) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    SettingsLocation location;
    location.Put("Nivalo1.ini", "[Glacimo]\nSpeed=5\n");
    fs::permissions(location.PathOf("Nivalo1.ini"), fs::perms::none);
    TIniFile ini("Nivalo1.ini");
    EXPECT_EQ(ini.ReadInteger("Glacimo", "Speed", 3), 3);
    EXPECT_EQ(WriteError(ini), "Nivalo1.ini に書き込めません");
    fs::permissions(location.PathOf("Nivalo1.ini"), fs::perms::owner_read);
    EXPECT_EQ(location.Get("Nivalo1.ini"), "[Glacimo]\nSpeed=5\n");
}

TEST(TIniFilePosixTest, NameThatIsNotBareIsNeverUsed) {
    SettingsLocation location;
    location.Put("Nivalo1.ini", "[Glacimo]\nSpeed=5\n");
    TIniFile ini("../glacimo/Nivalo1.ini");
    EXPECT_EQ(ini.ReadInteger("Glacimo", "Speed", 3), 3);
    EXPECT_EQ(WriteError(ini), "../glacimo/Nivalo1.ini に書き込めません");
}

} // namespace
