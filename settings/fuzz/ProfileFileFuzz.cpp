// Any bytes as a settings file: reading and writing never crash, never trip a sanitizer, and a
// write changes nothing outside the written key's line.
#include "platform/IntegerText.h"
#include "platform/ProfileFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::size_t CommonPrefix(std::string_view a, std::string_view b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) {
        ++n;
    }
    return n;
}

std::size_t CommonSuffix(std::string_view a, std::string_view b, std::size_t limit) {
    std::size_t n = 0;
    while (n < limit && a[a.size() - 1 - n] == b[b.size() - 1 - n]) {
        ++n;
    }
    return n;
}

// The bytes of before that after lacks all lie within one line.
void CheckOnlyOneLineChanged(std::string_view before, std::string_view after) {
    const std::size_t prefix = CommonPrefix(before, after);
    const std::size_t room = std::min(before.size(), after.size()) - prefix;
    const std::size_t suffix = CommonSuffix(before, after, room);
    const std::string_view removed = before.substr(prefix, before.size() - prefix - suffix);
    Check(removed.find_first_of("\r\n") == std::string_view::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const uint8_t selector = size > 0 ? data[0] : 0;
    const std::string_view section = (selector & 1) != 0 ? "gLaCiMo" : "Glacimo";
    const std::string_view key = (selector & 2) != 0 ? "SPEED" : "Speed";

    (void)ParseProfileInteger(file);
    const std::optional<std::string> speed = ProfileFile::ReadValue(file, section, key);
    const std::optional<std::string> penguins = ProfileFile::ReadValue(file, section, "Penguins");
    if (speed) {
        Check(speed->size() <= ProfileFile::MaxValueLength);
        (void)ParseProfileInteger(*speed);
    }

    const int32_t value = static_cast<int32_t>(static_cast<uint32_t>(size) * 2654435761u);
    const std::string text = FormatProfileInteger(value);
    Check(ParseProfileInteger(text) == value);
    const std::string written = ProfileFile::WriteValue(file, section, key, text);
    Check(ProfileFile::ReadValue(written, "Glacimo", "Speed") == text);
    Check(ProfileFile::ReadValue(written, section, "Penguins") == penguins);
    CheckOnlyOneLineChanged(file, written);
    return 0;
}
