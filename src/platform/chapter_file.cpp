#include "platform/chapter_file.hpp"

#include "platform/paths.hpp"
#include "platform/whole_file.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace chapterfile {

namespace {

struct OpenFile {
    explicit OpenFile(int fd) : descriptor(fd), buffer(readBufferSize) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { ::close(descriptor); }

    std::int64_t position() const { return bufferOffset + static_cast<std::int64_t>(next); }

    int descriptor;
    dev_t device = 0;
    ino_t inode = 0;
    // As last measured; refreshed when the reader reaches it.
    std::int64_t length = 0;
    // buffer[0, filled) holds the file's bytes from bufferOffset on; the reader stands at `next`.
    std::vector<char> buffer;
    std::int64_t bufferOffset = 0;
    std::size_t filled = 0;
    std::size_t next = 0;
};

// Slot i holds file number i + 1.
std::vector<std::unique_ptr<OpenFile>>& openFiles() {
    static std::vector<std::unique_ptr<OpenFile>> files;
    return files;
}

OpenFile* lookUp(int file) {
    auto& files = openFiles();
    if (file < 1 || static_cast<std::size_t>(file) > files.size()) {
        return nullptr;
    }
    return files[static_cast<std::size_t>(file) - 1].get();
}

bool isOpenHere(const struct stat& info) {
    return std::any_of(openFiles().begin(), openFiles().end(), [&](const std::unique_ptr<OpenFile>& f) {
        return f && f->device == info.st_dev && f->inode == info.st_ino;
    });
}

int store(std::unique_ptr<OpenFile> file) {
    auto& files = openFiles();
    auto slot = std::find(files.begin(), files.end(), nullptr);
    if (slot == files.end()) {
        slot = files.insert(files.end(), nullptr);
    }
    *slot = std::move(file);
    return static_cast<int>(slot - files.begin()) + 1;
}

// Bytes that interrupt the plain run of a line: the three that end it and every lead byte.
constexpr std::array<bool, 256> stopBytes = [] {
    std::array<bool, 256> stops{};
    stops[0] = stops['\n'] = stops[26] = true;
    for (std::size_t b = 0x80; b < stops.size(); ++b) {
        stops[b] = true;
    }
    return stops;
}();

// Moves the buffer on past the bytes it held; false at the end of the file.
bool refill(OpenFile& f) {
    f.bufferOffset += static_cast<std::int64_t>(f.filled);
    f.filled = 0;
    f.next = 0;
    ssize_t got = 0;
    do {
        got = ::pread(f.descriptor, f.buffer.data(), f.buffer.size(), f.bufferOffset);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        // Whatever was measured before, nothing can be read from here on.
        f.length = f.bufferOffset;
        return false;
    }
    f.filled = static_cast<std::size_t>(got);
    return true;
}

} // namespace

int open(const Text& path) {
    if (path.empty()) {
        return 0;
    }
    // Non-blocking, so that a FIFO under a chapter's name cannot hang the open.
    const int descriptor =
        ::open(paths::toFileSystem(path).c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0) {
        return 0;
    }
    auto file = std::make_unique<OpenFile>(descriptor);
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) || wholefile::isReadOnly(info.st_mode) ||
        isOpenHere(info) || ::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        return 0;
    }
    file->device = info.st_dev;
    file->inode = info.st_ino;
    file->length = info.st_size;
    return store(std::move(file));
}

Text readLine(int file) {
    Text line;
    OpenFile* f = lookUp(file);
    if (f == nullptr) {
        return line;
    }
    // A CR that is the second byte of a two-byte character belongs to it and stays.
    bool lastWasTrailByte = false;
    for (;;) {
        if (f->next == f->filled && !refill(*f)) {
            break;
        }
        const auto* bytes = reinterpret_cast<const unsigned char*>(f->buffer.data());
        // The run takes whole characters up to a byte that ends the line or a lead byte whose
        // second byte is still on the disk.
        std::size_t stop = f->next;
        std::size_t afterTwoByte = 0;
        while (stop < f->filled) {
            if (!stopBytes[bytes[stop]]) {
                ++stop;
            } else if (bytes[stop] >= 0x80 && stop + 1 < f->filled) {
                stop += 2;
                afterTwoByte = stop;
            } else {
                break;
            }
        }
        if (stop != f->next) {
            line.append(f->buffer.data() + f->next, stop - f->next);
            lastWasTrailByte = afterTwoByte == stop;
        }
        f->next = stop;
        if (stop == f->filled) {
            continue;
        }
        if (bytes[stop] == '\n') {
            ++f->next;
            break;
        }
        if (bytes[stop] < 0x80) {
            break; // 0 or 26: left in place, so the text ends here for good
        }
        // A lead byte as the buffer's last byte takes the next buffer's first byte along.
        line += f->buffer[f->next++];
        if (!refill(*f)) {
            break;
        }
        line += f->buffer[f->next++];
        lastWasTrailByte = true;
    }
    if (!line.empty() && line.back() == '\r' && !lastWasTrailByte) {
        line.pop_back();
    }
    return line;
}

bool atEnd(int file) {
    OpenFile* f = lookUp(file);
    if (f == nullptr) {
        return true;
    }
    if (f->position() < f->length) {
        return false;
    }
    // The lock keeps other programs from taking the file, not from writing to it.
    struct stat info {};
    if (::fstat(f->descriptor, &info) == 0) {
        f->length = info.st_size;
    }
    return f->position() >= f->length;
}

std::int64_t position(int file) {
    const OpenFile* f = lookUp(file);
    return f == nullptr ? 0 : f->position();
}

void rewind(int file) {
    if (OpenFile* f = lookUp(file)) {
        f->bufferOffset = 0;
        f->filled = 0;
        f->next = 0;
    }
}

void close(int file) {
    if (lookUp(file) != nullptr) {
        openFiles()[static_cast<std::size_t>(file) - 1].reset();
    }
}

} // namespace chapterfile
