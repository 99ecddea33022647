#include "platform/ProfileFile.h"

namespace ProfileFile {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// One line of the file: [begin, end) is its text, next is where the following line begins.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

enum class Kind { Other, Section, Key };

// What a line holds. Offsets are into the file.
struct Entry {
    Kind kind = Kind::Other;
    std::string_view name;
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view CutAtNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

char FoldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.empty() || a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

std::size_t ContentStart(std::string_view file) {
    return file.substr(0, ByteOrderMark.size()) == ByteOrderMark ? ByteOrderMark.size() : 0;
}

Line LineAt(std::string_view file, std::size_t begin) {
    std::size_t end = file.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) {
        return {begin, file.size(), file.size()};
    }
    const bool crlf = file[end] == '\r' && end + 1 < file.size() && file[end + 1] == '\n';
    return {begin, end, end + (crlf ? 2 : 1)};
}

Entry Classify(std::string_view file, const Line& line) {
    const std::string_view raw = file.substr(line.begin, line.end - line.begin);
    const std::string_view text = Trim(raw);
    if (text.empty()) {
        return {};
    }
    const std::size_t textBegin = line.begin + static_cast<std::size_t>(text.data() - raw.data());
    const std::size_t close = text.rfind(']');
    if (text.front() == '[' && close != std::string_view::npos && close > 0) {
        return {Kind::Section, CutAtNul(Trim(text.substr(1, close - 1))), 0, 0};
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    std::size_t valueBegin = equals + 1;
    while (valueBegin < text.size() && IsBlank(text[valueBegin])) {
        ++valueBegin;
    }
    return {Kind::Key, CutAtNul(Trim(text.substr(0, equals))), textBegin + valueBegin,
            textBegin + text.size()};
}

std::string Unquote(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (quoted) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, MaxValueLength));
}

// Where the first section of the name and its key stand in the file.
struct Location {
    bool sectionFound = false;
    std::size_t sectionEnd = 0; // just after the section's last non-blank line
    bool keyFound = false;
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
};

Location Locate(std::string_view file, std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    Location found;
    for (std::size_t pos = ContentStart(file); pos < file.size();) {
        const Line line = LineAt(file, pos);
        pos = line.next;
        const Entry entry = Classify(file, line);
        const bool blank = Trim(file.substr(line.begin, line.end - line.begin)).empty();
        if (entry.kind == Kind::Section && found.sectionFound) {
            return found;
        }
        if (entry.kind == Kind::Section) {
            found.sectionFound = NamesEqual(entry.name, section);
        }
        if (!found.sectionFound) {
            continue;
        }
        if (!blank) {
            found.sectionEnd = line.next;
        }
        if (entry.kind == Kind::Key && NamesEqual(entry.name, key)) {
            found.keyFound = true;
            found.valueBegin = entry.valueBegin;
            found.valueEnd = entry.valueEnd;
            return found;
        }
    }
    return found;
}

std::string_view LineEndOf(std::string_view file) {
    const std::size_t end = file.find_first_of("\r\n");
    if (end == std::string_view::npos || file[end] == '\n') {
        return "\n";
    }
    return end + 1 < file.size() && file[end + 1] == '\n' ? "\r\n" : "\r";
}

bool EndsWithLineEnd(std::string_view text) {
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

std::string Splice(std::string_view file, std::size_t begin, std::size_t end,
                   std::string_view insert) {
    std::string result;
    result.reserve(file.size() - (end - begin) + insert.size());
    result.append(file.substr(0, begin));
    result.append(insert);
    result.append(file.substr(end));
    return result;
}

} // namespace

std::optional<std::string> ReadValue(std::string_view file, std::string_view section,
                                     std::string_view key) {
    const Location found = Locate(file, section, key);
    if (!found.keyFound) {
        return std::nullopt;
    }
    return Unquote(CutAtNul(file.substr(found.valueBegin, found.valueEnd - found.valueBegin)));
}

std::string WriteValue(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view value) {
    const Location found = Locate(file, section, key);
    if (found.keyFound) {
        return Splice(file, found.valueBegin, found.valueEnd, value);
    }
    const std::string_view lineEnd = LineEndOf(file);
    const std::string entry = std::string(Trim(key)) + "=" + std::string(value);
    if (found.sectionFound) {
        const std::size_t at = found.sectionEnd;
        const bool endsLine = EndsWithLineEnd(file.substr(0, at));
        const std::string insert =
            endsLine ? entry + std::string(lineEnd) : std::string(lineEnd) + entry;
        return Splice(file, at, at, insert);
    }
    std::string result(file);
    if (file.size() > ContentStart(file) && !EndsWithLineEnd(file)) {
        result.append(lineEnd);
    }
    result.append("[").append(Trim(section)).append("]").append(lineEnd);
    result.append(entry).append(lineEnd);
    return result;
}

} // namespace ProfileFile
