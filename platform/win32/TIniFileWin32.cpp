#include <windows.h>

#include "platform/TIniFile.h"

#include "platform/Exception.h"

// The settings file through the Windows profile functions, which resolve the bare name to the
// Windows directory themselves.

namespace {

// The buffer size the value syntax is defined with; longer values arrive cut.
constexpr DWORD ValueBufferSize = 2048;

} // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
    char buffer[ValueBufferSize];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer,
                                                  ValueBufferSize, fileName_.c_str());
    return std::string(buffer, length < ValueBufferSize ? length : ValueBufferSize - 1);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    fileName_.c_str())) {
        throw Exception(fileName_ + " に書き込めません");
    }
}
