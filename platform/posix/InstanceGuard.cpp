// The single-instance guard on Linux: a name in the abstract Unix socket namespace. The kernel
// releases it with the process's last descriptor, however the process ends, and no file is left
// behind.
#include "platform/System.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

System::GuardResult System::CreateGuard(const char* name) {
    // Per user, as a session's named objects are on Windows.
    const std::string key = std::string(name) + "-guard-" + std::to_string(getuid());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (key.size() + 1 > sizeof(address.sun_path)) {
        return GuardResult::Failed;
    }
    // sun_path[0] stays 0: the abstract namespace.
    std::memcpy(address.sun_path + 1, key.data(), key.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return GuardResult::Failed;
    }
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + key.size());
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        const int error = errno;
        close(fd);
        return error == EADDRINUSE ? GuardResult::AlreadyExists : GuardResult::Failed;
    }
    // The descriptor is held, never closed, until the process ends.
    return GuardResult::Created;
}
