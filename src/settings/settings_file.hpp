#pragma once
// The settings file "log.ini" beside the program, read and written one key at a time.
#include "platform/text.hpp"

// The marker default: a read that gives it back found no value.
const Text& MISSING();

// The value of `key` in `section`, or `fallback` when the file, the section or the key is
// absent; at most 10,239 bytes. The file is read anew on every call.
Text readSetting(const Text& section, const Text& key, const Text& fallback);
// Stores `value` exactly; a failed write is silent and leaves the old file.
void writeSetting(const Text& section, const Text& key, const Text& value);

void reloadReadingMode();
void reloadSpeechEngine();
