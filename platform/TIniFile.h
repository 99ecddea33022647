#pragma once

#include <cstdint>
#include <string>

// A settings file in the profile (INI) format, given by its bare file name. Opening does not touch
// the file; each read and write goes to the file at once and nothing is held back.
class TIniFile {
public:
    explicit TIniFile(std::string fileName);

    // The value's text, trimmed and unquoted, or def when file, section or key is missing.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // The value read as an integer by the profile rules, or def when it cannot be read.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    // Raises Exception naming the bare file name when the file cannot be written.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);

    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};
