#pragma once
// Recognising the two kinds of sound file we play, before a decoder sees them, and writing
// the tone we generate as a WAV in memory.
#include <cstdint>
#include <span>
#include <vector>

namespace sound_formats {

using Bytes = std::vector<std::uint8_t>;

// A RIFF file of form type WAVE. Whether its chunks hold sound is the WAV loader's business.
bool isRiffWave(std::span<const std::uint8_t> data);

// MPEG audio layer III: after any ID3v2 tags and at most a few kilobytes of anything else,
// three frames whose headers agree and follow each other at the lengths they state, or two
// that end exactly at the end of the data.
bool isMp3(std::span<const std::uint8_t> data);

// A mono 16-bit PCM WAV of a sine wave with a short fade at both ends, so that it does not
// click. Silent when the frequency cannot be represented at this sample rate.
Bytes sineWav(int frequencyHz, int durationMs, int sampleRate);

} // namespace sound_formats
