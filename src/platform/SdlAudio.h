#pragma once

#include "player/Audio.h"

#include <QByteArray>
#include <QString>

#include <SDL_mixer.h>

#include <optional>

// Music and sound effects on SDL2_mixer. Music files are loaded by their own type (MIDI through
// FluidSynth with a General MIDI soundfont, or WAV); sound effects are WAV files played on one
// channel. The audio device is opened at the first use; when it cannot be opened, or a file is
// missing or of another type, everything stays silent.
class SdlAudio : public Audio {
public:
    // Overrides the soundfont used for MIDI music.
    static constexpr const char* kSoundFontVariable = "KREMOA_SOUNDFONT";
    static inline const QString kDefaultSoundFont =
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
    static inline const QString kFallbackSoundFont =
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2");

    // Without a resolver, files are read from disk.
    explicit SdlAudio(Resolver resolver = {});
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // "open \"PATH\" alias bgm", "play bgm", "status bgm mode" ("playing" or "stopped"; nothing
    // when no music is open), "seek bgm to start", "close bgm". Anything else is ignored.
    std::string sendCommand(const std::string& command) override;
    void playSound(const std::string& key) override;
    void purgeSounds() override;

    // The soundfont for MIDI: the variable's value when set, else the first default present.
    static QString soundFont();

private:
    bool deviceReady();
    void openMusic(const QString& path);
    void closeMusic();
    std::optional<QByteArray> bytesOf(const QString& path) const;

    enum class Device { Closed, Open, Failed };

    Resolver resolver_;
    Device device_ = Device::Closed;
    QByteArray musicBytes_;  // read by the mixer while the music plays
    Mix_Music* music_ = nullptr;
    Mix_Chunk* sound_ = nullptr;
};
