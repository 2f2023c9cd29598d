#include "platform/sound_sdl.hpp"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#if defined(__linux__)
#include <dlfcn.h>
#endif

#include "platform/paths.hpp"
#include "platform/sound_formats.hpp"
#include "platform/whole_file.hpp"

namespace {

using sound_formats::Bytes;
using Clock = std::chrono::steady_clock;

constexpr int outputRate = 44100;
// Far beyond any recording or error sound; a larger file is not read into memory.
constexpr std::size_t maxSoundFileBytes = 256u << 20;

std::optional<Bytes> readSoundFile(const Text& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    const wholefile::Contents file = wholefile::read(paths::toFileSystem(path), maxSoundFileBytes);
    if (file.status != wholefile::Contents::Status::read) {
        return std::nullopt;
    }
    return Bytes(file.bytes.begin(), file.bytes.end());
}

SDL_RWops* readerOf(const Bytes& bytes) {
    return SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
}

#if defined(__linux__)
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
#endif

// Without a sound card ALSA prints its failure to stderr before SDL moves on to the next
// driver. The library stays loaded so that the silent handler stays in place.
void silenceAlsaErrors() {
#if defined(__linux__)
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY);
    if (alsa == nullptr) {
        return;
    }
    if (auto* setHandler =
            reinterpret_cast<int (*)(ErrorHandler)>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        setHandler(ignoreAlsaError);
    }
#endif
}

bool openDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(outputRate, AUDIO_S16SYS, 2, 1024) == 0) {
        return true;
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

bool openDummyDevice() {
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = openDevice();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return opened;
}

bool stillPlaying(int channel, const Mix_Chunk* chunk) {
    return Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == chunk;
}

} // namespace

int SdlSoundService::toneDurationMs(int frequencyHz, int durationMs) {
    if (frequencyHz < minToneFrequencyHz || frequencyHz > maxToneFrequencyHz || durationMs <= 0) {
        return 0;
    }
    return std::min(durationMs, maxToneDurationMs);
}

SdlSoundService::~SdlSoundService() {
    if (audio_ != Audio::open) {
        return;
    }
    stopAll();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundService::openAudio() {
    if (audio_ == Audio::notOpened) {
        // SDL would otherwise take SIGINT and SIGTERM over, and they would no longer end the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        silenceAlsaErrors();
        audio_ = openDevice() || openDummyDevice() ? Audio::open : Audio::unavailable;
    }
    return audio_ == Audio::open;
}

void SdlSoundService::tone(int frequencyHz, int durationMs) {
    const int ms = toneDurationMs(frequencyHz, durationMs);
    if (ms == 0) {
        return;
    }
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    Mix_Chunk* chunk = nullptr;
    int channel = -1;
    if (openAudio()) {
        int rate = outputRate;
        Mix_QuerySpec(&rate, nullptr, nullptr);
        const Bytes wav = sound_formats::sineWav(frequencyHz, ms, rate);
        chunk = Mix_LoadWAV_RW(readerOf(wav), 1);
        channel = chunk != nullptr ? playOnFreeChannel(chunk) : -1;
    }
    // The clock, not the device, decides the length, so the wait is the same without sound.
    std::this_thread::sleep_until(end);
    // The device may run a buffer behind the clock; let it finish the tone, within reason.
    const Clock::time_point latest = end + std::chrono::milliseconds(250);
    while (channel >= 0 && stillPlaying(channel, chunk) && Clock::now() < latest) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (chunk != nullptr) {
        Mix_FreeChunk(chunk);
    }
}

void SdlSoundService::playMp3(const Text& path) {
    freeMusic();
    std::optional<Bytes> bytes = readSoundFile(path);
    // The decoder would print its complaints about a file that is no MP3 on stderr.
    if (!bytes || !sound_formats::isMp3(*bytes) || !openAudio()) {
        return;
    }
    musicBytes_ = std::move(*bytes);
    music_ = Mix_LoadMUSType_RW(readerOf(musicBytes_), MUS_MP3, 1);
    if (music_ == nullptr || Mix_PlayMusic(music_, 1) != 0) {
        freeMusic();
        return;
    }
    musicPath_ = path;
}

void SdlSoundService::playWav(const Text& path) {
    freeFinishedWavs();
    const std::optional<Bytes> bytes = readSoundFile(path);
    if (!bytes || !sound_formats::isRiffWave(*bytes) || !openAudio()) {
        return;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(readerOf(*bytes), 1);
    if (chunk == nullptr) {
        return;
    }
    const int channel = playOnFreeChannel(chunk);
    if (channel < 0) {
        Mix_FreeChunk(chunk);
        return;
    }
    const auto index = static_cast<std::size_t>(channel);
    if (wavs_.size() <= index) {
        wavs_.resize(index + 1, nullptr);
    }
    // A WAV that ended on this channel since the sweep above.
    if (wavs_[index] != nullptr) {
        Mix_FreeChunk(wavs_[index]);
    }
    wavs_[index] = chunk;
}

void SdlSoundService::stopAll() {
    if (audio_ != Audio::open) {
        return;
    }
    Mix_HaltChannel(-1);
    freeMusic();
    freeFinishedWavs();
}

int SdlSoundService::playOnFreeChannel(Mix_Chunk* chunk) {
    const int channel = Mix_PlayChannel(-1, chunk, 0);
    if (channel >= 0) {
        return channel;
    }
    Mix_AllocateChannels(std::max(8, 2 * Mix_AllocateChannels(-1)));
    return Mix_PlayChannel(-1, chunk, 0);
}

void SdlSoundService::freeFinishedWavs() {
    for (std::size_t channel = 0; channel < wavs_.size(); ++channel) {
        Mix_Chunk*& chunk = wavs_[channel];
        if (chunk != nullptr && !stillPlaying(static_cast<int>(channel), chunk)) {
            Mix_FreeChunk(chunk);
            chunk = nullptr;
        }
    }
}

void SdlSoundService::freeMusic() {
    if (music_ != nullptr) {
        Mix_FreeMusic(music_); // halts it first when it plays
        music_ = nullptr;
    }
    musicBytes_ = {};
    musicPath_.clear();
}

bool SdlSoundService::musicPlaying() const {
    return audio_ == Audio::open && music_ != nullptr && Mix_PlayingMusic() != 0;
}

Text SdlSoundService::musicPath() const {
    return musicPlaying() ? musicPath_ : Text();
}

int SdlSoundService::wavsPlaying() const {
    int playing = 0;
    for (std::size_t channel = 0; channel < wavs_.size(); ++channel) {
        if (wavs_[channel] != nullptr && stillPlaying(static_cast<int>(channel), wavs_[channel])) {
            ++playing;
        }
    }
    return playing;
}

std::size_t SdlSoundService::wavsHeld() const {
    return static_cast<std::size_t>(
        std::count_if(wavs_.begin(), wavs_.end(), [](const Mix_Chunk* c) { return c; }));
}
