#include "platform/paths.hpp"

#include "platform/codec.hpp"

#include <sys/stat.h>

namespace paths {

namespace {
Text& runDirStorage() {
    static Text dir;
    return dir;
}
} // namespace

std::string toFileSystem(const Text& path) {
    Text slashed;
    slashed.reserve(path.size());
    for (std::size_t i = 0; i < path.size();) {
        const std::size_t n = text::charLength(path, i);
        if (n == 1 && path[i] == '\\') {
            slashed += '/';
        } else {
            slashed.append(path, i, n);
        }
        i += n;
    }
    return codec::toUnicode(slashed).toStdString();
}

bool exists(const Text& path) {
    if (path.empty()) {
        return false;
    }
    struct stat info {};
    return ::stat(toFileSystem(path).c_str(), &info) == 0;
}

const Text& runDir() {
    return runDirStorage();
}

void setRunDir(const Text& dir) {
    Text trimmed = dir;
    while (trimmed.size() > 1 && (trimmed.back() == '/' || trimmed.back() == '\\')) {
        trimmed.pop_back();
    }
    runDirStorage() = trimmed;
}

} // namespace paths
