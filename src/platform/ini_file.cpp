#include "platform/ini_file.hpp"

#include "platform/ini.hpp"
#include "platform/paths.hpp"
#include "platform/whole_file.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace ini {

namespace {

struct FileState {
    bool exists = false;
    mode_t mode = 0;
    Text contents;
};

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Close errors matter for a file just written: they can report a failed write.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// A missing file is a valid state; anything else that stops the read is not.
std::optional<FileState> load(const std::string& path) {
    wholefile::Contents file = wholefile::read(path);
    if (file.status == wholefile::Contents::Status::refused) {
        return std::nullopt;
    }
    return FileState{file.status == wholefile::Contents::Status::read, file.mode, std::move(file.bytes)};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The file a link points to is the one to replace; replacing the link would cut it loose.
std::optional<std::string> resolveLinks(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return std::nullopt;
    }
    return std::string(resolved);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

void syncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
}

bool replaceFile(const std::string& path, std::string_view contents, mode_t mode) {
    const std::string folder = folderOf(path);
    std::string temporary = path + ".XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        return false;
    }
    const bool written = writeAll(file.get(), contents) && ::fchmod(file.get(), mode) == 0 &&
                         ::fsync(file.get()) == 0 && file.close();
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace

std::optional<Text> readValue(const Text& path, std::string_view section, std::string_view key) {
    const auto state = load(paths::toFileSystem(path));
    if (!state || !state->exists) {
        return std::nullopt;
    }
    return find(state->contents, section, key);
}

bool writeValue(const Text& path, std::string_view section, std::string_view key, std::string_view value) {
    if (!isStorable(section, key, value)) {
        return false;
    }
    const auto target = resolveLinks(paths::toFileSystem(path));
    if (!target) {
        return false;
    }
    const auto state = load(*target);
    if (!state) {
        return false;
    }
    if (state->exists && (wholefile::isReadOnly(state->mode) || ::access(target->c_str(), W_OK) != 0)) {
        return false;
    }
    const Text updated = withValue(state->contents, section, key, value);
    if (state->exists && updated == state->contents) {
        return true;
    }
    return replaceFile(*target, updated, state->exists ? state->mode : (0666 & ~currentUmask()));
}

} // namespace ini
