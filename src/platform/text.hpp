#pragma once
// Texts of the system are GBK (code page 936) byte strings: a byte >= 0x80 starts a
// two-byte character, positions and lengths count bytes. These helpers never split
// a two-byte character.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;

namespace text {

// Length in bytes of the character starting at `pos` (1, or 2 for a lead byte that has a
// second byte after it; a lead byte at the very end stands alone).
std::size_t charLength(std::string_view s, std::size_t pos);

// Deletes every half-width space (0x20) and full-width space (A1 A1).
Text removeSpaces(std::string_view s);
// Deletes the leading and trailing runs of those two spaces, nothing else.
Text trim(std::string_view s);
// ASCII A-Z to a-z; two-byte characters pass unchanged.
Text toLower(std::string_view s);
// Full-width forms A3 A1..A3 FE to ASCII 0x21..0x7E, A1 A1 to a space, A1 AB to "~",
// A1 EE and A1 EF to "*".
Text toHalfWidth(std::string_view s);
// Every separator ends a member; a trailing separator gives no empty last member;
// an empty text gives no members.
std::vector<Text> split(std::string_view s, std::string_view separator);
// 1-based position of the first match at or after 1-based `start`, only at character
// boundaries; an empty sought text is found at 1 in a non-empty text.
std::optional<std::size_t> find(std::string_view haystack, std::string_view needle, std::size_t start = 1);
// Leading decimal integer after full-width to half-width conversion; 0 without digits.
// Clamped to the 32-bit range.
std::int32_t toInteger(std::string_view s);
// Leading decimal real number after full-width to half-width conversion; 0 without digits.
double toNumber(std::string_view s);
Text numberToText(std::int64_t n);
inline Text numberToText(std::int32_t n) {
    return numberToText(static_cast<std::int64_t>(n));
}
// At most 13 significant digits, no trailing zeros or point: 2 -> "2", 2.5 -> "2.5".
Text numberToText(double n);
// Truncation toward zero, clamped to the 32-bit range.
std::int32_t realToInteger(double n);

} // namespace text
