// Reads arbitrary bytes as a chapter file, line by line, and checks that every line accounts
// exactly for the bytes it consumed.
#include "platform/chapter_file.hpp"
#include "platform/text.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool endsText(unsigned char byte) {
    return byte == 0 || byte == 26;
}

// `line` was read from `bytes` between the offsets `before` and `after`.
void checkLine(std::string_view bytes, std::size_t before, std::size_t after, const Text& line) {
    const std::string_view consumed = bytes.substr(before, after - before);
    require(consumed.substr(0, line.size()) == line);
    const std::string_view rest = consumed.substr(line.size());
    require(rest.empty() || rest == "\n" || rest == "\r" || rest == "\r\n");
    if (rest.empty() || rest == "\r") {
        require(after == bytes.size() || endsText(static_cast<unsigned char>(bytes[after])));
    }
    // Outside two-byte characters the line holds no byte that ends a line.
    std::size_t lastLength = 0;
    for (std::size_t i = 0; i < line.size(); i += lastLength) {
        lastLength = text::charLength(line, i);
        const auto byte = static_cast<unsigned char>(line[i]);
        if (lastLength == 1) {
            require(byte != '\n' && !endsText(byte));
            require(byte < 0x80 || i + 1 == line.size());
        }
    }
    // Only the last CR taken is dropped, so a line ends in a CR only when one followed it.
    require(line.empty() || lastLength == 2 || line.back() != '\r' || rest.starts_with('\r'));
    // A lead byte without its second byte only at the very end of the file.
    if (!line.empty() && lastLength == 1 && static_cast<unsigned char>(line.back()) >= 0x80) {
        require(after == bytes.size());
    }
}

std::string temporaryFile(const std::uint8_t* data, std::size_t size) {
    const char* folder = std::getenv("TMPDIR");
    std::string name =
        std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/read-line-XXXXXX";
    const int fd = ::mkstemp(name.data());
    require(fd >= 0);
    for (std::size_t written = 0; written < size;) {
        const ssize_t n = ::write(fd, data + written, size - written);
        require(n > 0);
        written += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = temporaryFile(data, size);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int file = chapterfile::open(name);
    require(file > 0);

    Text firstLine;
    std::int64_t before = chapterfile::position(file);
    require(before == 0);
    for (bool first = true; !chapterfile::atEnd(file); first = false) {
        const Text line = chapterfile::readLine(file);
        const std::int64_t after = chapterfile::position(file);
        require(after >= before && after <= static_cast<std::int64_t>(size));
        checkLine(bytes, static_cast<std::size_t>(before), static_cast<std::size_t>(after), line);
        if (first) {
            firstLine = line;
        }
        if (after == before) {
            // Stuck on a byte 0 or 26 for good.
            require(line.empty() &&
                    endsText(static_cast<unsigned char>(bytes[static_cast<std::size_t>(after)])));
            require(chapterfile::readLine(file).empty() && chapterfile::position(file) == after);
            break;
        }
        before = after;
    }
    require(chapterfile::atEnd(file) == (chapterfile::position(file) == static_cast<std::int64_t>(size)));

    chapterfile::rewind(file);
    require(chapterfile::position(file) == 0);
    require(chapterfile::readLine(file) == firstLine);

    chapterfile::close(file);
    ::unlink(name.c_str());
    return 0;
}
