#include "platform/text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace text {

namespace {

constexpr unsigned char byteAt(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

bool isFullWidthSpace(std::string_view s, std::size_t i, std::size_t n) {
    return n == 2 && byteAt(s, i) == 0xA1 && byteAt(s, i + 1) == 0xA1;
}

bool isSpaceAt(std::string_view s, std::size_t i, std::size_t n) {
    return (n == 1 && s[i] == ' ') || isFullWidthSpace(s, i, n);
}

// Start offsets of every character, so trailing runs can be found without scanning backwards
// through two-byte characters (a second byte may look like anything).
std::vector<std::size_t> characterStarts(std::string_view s) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i)) {
        starts.push_back(i);
    }
    return starts;
}

bool isWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct LeadingNumber {
    bool negative = false;
    std::string_view digits;
    std::string_view fraction;
};

// White space, a sign, digits, a point and digits, each optional, from the start of a
// half-width text; the views point into `half`.
LeadingNumber leadingNumber(std::string_view half) {
    LeadingNumber number;
    std::size_t i = 0;
    while (i < half.size() && isWhite(half[i])) {
        ++i;
    }
    if (i < half.size() && (half[i] == '+' || half[i] == '-')) {
        number.negative = half[i] == '-';
        ++i;
    }
    const auto digitRun = [&] {
        const std::size_t first = i;
        while (i < half.size() && isDigit(half[i])) {
            ++i;
        }
        return half.substr(first, i - first);
    };
    number.digits = digitRun();
    if (i < half.size() && half[i] == '.') {
        ++i;
        number.fraction = digitRun();
    }
    return number;
}

} // namespace

std::size_t charLength(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) {
        return 0;
    }
    return (byteAt(s, pos) >= 0x80 && pos + 1 < s.size()) ? 2 : 1;
}

Text removeSpaces(std::string_view s) {
    Text out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = charLength(s, i);
        if (!isSpaceAt(s, i, n)) {
            out.append(s.substr(i, n));
        }
        i += n;
    }
    return out;
}

Text trim(std::string_view s) {
    const std::vector<std::size_t> starts = characterStarts(s);
    std::size_t first = 0;
    while (first < starts.size() && isSpaceAt(s, starts[first], charLength(s, starts[first]))) {
        ++first;
    }
    std::size_t last = starts.size();
    while (last > first && isSpaceAt(s, starts[last - 1], charLength(s, starts[last - 1]))) {
        --last;
    }
    if (first == last) {
        return {};
    }
    const std::size_t begin = starts[first];
    const std::size_t end = last < starts.size() ? starts[last] : s.size();
    return Text(s.substr(begin, end - begin));
}

Text toLower(std::string_view s) {
    Text out(s);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t n = charLength(out, i);
        if (n == 1 && out[i] >= 'A' && out[i] <= 'Z') {
            out[i] = static_cast<char>(out[i] - 'A' + 'a');
        }
        i += n;
    }
    return out;
}

Text toHalfWidth(std::string_view s) {
    Text out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = charLength(s, i);
        if (n == 2) {
            const unsigned char lead = byteAt(s, i);
            const unsigned char trail = byteAt(s, i + 1);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
                out += static_cast<char>(trail - 0xA1 + 0x21);
            } else if (lead == 0xA1 && trail == 0xA1) {
                out += ' ';
            } else if (lead == 0xA1 && trail == 0xAB) {
                out += '~';
            } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
                out += '*';
            } else {
                out.append(s.substr(i, n));
            }
        } else {
            out += s[i];
        }
        i += n;
    }
    return out;
}

std::vector<Text> split(std::string_view s, std::string_view separator) {
    std::vector<Text> members;
    if (s.empty()) {
        return members;
    }
    if (separator.empty()) {
        members.emplace_back(s);
        return members;
    }
    std::size_t memberStart = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.substr(i, separator.size()) == separator) {
            members.emplace_back(s.substr(memberStart, i - memberStart));
            i += separator.size();
            memberStart = i;
        } else {
            i += charLength(s, i);
        }
    }
    if (memberStart < s.size()) {
        members.emplace_back(s.substr(memberStart));
    }
    return members;
}

std::optional<std::size_t> find(std::string_view haystack, std::string_view needle, std::size_t start) {
    if (haystack.empty()) {
        return std::nullopt;
    }
    if (needle.empty()) {
        return 1;
    }
    const std::size_t from = start == 0 ? 0 : start - 1;
    for (std::size_t i = 0; i < haystack.size(); i += charLength(haystack, i)) {
        if (i >= from && haystack.substr(i, needle.size()) == needle) {
            return i + 1;
        }
    }
    return std::nullopt;
}

std::int32_t toInteger(std::string_view s) {
    const Text half = toHalfWidth(s);
    const LeadingNumber number = leadingNumber(half);
    // Digit by digit: read through a double, a long fraction such as .99999999999999999 would
    // round the integer part up.
    constexpr std::int64_t beyondRange = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char digit : number.digits) {
        magnitude = std::min(magnitude * 10 + (digit - '0'), beyondRange);
    }
    const std::int64_t value = number.negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

double toNumber(std::string_view s) {
    const Text half = toHalfWidth(s);
    const LeadingNumber number = leadingNumber(half);
    if (number.digits.empty() && number.fraction.empty()) {
        return 0.0;
    }
    const Text literal = (number.digits.empty() ? Text("0") : Text(number.digits)) + "." +
                         (number.fraction.empty() ? Text("0") : Text(number.fraction));
    // from_chars, unlike strtod, ignores the locale Qt sets for the process.
    double value = 0.0;
    const auto result = std::from_chars(literal.data(), literal.data() + literal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large (an integer part) or too small (only a fraction) for a double.
        value = number.digits.find_first_not_of('0') != std::string_view::npos
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return number.negative ? -value : value;
}

Text numberToText(std::int64_t n) {
    return std::to_string(n);
}

Text numberToText(double n) {
    if (std::isnan(n)) {
        return "0";
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n, std::chars_format::general, 13);
    Text out(buffer, result.ptr);
    if (out == "-0") {
        out = "0";
    }
    return out;
}

std::int32_t realToInteger(double n) {
    if (std::isnan(n)) {
        return 0;
    }
    const double truncated = std::trunc(n);
    if (truncated >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (truncated <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(truncated);
}

} // namespace text
