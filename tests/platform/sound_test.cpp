// The SDL sound service on SDL's dummy driver: what plays, what replaces what, what ends, and
// that bad files neither play nor talk.
#include "platform/codec.hpp"
#include "platform/sound_formats.hpp"
#include "platform/sound_sdl.hpp"
#include "support/temp_dir.hpp"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

using namespace std::string_view_literals;
using sound_formats::Bytes;
using Clock = std::chrono::steady_clock;

void putLe(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void putText(Bytes& out, const std::string& s) {
    out.insert(out.end(), s.begin(), s.end());
}

// Mono 16-bit PCM, silent.
Bytes silentWav(int durationMs, int rate = 22050) {
    const auto dataBytes = static_cast<std::uint32_t>(rate * durationMs / 1000 * 2);
    Bytes wav;
    putText(wav, "RIFF");
    putLe(wav, 36 + dataBytes, 4);
    putText(wav, "WAVEfmt ");
    putLe(wav, 16, 4);
    putLe(wav, 1, 2);
    putLe(wav, 1, 2);
    putLe(wav, static_cast<std::uint32_t>(rate), 4);
    putLe(wav, static_cast<std::uint32_t>(rate * 2), 4);
    putLe(wav, 2, 2);
    putLe(wav, 16, 2);
    putText(wav, "data");
    putLe(wav, dataBytes, 4);
    wav.resize(wav.size() + dataBytes, 0);
    return wav;
}

// MPEG layer III frames whose side information and main data are all zero decode as silence.
// The default header is MPEG 1, 128 kbit/s, 44.1 kHz, mono: 417 bytes a frame, 26 ms each.
Bytes silentMp3(int frames, std::array<std::uint8_t, 4> header = {0xFF, 0xFB, 0x90, 0xC0},
                std::size_t frameBytes = 417) {
    Bytes mp3;
    for (int i = 0; i < frames; ++i) {
        mp3.insert(mp3.end(), header.begin(), header.end());
        mp3.resize(mp3.size() + frameBytes - header.size(), 0);
    }
    return mp3;
}

Bytes id3v2Tag(std::size_t bodyBytes) {
    Bytes tag{'I', 'D', '3', 4, 0, 0};
    for (int shift = 21; shift >= 0; shift -= 7) {
        tag.push_back(static_cast<std::uint8_t>((bodyBytes >> shift) & 0x7F));
    }
    tag.resize(tag.size() + bodyBytes, 0);
    return tag;
}

Bytes randomBytes(std::size_t count, unsigned seed = 7) {
    std::mt19937 generator(seed);
    Bytes bytes(count);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(generator());
    }
    return bytes;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes asBytes(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

std::string asString(const Bytes& b) {
    return std::string(b.begin(), b.end());
}

long long msSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(2)) {
    const Clock::time_point end = Clock::now() + limit;
    while (!done() && Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
}

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        ::setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(SoundToneLimits, DurationFollowsTheFrequencyRangeAndTheCap) {
    constexpr int cap = SdlSoundService::maxToneDurationMs;
    static_assert(cap == 10'000);
    struct Case {
        int frequencyHz, durationMs, expectedMs;
    };
    const Case cases[] = {
        {37, 200, 200},      {32767, 200, 200},  {36, 200, 0},        {32768, 200, 0},       {0, 200, 0},
        {-440, 200, 0},      {440, 0, 0},        {440, -1, 0},        {440, 1, 1},           {440, cap, cap},
        {440, cap + 1, cap}, {440, 20'000, cap}, {440, INT_MAX, cap}, {INT_MIN, INT_MAX, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SdlSoundService::toneDurationMs(c.frequencyHz, c.durationMs), c.expectedMs)
            << c.frequencyHz << " Hz, " << c.durationMs << " ms";
    }
}

TEST(SoundFormats, RecognisesRiffWaveByItsHeader) {
    struct Case {
        const char* name;
        Bytes data;
        bool wave;
    };
    const Case cases[] = {
        {"a WAV", silentWav(10), true},
        {"a WAV header alone", asBytes("RIFF\x24\0\0\0WAVE"sv), true},
        {"a RIFF of another form", asBytes("RIFF\x24\0\0\0AVI LIST"sv), false},
        {"big-endian RIFX", asBytes("RIFX\0\0\0\x24WAVEfmt "sv), false},
        {"cut before the form", asBytes("RIFF\x24\0\0\0WAV"sv), false},
        {"empty", {}, false},
        {"an MP3", silentMp3(3), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sound_formats::isRiffWave(c.data), c.wave) << c.name;
    }
}

TEST(SoundFormats, RecognisesMp3ByFramesThatFollowEachOther) {
    const Bytes mpeg2At22kHz = silentMp3(5, {0xFF, 0xF3, 0x80, 0xC0}, 208);
    const Bytes withPadding = silentMp3(1, {0xFF, 0xFB, 0x92, 0xC0}, 418) + silentMp3(4);
    Bytes rateChanges;
    for (int i = 0; i < 4; ++i) {
        rateChanges = rateChanges + silentMp3(1) + silentMp3(1, {0xFF, 0xFB, 0x94, 0xC0}, 384);
    }
    struct Case {
        const char* name;
        Bytes data;
        bool mp3;
    };
    const Case cases[] = {
        {"MPEG 1 frames", silentMp3(10), true},
        {"MPEG 2 frames at 22.05 kHz", mpeg2At22kHz, true},
        {"a padded frame first", withPadding, true},
        {"behind an ID3v2 tag", id3v2Tag(300) + silentMp3(10), true},
        {"behind two ID3v2 tags and zero padding", id3v2Tag(20) + id3v2Tag(5) + Bytes(64, 0) + silentMp3(4),
         true},
        {"exactly one frame", silentMp3(1), false},
        {"exactly two frames", silentMp3(2), true},
        {"a frame and a half",
         [] {
             Bytes b = silentMp3(2);
             b.resize(417 + 200);
             return b;
         }(),
         false},
        {"cut inside a frame", randomBytes(300) + silentMp3(10), true},
        {"after too much of something else", randomBytes(5000) + silentMp3(10), false},
        {"frames at the wrong distance", silentMp3(10, {0xFF, 0xFB, 0x90, 0xC0}, 400), false},
        {"the sample rate changes from frame to frame", rateChanges, false},
        {"free format", silentMp3(10, {0xFF, 0xFB, 0x00, 0xC0}, 417), false},
        {"layer II", silentMp3(10, {0xFF, 0xFD, 0x90, 0xC0}, 417), false},
        {"reserved MPEG version", silentMp3(10, {0xFF, 0xEB, 0x90, 0xC0}, 417), false},
        {"an ID3v2 tag and noise", id3v2Tag(100) + randomBytes(4096), false},
        {"noise", randomBytes(65536), false},
        {"a WAV", silentWav(200), false},
        {"text", asBytes(std::string(2000, 'x')), false},
        {"empty", {}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sound_formats::isMp3(c.data), c.mp3) << c.name;
    }
}

TEST(SoundFormats, SineWavHasTheAskedPitchLengthAndLevelAndStartsWithoutAClick) {
    struct Case {
        int frequencyHz, durationMs, rate;
    };
    for (const Case c : {Case{440, 200, 44100}, Case{1000, 100, 22050}, Case{37, 500, 48000}}) {
        SCOPED_TRACE(std::to_string(c.frequencyHz) + " Hz at " + std::to_string(c.rate));
        const Bytes wav = sound_formats::sineWav(c.frequencyHz, c.durationMs, c.rate);
        ASSERT_GE(wav.size(), 44u);
        ASSERT_TRUE(sound_formats::isRiffWave(wav));
        auto le = [&](std::size_t at, int bytes) {
            std::uint32_t v = 0;
            for (int i = bytes - 1; i >= 0; --i) {
                v = v << 8 | wav[at + static_cast<std::size_t>(i)];
            }
            return v;
        };
        EXPECT_EQ(le(20, 2), 1u);                                 // PCM
        EXPECT_EQ(le(22, 2), 1u);                                 // mono
        EXPECT_EQ(le(24, 4), static_cast<std::uint32_t>(c.rate)); // sample rate
        EXPECT_EQ(le(34, 2), 16u);                                // bits
        const std::size_t samples = static_cast<std::size_t>(c.rate) * c.durationMs / 1000;
        ASSERT_EQ(le(40, 4), samples * 2);
        ASSERT_EQ(wav.size(), 44 + samples * 2);

        std::vector<int> pcm(samples);
        for (std::size_t i = 0; i < samples; ++i) {
            pcm[i] = static_cast<std::int16_t>(le(44 + 2 * i, 2));
        }
        int crossings = 0;
        int peak = 0;
        for (std::size_t i = 1; i < samples; ++i) {
            crossings += (pcm[i - 1] < 0) != (pcm[i] < 0);
            peak = std::max(peak, std::abs(pcm[i]));
        }
        const double expectedCrossings = 2.0 * c.frequencyHz * c.durationMs / 1000;
        EXPECT_NEAR(crossings, expectedCrossings, 2);
        EXPECT_GT(peak, 32767 / 4);
        EXPECT_LT(peak, 32767 * 3 / 4);
        EXPECT_LT(std::abs(pcm.front()), 200);
        EXPECT_LT(std::abs(pcm.back()), 200);
    }
}

TEST(SoundFormats, SineWavIsSilentAtOrAboveHalfTheSampleRate) {
    for (const int frequencyHz : {22050, 30000, 32767}) {
        const Bytes wav = sound_formats::sineWav(frequencyHz, 100, 44100);
        ASSERT_EQ(wav.size(), 44u + 4410 * 2) << frequencyHz;
        EXPECT_TRUE(std::all_of(wav.begin() + 44, wav.end(), [](std::uint8_t b) { return b == 0; }))
            << frequencyHz;
    }
}

class SoundPlayback : public ::testing::Test {
protected:
    // Writes the file and gives its path as a system text with "\" separators.
    Text put(const std::string& name, const Bytes& bytes) {
        dir.write(name, asString(bytes));
        return at(name);
    }
    Text at(const std::string& name) const {
        std::string path = dir.file(name);
        std::replace(path.begin(), path.end(), '/', '\\');
        return codec::gbk(path);
    }

    TempDir dir;
    SdlSoundService sound;
};

TEST_F(SoundPlayback, AnMp3ReplacesTheOneInProgress) {
    const Text first = put("a.mp3", silentMp3(200));
    const Text second = put("b.mp3", silentMp3(200));
    sound.playMp3(first);
    ASSERT_TRUE(sound.musicPlaying());
    EXPECT_EQ(sound.musicPath(), first);
    sound.playMp3(second);
    EXPECT_TRUE(sound.musicPlaying());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(sound.musicPath(), second);
}

TEST_F(SoundPlayback, AnMp3ThatCannotPlayStillEndsTheOneInProgress) {
    sound.playMp3(put("a.mp3", silentMp3(200)));
    ASSERT_TRUE(sound.musicPlaying());
    sound.playMp3(at("missing.mp3"));
    EXPECT_FALSE(sound.musicPlaying());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(sound.musicPath(), "");
}

TEST_F(SoundPlayback, WavsOverlapEachOtherAndTheMp3AndAnMp3StopsNoWav) {
    const Text wav = put("w.wav", silentWav(3000));
    sound.playMp3(put("a.mp3", silentMp3(200)));
    sound.playWav(wav);
    sound.playWav(wav);
    EXPECT_EQ(sound.wavsPlaying(), 2);
    EXPECT_TRUE(sound.musicPlaying());
    sound.playMp3(put("b.mp3", silentMp3(200)));
    EXPECT_EQ(sound.wavsPlaying(), 2);
}

TEST_F(SoundPlayback, MoreWavsThanTheMixerHasChannelsAllPlay) {
    const Text wav = put("w.wav", silentWav(3000));
    const int channels = Mix_AllocateChannels(-1) > 0 ? Mix_AllocateChannels(-1) : 8;
    for (int i = 0; i < channels + 5; ++i) {
        sound.playWav(wav);
    }
    EXPECT_EQ(sound.wavsPlaying(), channels + 5);
}

TEST_F(SoundPlayback, StopAllEndsTheMp3AndEveryWav) {
    sound.stopAll(); // nothing has played yet
    const Text wav = put("w.wav", silentWav(3000));
    sound.playWav(wav);
    sound.playWav(wav);
    sound.playMp3(put("a.mp3", silentMp3(200)));
    ASSERT_EQ(sound.wavsPlaying(), 2);
    sound.stopAll();
    EXPECT_EQ(sound.wavsPlaying(), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_FALSE(sound.musicPlaying());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(sound.wavsHeld(), 0u);
}

TEST_F(SoundPlayback, SoundsEndOnTheirOwnAndEndedWavsAreFreed) {
    const Text shortWav = put("short.wav", silentWav(60));
    sound.playMp3(put("short.mp3", silentMp3(4)));
    for (int i = 0; i < 3; ++i) {
        sound.playWav(shortWav);
    }
    ASSERT_TRUE(waitUntil([&] { return sound.wavsPlaying() == 0 && !sound.musicPlaying(); }));
    EXPECT_EQ(sound.musicPath(), "");
    sound.playWav(put("long.wav", silentWav(3000)));
    EXPECT_EQ(sound.wavsHeld(), 1u);
    EXPECT_EQ(sound.wavsPlaying(), 1);
}

TEST_F(SoundPlayback, AToneBlocksForItsDurationAndStopsNothing) {
    sound.playWav(put("w.wav", silentWav(3000)));
    // 32767 Hz cannot be played at the output rate and is silent, but it blocks all the same.
    for (const int frequencyHz : {440, 32767}) {
        const Clock::time_point start = Clock::now();
        sound.tone(frequencyHz, 200);
        const long long elapsed = msSince(start);
        EXPECT_GE(elapsed, 180) << frequencyHz;
        EXPECT_LT(elapsed, 2000) << frequencyHz;
    }
    EXPECT_EQ(sound.wavsPlaying(), 1);
    EXPECT_EQ(Mix_Playing(-1), 1); // the tone's channel is free again
}

TEST_F(SoundPlayback, AToneOutsideTheRangeReturnsAtOnce) {
    struct Case {
        int frequencyHz, durationMs;
    };
    for (const Case c : {Case{36, 300}, Case{32768, 300}, Case{0, 300}, Case{440, 0}, Case{440, -300}}) {
        const Clock::time_point start = Clock::now();
        sound.tone(c.frequencyHz, c.durationMs);
        EXPECT_LT(msSince(start), 100) << c.frequencyHz << " Hz, " << c.durationMs << " ms";
    }
}

TEST_F(SoundPlayback, FilesThatAreNoSoundOfTheirKindPlayNothingAndPrintNothing) {
    enum class Kind { mp3, wav };
    const Bytes noise = randomBytes(65536);
    Bytes riffNoise = asBytes("RIFF\xf8\xff\0\0WAVE"sv) + randomBytes(65524);
    struct Case {
        const char* name;
        Kind kind;
        std::optional<Bytes> content; // none: the file is not there
    };
    const Case cases[] = {
        {"missing.mp3", Kind::mp3, std::nullopt},
        {"missing.wav", Kind::wav, std::nullopt},
        {"empty.mp3", Kind::mp3, Bytes{}},
        {"empty.wav", Kind::wav, Bytes{}},
        {"noise.mp3", Kind::mp3, noise},
        {"noise.wav", Kind::wav, noise},
        {"riff-noise.wav", Kind::wav, riffNoise},
        {"text.mp3", Kind::mp3, asBytes(std::string(5000, 'a'))},
        // The MP3 decoder would refuse it too, after complaining on stderr.
        {"wav-named.mp3", Kind::mp3, silentWav(500)},
        // SDL would decode it, but a WAV path must hold a WAV.
        {"mp3-named.wav", Kind::wav, silentMp3(50)},
        {"an ID3 tag and noise.mp3", Kind::mp3, id3v2Tag(100) + noise},
        {"one-frame.mp3", Kind::mp3, silentMp3(1)},
    };
    sound.tone(440, 1); // opens the audio, so that the mixer itself can be asked below
    for (const Case& c : cases) {
        const Text path = c.content ? put(c.name, *c.content) : at(c.name);
        ::testing::internal::CaptureStderr();
        c.kind == Kind::mp3 ? sound.playMp3(path) : sound.playWav(path);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << c.name;
        EXPECT_FALSE(sound.musicPlaying()) << c.name;
        EXPECT_EQ(sound.wavsPlaying(), 0) << c.name;
        EXPECT_EQ(Mix_Playing(-1), 0) << c.name;
    }
}

TEST_F(SoundPlayback, NamesThatAreNoFilesPlayNothingAndDoNotHang) {
    dir.write("folder.wav/inside", "");
    const std::string fifo = dir.file("fifo.wav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const Text& path : {at("folder.wav"), at("fifo.wav"), Text()}) {
        sound.playWav(path);
        sound.playMp3(path);
        EXPECT_EQ(sound.wavsPlaying(), 0) << path;
        EXPECT_FALSE(sound.musicPlaying()) << path;
    }
}

TEST_F(SoundPlayback, PathsAreSystemTextsWithBackslashesAndGbkNames) {
    dir.write("错误/1.wav", asString(silentWav(2000)));
    dir.write("录音/1.mp3", asString(silentMp3(100)));
    const Text base = codec::gbk(dir.path());
    sound.playWav(base + codec::gbk("\\错误\\1.wav"));
    sound.playMp3(base + codec::gbk("\\录音\\1.mp3"));
    EXPECT_EQ(sound.wavsPlaying(), 1);
    EXPECT_TRUE(sound.musicPlaying());
}

TEST_F(SoundPlayback, PlaysTheDemoErrorSound) {
    sound.playWav(codec::gbk(VENLORIN_SOURCE_DIR "/data/Error_voice/1.wav"));
    EXPECT_EQ(sound.wavsPlaying(), 1);
}

TEST_F(SoundPlayback, ClosesTheAudioWhenDestroyedWhilePlaying) {
    const Text wav = put("w.wav", silentWav(3000));
    const Text mp3 = put("a.mp3", silentMp3(200));
    {
        SdlSoundService playing;
        playing.playMp3(mp3);
        playing.playWav(wav);
        ASSERT_TRUE(playing.musicPlaying());
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound.playWav(wav);
    EXPECT_EQ(sound.wavsPlaying(), 1);
}

TEST_F(SoundPlayback, LeavesTheTerminationSignalsToTheProgram) {
    auto handlerOf = [](int signal) {
        struct sigaction action {};
        ::sigaction(signal, nullptr, &action);
        return action.sa_handler;
    };
    const auto interrupt = handlerOf(SIGINT);
    const auto terminate = handlerOf(SIGTERM);
    sound.playWav(put("w.wav", silentWav(500)));
    ASSERT_EQ(sound.wavsPlaying(), 1);
    EXPECT_EQ(handlerOf(SIGINT), interrupt);
    EXPECT_EQ(handlerOf(SIGTERM), terminate);
}

// Without a usable device (here: a driver that does not exist, or ALSA without a sound card)
// the service falls back to the dummy driver without a word.
TEST(SoundWithoutADevice, FallsBackToTheDummyDriverSilently) {
    TempDir dir;
    dir.write("w.wav", asString(silentWav(2000)));
    for (const char* driver : {"no-such-driver", "alsa"}) {
        SCOPED_TRACE(driver);
        const ScopedEnv env("SDL_AUDIODRIVER", driver);
        ::testing::internal::CaptureStderr();
        {
            SdlSoundService sound;
            sound.playWav(dir.file("w.wav"));
            EXPECT_EQ(sound.wavsPlaying(), 1);
            const Clock::time_point start = Clock::now();
            sound.tone(440, 100);
            EXPECT_GE(msSince(start), 90);
        }
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    }
}
