#include "platform/sound_formats.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <optional>
#include <string_view>

namespace sound_formats {

namespace {

bool startsWith(std::span<const std::uint8_t> data, std::size_t pos, std::string_view magic) {
    return pos + magic.size() <= data.size() &&
           std::equal(magic.begin(), magic.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
                      [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
}

std::size_t afterId3v2Tags(std::span<const std::uint8_t> data) {
    std::size_t pos = 0;
    while (startsWith(data, pos, "ID3") && pos + 10 <= data.size()) {
        std::size_t size = 0;
        for (std::size_t i = pos + 6; i < pos + 10; ++i) {
            if (data[i] >= 0x80) {
                return pos; // not a synchsafe size, so not a tag
            }
            size = size << 7 | data[i];
        }
        const bool hasFooter = (data[pos + 5] & 0x10) != 0;
        pos += 10 + size + (hasFooter ? 10 : 0);
    }
    return pos;
}

struct FrameHeader {
    int version; // 3 = MPEG 1, 2 = MPEG 2, 0 = MPEG 2.5
    int sampleRate;
    std::size_t length;
};

std::optional<FrameHeader> layer3FrameAt(std::span<const std::uint8_t> data, std::size_t pos) {
    if (pos + 4 > data.size() || data[pos] != 0xFF || (data[pos + 1] & 0xE0) != 0xE0) {
        return std::nullopt;
    }
    const int version = (data[pos + 1] >> 3) & 3;
    const int layer = (data[pos + 1] >> 1) & 3;
    const int bitrateIndex = data[pos + 2] >> 4;
    const int rateIndex = (data[pos + 2] >> 2) & 3;
    const int padding = (data[pos + 2] >> 1) & 1;
    // Free-format streams (bitrate index 0) cannot be followed frame by frame; they are refused.
    if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) {
        return std::nullopt;
    }
    static constexpr std::array<int, 15> mpeg1Kbps{0,   32,  40,  48,  56,  64,  80, 96,
                                                   112, 128, 160, 192, 224, 256, 320};
    static constexpr std::array<int, 15> mpeg2Kbps{0,  8,  16, 24,  32,  40,  48, 56,
                                                   64, 80, 96, 112, 128, 144, 160};
    static constexpr std::array<int, 3> mpeg1Rates{44100, 48000, 32000};
    const bool mpeg1 = version == 3;
    const int sampleRate = mpeg1Rates[static_cast<std::size_t>(rateIndex)] / (mpeg1          ? 1
                                                                              : version == 2 ? 2
                                                                                             : 4);
    const int kbps = (mpeg1 ? mpeg1Kbps : mpeg2Kbps)[static_cast<std::size_t>(bitrateIndex)];
    const int samplesPerFrameBy8 = mpeg1 ? 144 : 72;
    return FrameHeader{version, sampleRate,
                       static_cast<std::size_t>(samplesPerFrameBy8 * kbps * 1000 / sampleRate + padding)};
}

// Three frames whose headers agree and follow each other at the lengths they state, or two
// that end the data. A lone frame is refused: the decoder takes it for a broken stream.
bool framesFollowFrom(std::span<const std::uint8_t> data, std::size_t pos) {
    const std::optional<FrameHeader> first = layer3FrameAt(data, pos);
    if (!first) {
        return false;
    }
    for (int frame = 0; frame < 3; ++frame) {
        if (pos == data.size() && frame == 2) {
            return true;
        }
        const std::optional<FrameHeader> header = layer3FrameAt(data, pos);
        if (!header || header->version != first->version || header->sampleRate != first->sampleRate) {
            return false;
        }
        pos += header->length;
    }
    return true;
}

void putLe(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void putTag(Bytes& out, std::string_view tag) {
    for (const char c : tag) {
        out.push_back(static_cast<std::uint8_t>(c));
    }
}

} // namespace

bool isRiffWave(std::span<const std::uint8_t> data) {
    return startsWith(data, 0, "RIFF") && startsWith(data, 8, "WAVE");
}

bool isMp3(std::span<const std::uint8_t> data) {
    // Recordings cut out of a longer stream may begin inside a frame, and some taggers pad
    // beyond the tag; more than this is not a stream that merely starts untidily.
    constexpr std::size_t maxLeadingJunk = 4096;
    const std::size_t start = afterId3v2Tags(data);
    const std::size_t end = std::min(data.size(), start + maxLeadingJunk);
    for (std::size_t pos = start; pos < end; ++pos) {
        if (framesFollowFrom(data, pos)) {
            return true;
        }
    }
    return false;
}

Bytes sineWav(int frequencyHz, int durationMs, int sampleRate) {
    const auto samples = static_cast<std::size_t>(std::int64_t{sampleRate} * std::max(durationMs, 0) / 1000);
    const std::size_t fade = std::min<std::size_t>(static_cast<std::size_t>(sampleRate) / 200, samples / 2);
    // At or above half the sample rate a sine would alias to a wrong, audible pitch.
    const bool representable = 2 * std::int64_t{frequencyHz} < sampleRate;
    constexpr double amplitude = 0.4 * 32767;
    const auto dataBytes = static_cast<std::uint32_t>(samples * 2);

    Bytes wav;
    wav.reserve(44 + dataBytes);
    putTag(wav, "RIFF");
    putLe(wav, 36 + dataBytes, 4);
    putTag(wav, "WAVE");
    putTag(wav, "fmt ");
    putLe(wav, 16, 4);
    putLe(wav, 1, 2); // PCM
    putLe(wav, 1, 2); // mono
    putLe(wav, static_cast<std::uint32_t>(sampleRate), 4);
    putLe(wav, static_cast<std::uint32_t>(sampleRate) * 2, 4);
    putLe(wav, 2, 2);
    putLe(wav, 16, 2);
    putTag(wav, "data");
    putLe(wav, dataBytes, 4);
    for (std::size_t i = 0; i < samples; ++i) {
        double value = 0;
        if (representable) {
            const double edge = static_cast<double>(std::min(i, samples - 1 - i));
            const double gain = fade == 0 ? 1.0 : std::min(1.0, edge / static_cast<double>(fade));
            value = amplitude * gain *
                    std::sin(2 * std::numbers::pi * frequencyHz * static_cast<double>(i) / sampleRate);
        }
        putLe(wav, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(value))), 2);
    }
    return wav;
}

} // namespace sound_formats
