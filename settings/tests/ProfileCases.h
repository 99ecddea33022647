#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// One value read from a settings file. The same table runs through our own reader and, cross-built,
// through the real Windows profile functions under Wine.
struct ProfileCase {
    const char* Name;
    std::string File;
    const char* Section;
    const char* Key;
    int32_t Default;
    int32_t Expected;
    // Where Wine reads otherwise: its result and why.
    std::optional<int32_t> Wine = std::nullopt;
    const char* Note = "";
};

inline void PrintTo(const ProfileCase& c, std::ostream* out) {
    *out << c.Name;
}

inline std::string SpeedIs(const std::string& value) {
    return "[Glacimo]\nSpeed=" + value + "\n";
}

inline std::vector<ProfileCase> ProfileCases() {
    using namespace std::string_literals;
    const int32_t Min = INT32_MIN;
    return {
        // Value syntax.
        {"Dollar", SpeedIs("$4"), "Glacimo", "Speed", 3, 4},
        {"ZeroX", SpeedIs("0x4"), "Glacimo", "Speed", 3, 4},
        {"ZeroUpperX", SpeedIs("0X4"), "Glacimo", "Speed", 3, 4},
        {"X", SpeedIs("x4"), "Glacimo", "Speed", 3, 4},
        {"UpperX", SpeedIs("X4"), "Glacimo", "Speed", 3, 4},
        {"LowerHexDigits", SpeedIs("0xff"), "Glacimo", "Speed", 3, 255},
        {"Plus", SpeedIs("+4"), "Glacimo", "Speed", 3, 4},
        {"LeadingZeros", SpeedIs("004"), "Glacimo", "Speed", 3, 4},
        {"Zero", SpeedIs("0"), "Glacimo", "Speed", 3, 0},
        {"Negative", SpeedIs("-2"), "Glacimo", "Speed", 3, -2},
        {"MinusZeroX", SpeedIs("-0x4"), "Glacimo", "Speed", 3, 3},
        {"MinusDollar", SpeedIs("-$4"), "Glacimo", "Speed", 3, 3},
        {"TrailingLetters", SpeedIs("4abc"), "Glacimo", "Speed", 3, 3},
        {"Word", SpeedIs("four"), "Glacimo", "Speed", 3, 3},
        {"AboveRange", SpeedIs("2147483648"), "Glacimo", "Speed", 3, 3},
        {"BelowRange", SpeedIs("-2147483649"), "Glacimo", "Speed", 3, 3},
        {"Lowest", SpeedIs("-2147483648"), "Glacimo", "Speed", 3, Min},
        {"Highest", SpeedIs("2147483647"), "Glacimo", "Speed", 3, INT32_MAX},
        {"HexWithoutPrefix", SpeedIs("FFFFFFFF"), "Glacimo", "Speed", 3, 3},
        {"DollarAllOnes", SpeedIs("$FFFFFFFF"), "Glacimo", "Speed", 3, -1},
        {"ZeroXAllOnes", SpeedIs("0xffffffff"), "Glacimo", "Speed", 3, -1},
        {"HexTopBit", SpeedIs("$80000000"), "Glacimo", "Speed", 3, Min},
        {"NineHexDigitsLeadingZero", SpeedIs("$0FFFFFFFF"), "Glacimo", "Speed", 3, -1},
        {"NineSignificantHexDigits", SpeedIs("$1FFFFFFFF"), "Glacimo", "Speed", 3, 3},
        {"DollarAlone", SpeedIs("$"), "Glacimo", "Speed", 3, 3},
        {"ZeroXAlone", SpeedIs("0x"), "Glacimo", "Speed", 3, 3},
        {"PlusAlone", SpeedIs("+"), "Glacimo", "Speed", 3, 3},
        {"Empty", SpeedIs(""), "Glacimo", "Speed", 3, 3},
        {"BlankAfterSign", SpeedIs("- 4"), "Glacimo", "Speed", 3, 3},
        {"BlankAfterPrefix", SpeedIs("$ 4"), "Glacimo", "Speed", 3, 3},
        {"BlankInside", SpeedIs("4 4"), "Glacimo", "Speed", 3, 3},
        {"EqualsInValue", SpeedIs("=4"), "Glacimo", "Speed", 3, 3},
        {"TrailingComment", SpeedIs("4 ; fast"), "Glacimo", "Speed", 3, 3},
        // Names, blanks and quotes.
        {"OtherCase", "[gLACIMO]\nsPEED=5\n", "Glacimo", "Speed", 3, 5},
        {"BlanksAroundNameAndValue", "[Glacimo]\n  Speed \t=  5 \t \n", "Glacimo", "Speed", 3, 5},
        {"TrailingBlanks", SpeedIs("5   "), "Glacimo", "Speed", 3, 5},
        {"TrailingTabAndCtrlZ", SpeedIs("5\t\x1a"), "Glacimo", "Speed", 3, 5},
        {"DoubleQuotes", SpeedIs("\"5\""), "Glacimo", "Speed", 3, 5},
        {"SingleQuotes", SpeedIs("'5'"), "Glacimo", "Speed", 3, 5},
        {"MixedQuotes", SpeedIs("\"5'"), "Glacimo", "Speed", 3, 3},
        {"BlankInsideQuotes", SpeedIs("\" 5\""), "Glacimo", "Speed", 3, 5},
        {"TrailingBlankInsideQuotes", SpeedIs("\"5 \""), "Glacimo", "Speed", 3, 3},
        {"HeaderWithComment", "[Glacimo] ; saver\nSpeed=5\n", "Glacimo", "Speed", 3, 5},
        {"BlanksInsideBrackets", "[ Glacimo ]\nSpeed=5\n", "Glacimo", "Speed", 3, 5},
        {"Penguins", "[Glacimo]\nSpeed=2\nPenguins=4\n", "Glacimo", "Penguins", 1, 4},
        // Structure.
        {"EmptyFile", "", "Glacimo", "Speed", 3, 3},
        {"MissingKey", "[Glacimo]\nPenguins=2\n", "Glacimo", "Speed", 3, 3},
        {"MissingSection", "[Other]\nSpeed=5\n", "Glacimo", "Speed", 3, 3},
        {"KeyInOtherSection", "[Other]\nSpeed=5\n[Glacimo]\nPenguins=2\n", "Glacimo", "Speed", 3,
         3},
        {"KeyBeforeAnySection", "Speed=5\n[Glacimo]\n", "Glacimo", "Speed", 3, 3},
        {"CommentedOut", "[Glacimo]\n;Speed=5\n", "Glacimo", "Speed", 3, 3},
        {"FirstKeyWins", "[Glacimo]\nSpeed=5\nSpeed=6\n", "Glacimo", "Speed", 3, 5},
        {"FirstSectionWins", "[Glacimo]\nSpeed=5\n[Glacimo]\nSpeed=6\n", "Glacimo", "Speed", 3, 5},
        {"OnlyFirstSectionSearched", "[Glacimo]\nPenguins=2\n[Glacimo]\nSpeed=6\n", "Glacimo",
         "Speed", 3, 3},
        {"LineWithoutEquals", "[Glacimo]\nSpeed\nSpeed=5\n", "Glacimo", "Speed", 3, 5, 3,
         "Wine takes the line without \"=\" as the key, with no value"},
        {"HeaderWithoutBracket", "[Glacimo\nSpeed=5\n", "Glacimo", "Speed", 3, 3},
        {"CrLf", "[Glacimo]\r\nSpeed=5\r\n", "Glacimo", "Speed", 3, 5},
        {"CrOnly", "[Glacimo]\rSpeed=5\r", "Glacimo", "Speed", 3, 5},
        {"MixedLineEnds", "[Glacimo]\r\nPenguins=2\nSpeed=5\r", "Glacimo", "Speed", 3, 5},
        {"NoFinalLineEnd", "[Glacimo]\nSpeed=5", "Glacimo", "Speed", 3, 5},
        {"Utf8ByteOrderMark", "\xEF\xBB\xBF[Glacimo]\nSpeed=5\n", "Glacimo", "Speed", 3, 5,
         std::nullopt, "Windows reads the mark as ANSI text, so its first section is lost"},
        {"NulEndsValue", "[Glacimo]\nSpeed=5\0junk\n"s, "Glacimo", "Speed", 3, 5},
        {"BinaryGarbage", "\x80\x01\xfe\x02 ]=[\n[Glacimo]\n\x7f\x1b=\x90\nSpeed=5\n", "Glacimo",
         "Speed", 3, 5},
        {"LongestValue", SpeedIs(std::string(2046, '0') + "4"), "Glacimo", "Speed", 3, 4},
        {"ValueCutAtBuffer", SpeedIs(std::string(2047, '0') + "4"), "Glacimo", "Speed", 3, 0},
    };
}
