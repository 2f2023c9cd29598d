#pragma once
// Reading a file whole, safely: only a regular file is read, so a FIFO or a device in its
// place can never block the program.
#include <cstddef>
#include <limits>
#include <string>
#include <sys/types.h>

namespace wholefile {

struct Contents {
    enum class Status { read, missing, refused };
    Status status = Status::missing;
    // Permission bits of a file that was read.
    mode_t mode = 0;
    std::string bytes;
};

// `path` is a file-system path. A file larger than `maxBytes` is refused unread.
Contents read(const std::string& path, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// No write permission bit for anyone. Root may write to any file, so the mode alone decides
// what counts as read-only.
bool isReadOnly(mode_t mode);

} // namespace wholefile
