// What the settings rely on in the INI edit, for any file at all: reading never fails, a stored
// key reads back as written, storing it again changes nothing, and every other key keeps its value.
#include "platform/ini.hpp"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

std::string_view withoutBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    return text::toLower(a) == text::toLower(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(24);
    const std::string key = input.ConsumeRandomLengthString(24);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string otherSection = input.ConsumeRandomLengthString(24);
    const std::string otherKey = input.ConsumeRandomLengthString(24);
    const std::string contents = input.ConsumeRemainingBytesAsString();

    const auto otherBefore = ini::find(contents, otherSection, otherKey);
    if (!ini::isStorable(section, key, value)) {
        return 0;
    }
    const Text edited = ini::withValue(contents, section, key, value);
    require(ini::find(edited, section, key) == Text(withoutBlanks(value)));
    require(ini::withValue(edited, section, key, value) == edited);
    if (!sameName(section, otherSection) || !sameName(key, otherKey)) {
        require(ini::find(edited, otherSection, otherKey) == otherBefore);
    }
    return 0;
}
