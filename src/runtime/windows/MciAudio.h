#pragma once

#include "player/Audio.h"
#include "runtime/windows/PrivateTempFolder.h"

#include <optional>
#include <string>
#include <string_view>

// The show's music and sound effects on Windows' own audio services. The music's bytes (the
// package's "bgm.mid" or "bgm.wav") are written into a private temporary folder and played with
// MCI command strings, opened as a sequencer or wave-audio device by the bytes' magic ("MThd",
// "RIFF....WAVE"), never by guessing; every other command goes to MCI as it is. Sound effects
// play from their bytes with PlaySound. Anything of another type, or larger than
// Audio::kMaxFileBytes, plays nothing.
class MciAudio : public Audio {
public:
    // `bytes` answers the show's keys; the bytes must outlive this object.
    explicit MciAudio(Resolver bytes);
    ~MciAudio() override;

    MciAudio(const MciAudio&) = delete;
    MciAudio& operator=(const MciAudio&) = delete;

    std::string sendCommand(const std::string& command) override;
    void playSound(const std::string& key) override;
    void purgeSounds() override;

private:
    std::string openMusic(const std::string& key);
    std::string send(const std::wstring& command);
    std::optional<std::string_view> playable(const std::string& key) const;

    Resolver bytes_;
    PrivateTempFolder folder_;
    bool musicOpen_ = false;
};
