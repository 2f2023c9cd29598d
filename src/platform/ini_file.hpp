#pragma once
// INI files on disk, read whole on every access and never held open between accesses.
#include "platform/text.hpp"

#include <optional>
#include <string_view>

namespace ini {

// Absent when the file, the section or the key is absent, or the file cannot be read.
std::optional<Text> readValue(const Text& path, std::string_view section, std::string_view key);

// Sets `key` in `section`, creating the section and the file as needed. The file is replaced
// as a whole (a complete new copy renamed over it), so a failure at any point leaves the old
// file as it was. False, with nothing changed, when the value is not storable, the folder is
// missing or not writable, or the file is read-only (no write permission bit, even for root).
bool writeValue(const Text& path, std::string_view section, std::string_view key, std::string_view value);

} // namespace ini
