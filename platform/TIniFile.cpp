#include "platform/TIniFile.h"

#include "platform/IntegerText.h"

// The parts of the settings file that are the same on every platform; each backend supplies
// ReadString and WriteString.

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                              int32_t def) const {
    return ParseProfileInteger(ReadString(section, key, "")).value_or(def);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
    WriteString(section, key, FormatProfileInteger(value));
}
