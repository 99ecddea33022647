#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Where the settings files of a test live, cleaned up at the end. On POSIX, XDG_CONFIG_HOME points
// at a fresh temporary directory for the test's lifetime; on Windows the files are those of the
// Windows directory, where the profile functions put bare names.
class SettingsLocation {
public:
    SettingsLocation();
    ~SettingsLocation();
    SettingsLocation(const SettingsLocation&) = delete;
    SettingsLocation& operator=(const SettingsLocation&) = delete;

    std::filesystem::path PathOf(const std::string& bareName);
    void Put(const std::string& bareName, const std::string& bytes);
    std::optional<std::string> Get(const std::string& bareName) const;

    // The directory that PathOf resolves into; it need not exist.
    std::filesystem::path Directory() const { return directory_; }
    // The temporary root (XDG_CONFIG_HOME) on POSIX; the Windows directory on Windows.
    std::filesystem::path Root() const { return root_; }

private:
    std::filesystem::path root_;
    std::filesystem::path directory_;
    std::optional<std::string> savedConfigHome_;
    std::vector<std::filesystem::path> touched_;
};
