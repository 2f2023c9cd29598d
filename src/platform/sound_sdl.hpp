#pragma once
// The sound service on SDL_mixer: the one MP3 on the music channel, WAVs and the tone on
// sample channels. The audio device opens on first use; without one, SDL's dummy driver
// stands in, so timing and bookkeeping behave the same and nothing is heard.
#include "platform/services.hpp"

#include <SDL_mixer.h>
#include <cstddef>
#include <cstdint>
#include <vector>

class SdlSoundService final : public SoundService {
public:
    static constexpr int minToneFrequencyHz = 37;
    static constexpr int maxToneFrequencyHz = 32767;
    // A typo in the settings must not freeze the window for hours.
    static constexpr int maxToneDurationMs = 10'000;

    // How long tone() sounds and blocks: 0 when it gives no tone at all.
    static int toneDurationMs(int frequencyHz, int durationMs);

    SdlSoundService() = default;
    ~SdlSoundService() override;
    SdlSoundService(const SdlSoundService&) = delete;
    SdlSoundService& operator=(const SdlSoundService&) = delete;

    void tone(int frequencyHz, int durationMs) override;
    void playMp3(const Text& path) override;
    void playWav(const Text& path) override;
    void stopAll() override;

    // For tests.
    bool musicPlaying() const;
    // The path playMp3 was given for the MP3 that is playing; empty when none plays.
    Text musicPath() const;
    int wavsPlaying() const;
    // WAVs still held in memory, playing or waiting to be freed.
    std::size_t wavsHeld() const;

private:
    enum class Audio { notOpened, open, unavailable };

    bool openAudio();
    // On a free channel, allocating more when all are busy; -1 when it cannot play.
    int playOnFreeChannel(Mix_Chunk* chunk);
    // Finished WAVs are freed here, on our thread: the mixer's finished callback runs on the
    // audio thread, where freeing would race the mixer.
    void freeFinishedWavs();
    void freeMusic();

    Audio audio_ = Audio::notOpened;
    Mix_Music* music_ = nullptr;
    // The decoder reads the MP3 from here while it plays.
    std::vector<std::uint8_t> musicBytes_;
    Text musicPath_;
    // Indexed by channel.
    std::vector<Mix_Chunk*> wavs_;
};
