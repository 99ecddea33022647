#include "platform/TIniFile.h"

#include "platform/Exception.h"
#include "platform/ProfileFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// Settings files live in ${XDG_CONFIG_HOME:-$HOME/.config}/glacimo/ under their bare names.
// Reading never creates anything and reads whatever cannot be read as missing. Writing replaces
// the file atomically: a temporary file in the same directory, synced, renamed over the old one.

namespace {

constexpr char AppDirectory[] = "glacimo";
// Larger files are not settings files; reading them as missing keeps memory bounded.
constexpr off_t MaxFileSize = off_t{64} * 1024 * 1024;
constexpr mode_t DirectoryMode = 0700;
constexpr mode_t NewFileMode = 0600;

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::optional<std::string> HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (IsAbsolute(home)) {
        return std::string(home);
    }
    const passwd* entry = getpwuid(getuid());
    if (entry != nullptr && IsAbsolute(entry->pw_dir)) {
        return std::string(entry->pw_dir);
    }
    return std::nullopt;
}

std::optional<std::string> ConfigDirectory() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (IsAbsolute(xdg)) {
        return std::string(xdg);
    }
    const std::optional<std::string> home = HomeDirectory();
    if (!home) {
        return std::nullopt;
    }
    return *home + "/.config";
}

std::optional<std::string> SettingsDirectory() {
    const std::optional<std::string> config = ConfigDirectory();
    if (!config) {
        return std::nullopt;
    }
    return *config + "/" + AppDirectory;
}

// A bare name with a slash or a dot name would leave the settings directory.
bool IsBareName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now so that a failing close is seen; the descriptor is gone either way.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

private:
    int fd_;
};

bool ReadAll(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > static_cast<std::size_t>(MaxFileSize)) {
            return false;
        }
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// A settings file as found: readable when it is missing or its bytes are all here.
struct Contents {
    bool readable = false;
    bool exists = false;
    mode_t mode = 0;
    std::string bytes;
};

Contents LoadFile(const std::string& path) {
    Contents contents;
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Get() < 0) {
        contents.readable = errno == ENOENT || errno == ENOTDIR;
        return contents;
    }
    contents.exists = true;
    struct stat status {};
    if (fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > MaxFileSize) {
        return contents;
    }
    contents.mode = status.st_mode & 07777;
    contents.readable = ReadAll(fd.Get(), contents.bytes);
    return contents;
}

bool MakeDirectories(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (mkdir(prefix.c_str(), DirectoryMode) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Best effort: the new file is in place already, and some file systems cannot sync a directory.
void SyncDirectory(const std::string& directory) {
    FileDescriptor fd(open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0) {
        fsync(fd.Get());
    }
}

// Stores bytes as path through a temporary file beside it; on failure the temporary file is gone
// and the old file is as it was.
bool ReplaceFile(const std::string& directory, const std::string& name, std::string_view bytes,
                 mode_t mode) {
    const std::string path = directory + "/" + name;
    std::string temporary = directory + "/." + name + ".XXXXXX";
    FileDescriptor fd(mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        return false;
    }
    const bool stored = fchmod(fd.Get(), mode) == 0 && WriteAll(fd.Get(), bytes) &&
                        fsync(fd.Get()) == 0 && fd.Close() &&
                        rename(temporary.c_str(), path.c_str()) == 0;
    if (!stored) {
        unlink(temporary.c_str());
        return false;
    }
    SyncDirectory(directory);
    return true;
}

} // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
    const std::optional<std::string> directory = SettingsDirectory();
    if (!directory || !IsBareName(fileName_)) {
        return def;
    }
    const Contents contents = LoadFile(*directory + "/" + fileName_);
    if (!contents.exists || !contents.readable) {
        return def;
    }
    return ProfileFile::ReadValue(contents.bytes, section, key).value_or(def);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    const Exception failure(fileName_ + " に書き込めません");
    const std::optional<std::string> directory = SettingsDirectory();
    if (!directory || !IsBareName(fileName_) || !MakeDirectories(*directory)) {
        throw failure;
    }
    const std::string path = *directory + "/" + fileName_;
    const Contents old = LoadFile(path);
    if (!old.readable) {
        throw failure;
    }
    const std::string bytes = ProfileFile::WriteValue(old.bytes, section, key, value);
    if (!ReplaceFile(*directory, fileName_, bytes, old.exists ? old.mode : NewFileMode)) {
        throw failure;
    }
}
