#pragma once

#include "player/Audio.h"
#include "runtime/windows/PrivateTempFolder.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

// The show's music and sound effects on Windows' own audio services. The music's bytes (the
// package's "bgm.mid" or "bgm.wav") are written into a private temporary folder and played with
// MCI command strings, opened as a sequencer or wave-audio device by the bytes' magic ("MThd",
// "RIFF....WAVE"), never by guessing; every other command goes to MCI as it is. Sound effects
// play from their bytes with PlaySound. Anything of another type, or larger than
// Audio::kMaxFileBytes, plays nothing.
class MciAudio : public Audio {
public:
    // Gives the bytes behind a key of the show; they must outlive this object.
    using Bytes = std::function<std::optional<std::span<const std::uint8_t>>(const std::string&)>;

    explicit MciAudio(Bytes bytes);
    ~MciAudio() override;

    MciAudio(const MciAudio&) = delete;
    MciAudio& operator=(const MciAudio&) = delete;

    std::string sendCommand(const std::string& command) override;
    void playSound(const std::string& key) override;
    void purgeSounds() override;

private:
    std::string openMusic(const std::string& key);
    std::string send(const std::wstring& command);
    std::optional<std::span<const std::uint8_t>> playable(const std::string& key) const;

    Bytes bytes_;
    PrivateTempFolder folder_;
    bool musicOpen_ = false;
};
