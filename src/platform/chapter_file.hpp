#pragma once
// Chapter files held open by file number, read line by line the way the lessons expect:
// a two-byte character is never split, LF ends a line, and a byte 0 or 26 ends the
// readable text for good.
#include "platform/text.hpp"

#include <cstddef>
#include <cstdint>

namespace chapterfile {

// Bytes fetched from the disk at a time for each open file.
inline constexpr std::size_t readBufferSize = 64 * 1024;

// Opens an existing regular file for reading and writing, held exclusively: fails while
// another process holds its lock, while this process has it open, or when it is read-only.
// Returns a file number above 0, or 0 on failure. `path` is a system text.
int open(const Text& path);
// The next line without its line break; "" at the end of the file, on a byte 0 or 26,
// and for an unknown file number.
Text readLine(int file);
// True at or past the end of the file, and for an unknown file number.
bool atEnd(int file);
// Byte offset of the next byte readLine takes; 0 for an unknown file number.
std::int64_t position(int file);
void rewind(int file);
// Releases the file and its lock; an unknown number is ignored.
void close(int file);

} // namespace chapterfile
