#pragma once
// Paths are built as system texts (runDir + "\res\section" + N); this turns them into
// names the file system understands.
#include "platform/text.hpp"

#include <string>

namespace paths {

// "\" separators become "/" (never a second byte of a two-byte character) and the GBK
// bytes become the file system's UTF-8.
std::string toFileSystem(const Text& path);
// A file or a folder of that name exists.
bool exists(const Text& path);

// The folder of the executable as a system text, without a trailing separator.
const Text& runDir();
void setRunDir(const Text& dir);

} // namespace paths
