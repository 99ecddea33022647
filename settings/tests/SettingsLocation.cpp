#include "settings/tests/SettingsLocation.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

#ifdef _WIN32
namespace {

// The Windows directory outlives the test, so the build's files are cleared at start and end.
const char* const BuildFiles[] = {"Nivalo1.ini", "Nivalo2.ini"};

void RemoveBuildFiles(const fs::path& directory) {
    std::error_code ignored;
    for (const char* name : BuildFiles) {
        fs::remove_all(directory / name, ignored);
    }
}

} // namespace
#endif

SettingsLocation::SettingsLocation() {
#ifdef _WIN32
    const char* windows = std::getenv("windir");
    if (windows == nullptr) {
        throw std::runtime_error("no windir in the environment");
    }
    root_ = windows;
    directory_ = root_;
    RemoveBuildFiles(directory_);
#else
    std::string pattern = (fs::temp_directory_path() / "glacimo-settings-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    root_ = pattern;
    directory_ = root_ / "glacimo";
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
        savedConfigHome_ = old;
    }
    setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
#endif
}

SettingsLocation::~SettingsLocation() {
    std::error_code ignored;
#ifdef _WIN32
    for (const fs::path& path : touched_) {
        fs::remove_all(path, ignored);
    }
    RemoveBuildFiles(directory_);
#else
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
    if (savedConfigHome_) {
        setenv("XDG_CONFIG_HOME", savedConfigHome_->c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
#endif
}

fs::path SettingsLocation::PathOf(const std::string& bareName) {
    const fs::path path = directory_ / bareName;
    touched_.push_back(path);
    return path;
}

void SettingsLocation::Put(const std::string& bareName, const std::string& bytes) {
    const fs::path path = PathOf(bareName);
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::optional<std::string> SettingsLocation::Get(const std::string& bareName) const {
    std::ifstream in(directory_ / bareName, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
