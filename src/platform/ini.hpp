#pragma once
// INI texts: "[section]" lines open a section, "key=value" lines inside one hold a key.
// Names match without regard to ASCII case; a value is the text after the first "=",
// without the blanks (space, tab) around it. Nothing else of the format means anything,
// and every line that an edit does not touch is kept byte for byte.
#include "platform/text.hpp"

#include <optional>
#include <string_view>

namespace ini {

// The value of the first `key` found in the blocks named `section`, in file order.
std::optional<Text> find(std::string_view contents, std::string_view section, std::string_view key);

// False for names and values that could not be read back as written: a line break anywhere,
// an empty or blank-padded name, "=" in a key or a key that would read as a section line,
// "]" in a section name.
bool isStorable(std::string_view section, std::string_view key, std::string_view value);

// `contents` with `key` set to `value`: the first occurrence that `find` would read is
// replaced; a new key goes after the last key of the first block of `section`; a new section
// goes at the end. New lines use the file's first line ending, CR LF in a file without one.
// Requires isStorable(section, key, value).
Text withValue(std::string_view contents, std::string_view section, std::string_view key,
               std::string_view value);

} // namespace ini
