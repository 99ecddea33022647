#include "platform/TIniFile.h"
#include "platform/Exception.h"
#include "settings/tests/SettingsLocation.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char Unrelated[] = "; settings of other programs\r\n"
                         "[Other]\r\n"
                         "Speed=1\r\n"
                         "Colour=blue green\r\n"
                         "\r\n"
                         "[Glacimo]\r\n"
                         "Theme=winter\r\n"
                         "Speed=4\r\n"
                         "Extra = \"quoted\"\r\n"
                         "\r\n"
                         "[Last]\r\n"
                         "Penguins=9\r\n";

TEST(TIniFileTest, WritesIntoMissingFileAndReadsBack) {
    SettingsLocation location;
    TIniFile ini("Nivalo1.ini");
    ini.WriteInteger("Glacimo", "Speed", 5);
    ini.WriteInteger("Glacimo", "Penguins", INT32_MIN);
    EXPECT_TRUE(location.Get("Nivalo1.ini").has_value());
    const TIniFile again("Nivalo1.ini");
    EXPECT_EQ(again.ReadInteger("Glacimo", "Speed", 3), 5);
    EXPECT_EQ(again.ReadInteger("Glacimo", "Penguins", 1), INT32_MIN);
    EXPECT_EQ(again.ReadString("Glacimo", "Penguins", ""), "-2147483648");
}

TEST(TIniFileTest, ReplacesValueAndKeepsOtherContent) {
    SettingsLocation location;
    location.Put("Nivalo1.ini", Unrelated);
    TIniFile ini("Nivalo1.ini");
    ini.WriteInteger("glacimo", "SPEED", 6);
    EXPECT_EQ(ini.ReadInteger("Glacimo", "Speed", 3), 6);
    EXPECT_EQ(ini.ReadInteger("Other", "Speed", 3), 1);
    EXPECT_EQ(ini.ReadString("Other", "Colour", ""), "blue green");
    EXPECT_EQ(ini.ReadString("Glacimo", "Theme", ""), "winter");
    EXPECT_EQ(ini.ReadString("Glacimo", "Extra", ""), "quoted");
    EXPECT_EQ(ini.ReadInteger("Last", "Penguins", 1), 9);
}

TEST(TIniFileTest, AddsMissingKeyAndSection) {
    SettingsLocation location;
    location.Put("Nivalo1.ini", Unrelated);
    TIniFile ini("Nivalo1.ini");
    ini.WriteInteger("Glacimo", "Penguins", 2);
    ini.WriteInteger("New", "Speed", -3);
    EXPECT_EQ(ini.ReadInteger("Glacimo", "Penguins", 1), 2);
    EXPECT_EQ(ini.ReadInteger("Glacimo", "Speed", 3), 4);
    EXPECT_EQ(ini.ReadInteger("New", "Speed", 3), -3);
    EXPECT_EQ(ini.ReadInteger("Last", "Penguins", 1), 9);
}

TEST(TIniFileTest, BuildsDoNotShareFiles) {
    SettingsLocation location;
    location.Put("Nivalo2.ini", "[Glacimo]\nSpeed=5\n");
    EXPECT_EQ(TIniFile("Nivalo1.ini").ReadInteger("Glacimo", "Speed", 3), 3);
    TIniFile("Nivalo1.ini").WriteInteger("Glacimo", "Speed", 1);
    EXPECT_EQ(location.Get("Nivalo2.ini"), "[Glacimo]\nSpeed=5\n");
    EXPECT_EQ(TIniFile("Nivalo2.ini").ReadInteger("Glacimo", "Speed", 3), 5);
}

TEST(TIniFileTest, ReadingCreatesNothing) {
    SettingsLocation location;
    EXPECT_EQ(TIniFile("Nivalo1.ini").ReadInteger("Glacimo", "Speed", 3), 3);
    EXPECT_EQ(TIniFile("Nivalo1.ini").ReadString("Glacimo", "Speed", "none"), "none");
    EXPECT_FALSE(fs::exists(location.PathOf("Nivalo1.ini")));
#ifndef _WIN32
    EXPECT_FALSE(fs::exists(location.Directory()));
#endif
}

// A directory where the file should be: unreadable, so it reads as missing, and unwritable.
TEST(TIniFileTest, DirectoryInPlaceOfFileReadsAsMissingAndFailsToWrite) {
    SettingsLocation location;
    const fs::path path = location.PathOf("Nivalo2.ini");
    fs::create_directories(path / "inside");
    TIniFile ini("Nivalo2.ini");
    EXPECT_EQ(ini.ReadInteger("Glacimo", "Speed", 3), 3);
    try {
        ini.WriteInteger("Glacimo", "Speed", 4);
        ADD_FAILURE() << "no write error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Nivalo2.ini に書き込めません");
    }
    EXPECT_TRUE(fs::is_directory(path / "inside"));
}

} // namespace
