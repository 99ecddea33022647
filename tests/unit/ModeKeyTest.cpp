#include "host/ModeKey.h"
#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace {

const char* Name(Mode m) {
    switch (m) {
    case Mode::Run:
        return "run";
    case Mode::Configure:
        return "configure";
    case Mode::Preview:
        return "preview";
    case Mode::Password:
        return "password";
    case Mode::None:
        return "none";
    }
    return "?";
}

// Whole Windows command lines, split as the platform splits them, then keyed and looked up.
struct CommandLineCase {
    const char* commandLine;
    Mode mode;
};

const CommandLineCase kCommandLines[] = {
    {"Glacimo1.scr /s", Mode::Run},
    {"Glacimo1.scr -s", Mode::Run},
    {"Glacimo1.scr /S", Mode::Run},
    {"Glacimo1.scr /S:123", Mode::Run},
    {"Glacimo1.scr /SAVE", Mode::Run},
    {"Glacimo1.scr /c", Mode::Configure},
    {"Glacimo1.scr -C", Mode::Configure},
    {"Glacimo1.scr /c:1234", Mode::Configure},
    {"Glacimo1.scr /p 1234", Mode::Preview},
    {"Glacimo1.scr -P 1234", Mode::Preview},
    {"Glacimo1.scr /a 1234", Mode::Password},
    {"Glacimo1.scr -A", Mode::Password},
    {"Glacimo1.scr /", Mode::None},
    {"Glacimo1.scr S", Mode::None},
    {"Glacimo1.scr /X", Mode::None},
    {"Glacimo1.scr --s", Mode::None},
    {"Glacimo1.scr x /s", Mode::None},
    {"Glacimo1.scr    /s", Mode::Run},
    {"Glacimo1.scr \t/s", Mode::Run},
    {"Glacimo1.scr \"/s\"", Mode::Run},
    {"\"C:\\Program Files\\Glacimo1.scr\" /s", Mode::Run},
    {"Glacimo1.scr", Mode::None},
    {"Glacimo1.scr \"\" /s", Mode::None},
    {"Glacimo1.scr /\xe9", Mode::None},
};

TEST(ModeKey, CommandLinesChooseTheirMode) {
    for (const auto& c : kCommandLines) {
        const auto args = SplitCommandLine(c.commandLine);
        EXPECT_STREQ(Name(ModeFromKey(ModeKey(args))), Name(c.mode)) << c.commandLine;
    }
}

TEST(ModeKey, IsTheFirstArgumentUpperCasedAndCut) {
    EXPECT_EQ(ModeKey({"prog"}), "");
    EXPECT_EQ(ModeKey({"prog", "s"}), "S");
    EXPECT_EQ(ModeKey({"prog", "/save", "/c"}), "/S");
    EXPECT_EQ(ModeKey({"prog", "-c:12"}), "-C");
}

struct SplitCase {
    const char* line;
    std::vector<std::string> args;
};

TEST(CommandLine, SplitsLikeTheWindowsRunTime) {
    const SplitCase cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"  a  b  ", {"a", "b"}},
        {"a\t\x01\x1f"
         "b",
         {"a", "b"}},
        {"a \"b c\" d", {"a", "b c", "d"}},
        {"a b\"c d\"e", {"a", "bc de"}},
        {"\"C:\\My Dir\\x.scr\" /s", {"C:\\My Dir\\x.scr", "/s"}},
        {"a \"unterminated b", {"a", "unterminated b"}},
        {"a \"\" b", {"a", "", "b"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
    }
}

} // namespace
