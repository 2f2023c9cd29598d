// The text helpers on any bytes: never a split two-byte character, never a crash, and the
// relations between them hold.
#include "platform/text.hpp"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Every character start of `s`, as the helpers see them.
bool hasSpaceCharacter(const Text& s) {
    for (std::size_t i = 0; i < s.size(); i += text::charLength(s, i)) {
        const std::size_t n = text::charLength(s, i);
        if ((n == 1 && s[i] == ' ') || (n == 2 && s.compare(i, 2, "\xA1\xA1") == 0)) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string separator = input.ConsumeRandomLengthString(4);
    const std::string s = input.ConsumeRemainingBytesAsString();

    const Text without = text::removeSpaces(s);
    require(!hasSpaceCharacter(without));
    require(text::removeSpaces(without) == without);
    require(text::removeSpaces(text::trim(s)) == without);

    const Text trimmed = text::trim(s);
    require(text::trim(trimmed) == trimmed);
    require(trimmed.size() <= s.size());
    require(s.find(trimmed) != std::string::npos);

    require(text::toLower(s).size() == s.size());
    require(text::toHalfWidth(s).size() <= s.size());

    const auto members = text::split(s, separator);
    if (!separator.empty() && !s.empty()) {
        Text joined;
        for (std::size_t i = 0; i < members.size(); ++i) {
            joined += members[i];
            if (i + 1 < members.size()) {
                joined += separator;
            }
        }
        // The split keeps every byte but the separators, so the members joined back are the
        // text without a trailing separator.
        require(joined == s || joined + separator == s);
    }
    if (!separator.empty()) {
        if (const auto at = text::find(s, separator)) {
            require(*at >= 1 && s.compare(*at - 1, separator.size(), separator) == 0);
        }
    }

    const std::int32_t integer = text::toInteger(s);
    require(text::toInteger(text::numberToText(static_cast<std::int64_t>(integer))) == integer);
    // Written back as text, a number reads as the same integer through either reader (the
    // readers take no exponent).
    const double number = text::toNumber(s);
    const Text written = text::numberToText(number);
    if (written.find_first_of("eni") == std::string::npos) {
        require(text::toInteger(written) == text::realToInteger(text::toNumber(written)));
    }
    return 0;
}
