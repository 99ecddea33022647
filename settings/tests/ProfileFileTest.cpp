#include "platform/ProfileFile.h"
#include "platform/IntegerText.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

std::optional<std::string> Speed(const std::string& file) {
    return ProfileFile::ReadValue(file, "Glacimo", "Speed");
}

std::string SetSpeed(const std::string& file, const std::string& value) {
    return ProfileFile::WriteValue(file, "Glacimo", "Speed", value);
}

TEST(ProfileFileTest, ReadsTrimmedUnquotedText) {
    EXPECT_EQ(Speed("[Glacimo]\nSpeed= \t'a b' \n"), "a b");
    EXPECT_EQ(Speed("[Glacimo]\nSpeed=\"\"\n"), "");
    EXPECT_EQ(Speed("[Glacimo]\nSpeed=\"\n"), "\"");
    EXPECT_EQ(Speed("[Glacimo]\nSpeed=\"a\"b\"\n"), "a\"b");
    EXPECT_EQ(Speed("[Glacimo]\nSpeed=\n"), "");
    EXPECT_EQ(Speed("[Glacimo]\nSpeed\n"), std::nullopt);
    EXPECT_EQ(Speed("[Glacimo]\nSpeed\0X=4\n"s), "4");
    EXPECT_EQ(Speed("[Glacimo\0X]\nSpeed=4\n"s), "4");
}

TEST(ProfileFileTest, CutsLongValuesAsTheWindowsBufferDoes) {
    const std::string longValue(5000, '7');
    EXPECT_EQ(Speed("[Glacimo]\nSpeed=" + longValue + "\n"), longValue.substr(0, 2047));
    EXPECT_EQ(Speed("[Glacimo]\nSpeed=\"" + longValue + "\"\n"), longValue.substr(0, 2047));
}

TEST(ProfileFileTest, SurvivesHugeAndBinaryInput) {
    const std::string hugeLine(10 * 1024 * 1024, 'x');
    EXPECT_EQ(Speed(hugeLine), std::nullopt);
    EXPECT_EQ(Speed("[Glacimo]\n" + hugeLine + "\nSpeed=5"), "5");
    EXPECT_EQ(Speed("[Glacimo]\nSpeed=" + hugeLine).value().size(), 2047u);
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 131) % 256));
    }
    EXPECT_NO_THROW(Speed(binary));
    const std::string written = SetSpeed(binary, "5");
    EXPECT_EQ(Speed(written), "5");
    EXPECT_EQ(written.substr(0, binary.size()), binary);
}

TEST(ProfileFileTest, ReplacesOnlyTheValue) {
    EXPECT_EQ(SetSpeed("[Glacimo]\r\n  SPEED =  '4' \r\nx=1", "5"),
              "[Glacimo]\r\n  SPEED =  5 \r\nx=1");
    EXPECT_EQ(SetSpeed("[Glacimo]\nSpeed=\nSpeed=2\n", "5"), "[Glacimo]\nSpeed=5\nSpeed=2\n");
    EXPECT_EQ(SetSpeed("[Glacimo]\nSpeed=4\0junk \n"s, "5"), "[Glacimo]\nSpeed=5 \n");
}

TEST(ProfileFileTest, AddsKeyAfterLastLineOfFirstSection) {
    EXPECT_EQ(SetSpeed("[Glacimo]\nA=1\n;c\n\n\n[Other]\n", "5"),
              "[Glacimo]\nA=1\n;c\nSpeed=5\n\n\n[Other]\n");
    EXPECT_EQ(SetSpeed("[Glacimo]", "5"), "[Glacimo]\nSpeed=5");
    EXPECT_EQ(SetSpeed("[Glacimo]\rA=1\r", "5"), "[Glacimo]\rA=1\rSpeed=5\r");
    EXPECT_EQ(SetSpeed("[Glacimo]\nA=1\n[glacimo]\nSpeed=2\n", "5"),
              "[Glacimo]\nA=1\nSpeed=5\n[glacimo]\nSpeed=2\n");
}

TEST(ProfileFileTest, AddsSectionAtEnd) {
    EXPECT_EQ(SetSpeed("", "5"), "[Glacimo]\nSpeed=5\n");
    EXPECT_EQ(SetSpeed("\xEF\xBB\xBF", "5"), "\xEF\xBB\xBF[Glacimo]\nSpeed=5\n");
    EXPECT_EQ(SetSpeed("[Other]\r\nA=1", "5"), "[Other]\r\nA=1\r\n[Glacimo]\r\nSpeed=5\r\n");
    EXPECT_EQ(SetSpeed("Speed=1\n[Glacimo\n", "5"), "Speed=1\n[Glacimo\n[Glacimo]\nSpeed=5\n");
}

TEST(IntegerTextTest, FormatsPlainDecimal) {
    EXPECT_EQ(FormatProfileInteger(0), "0");
    EXPECT_EQ(FormatProfileInteger(6), "6");
    EXPECT_EQ(FormatProfileInteger(-2), "-2");
    EXPECT_EQ(FormatProfileInteger(INT32_MIN), "-2147483648");
    EXPECT_EQ(FormatProfileInteger(INT32_MAX), "2147483647");
}

TEST(IntegerTextTest, ParsesWhatTheValueTextAllows) {
    EXPECT_EQ(ParseProfileInteger("   -7"), -7);
    EXPECT_EQ(ParseProfileInteger("  $10"), 16);
    EXPECT_EQ(ParseProfileInteger("  0x10"), 16);
    EXPECT_EQ(ParseProfileInteger("0x$4"), std::nullopt);
    EXPECT_EQ(ParseProfileInteger("\t4"), std::nullopt);
    EXPECT_EQ(ParseProfileInteger("4 "), std::nullopt);
    EXPECT_EQ(ParseProfileInteger("-0"), 0);
    EXPECT_EQ(ParseProfileInteger(std::string(100000, '0') + "42"), 42);
    EXPECT_EQ(ParseProfileInteger("$" + std::string(100000, '0') + "42"), 0x42);
    EXPECT_EQ(ParseProfileInteger(std::string(100000, '9')), std::nullopt);
    EXPECT_EQ(ParseProfileInteger("-" + std::string(100000, '9')), std::nullopt);
    EXPECT_EQ(ParseProfileInteger("4\0"s), std::nullopt);
}

} // namespace
