#include "platform/whole_file.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wholefile {

Contents read(const std::string& path, std::size_t maxBytes) {
    Contents file;
    // Non-blocking, so that opening a FIFO returns at once; it is refused below.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        file.status = errno == ENOENT ? Contents::Status::missing : Contents::Status::refused;
        return file;
    }
    file.status = Contents::Status::refused;
    struct stat info {};
    if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::size_t>(info.st_size) <= maxBytes) {
        file.mode = static_cast<mode_t>(info.st_mode & 07777);
        file.bytes.reserve(static_cast<std::size_t>(info.st_size));
        char buffer[1 << 16];
        for (;;) {
            const ssize_t n = ::read(descriptor, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0 || file.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
                if (n == 0) {
                    file.status = Contents::Status::read;
                }
                break;
            }
            file.bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(descriptor);
    if (file.status != Contents::Status::read) {
        file.bytes.clear();
    }
    return file;
}

bool isReadOnly(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

} // namespace wholefile
