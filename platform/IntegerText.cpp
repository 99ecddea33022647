#include "platform/IntegerText.h"

#include <charconv>

namespace {

constexpr std::size_t MaxHexDigits = 8;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    uint32_t pattern = 0;
    std::size_t significant = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        if (pattern == 0 && digit == 0) {
            continue;
        }
        if (++significant > MaxHexDigits) {
            return std::nullopt;
        }
        pattern = (pattern << 4) | static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(pattern);
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // One past the largest magnitude keeps the accumulator small whatever the length.
    constexpr int64_t Limit = int64_t{INT32_MAX} + 2;
    int64_t magnitude = 0;
    for (char c : text) {
        if (!IsDecimalDigit(c)) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude >= Limit) {
            return std::nullopt;
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

bool StartsWithZeroX(std::string_view text) {
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

} // namespace

std::optional<int32_t> ParseProfileInteger(std::string_view text) {
    std::string replaced;
    if (text.size() > 2 && StartsWithZeroX(text)) {
        replaced = "$";
        replaced.append(text.substr(2));
        text = replaced;
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(first);
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
        return ParseHex(text.substr(1));
    }
    if (StartsWithZeroX(text)) {
        return ParseHex(text.substr(2));
    }
    return ParseDecimal(text);
}

std::string FormatProfileInteger(int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
