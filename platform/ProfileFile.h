#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The profile (INI) format on a file's bytes, by the rules of the Windows profile functions.
// Nothing here touches a file: the callers read and store the bytes.
//
// Lines end at "\r\n", "\n" or a lone "\r"; a UTF-8 byte order mark at the start is skipped.
// A line whose text, without surrounding blanks, starts with "[" and holds a "]" starts a section
// named by the text between "[" and the last "]". A line holding "=" is a key: the name before the
// first "=", the value after it. Other lines (comments, blank lines, a "[" without "]") are kept
// and never match. Names and values lose their surrounding blanks (space, tab, vertical tab, form
// feed, Ctrl-Z); a NUL ends a name or value as it ends a C string. Names match without regard to
// ASCII case. Only the first section of a name counts, and in it the first key of a name.
namespace ProfileFile {

// The most value text the Windows functions return through the 2048-character buffer.
inline constexpr std::size_t MaxValueLength = 2047;

// The value of key in section, without surrounding blanks, without one pair of matching single
// or double quotes around it, and cut to MaxValueLength; nothing when section or key is missing.
std::optional<std::string> ReadValue(std::string_view file, std::string_view section,
                                     std::string_view key);

// The file's bytes with key in section set to value; every other byte stays as it was. An
// existing value is replaced where it stands; a missing key is added after the last non-blank
// line of the section; a missing section is added at the end of the file. Added lines use the
// file's first line end, "\n" in a file without one. Callers pass a value without line ends.
std::string WriteValue(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view value);

} // namespace ProfileFile
