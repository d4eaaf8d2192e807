#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Music and sound effects as the show loop drives them. Music is addressed with MCI-like
// command strings on the alias "bgm":
//   open "PATH" alias bgm / play bgm / status bgm mode / seek bgm to start / close bgm
// and "status bgm mode" answers "stopped" once the music has played to its end. There is one
// sound-effect channel: playing a sound replaces the one still playing; purge stops it.
// Commands, replies and keys are UTF-8.
class Audio {
public:
    // Music or a sound file larger than this is not played (the show goes on silent): decoded
    // it would take several times as much memory. A quarter of an hour of CD-quality WAV fits.
    static constexpr std::int64_t kMaxFileBytes = std::int64_t(256) << 20;

    // Gives the bytes of a music or sound file named in a command, without copying them; the
    // default reads the file when it is a regular file of at most kMaxFileBytes.
    // The saver runtime answers from its package instead.
    using Resolver = std::function<std::optional<std::string_view>(const std::string& key)>;

    virtual ~Audio() = default;

    // Sends one command and returns the reply text (empty when there is none or on failure).
    virtual std::string sendCommand(const std::string& command) = 0;
    // Starts a sound effect; a missing or unplayable file plays nothing, silently.
    virtual void playSound(const std::string& key) = 0;
    // Stops every sound effect.
    virtual void purgeSounds() = 0;
};
