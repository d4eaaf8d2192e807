#pragma once

#include "effects/Ticker.h"
#include "player/Audio.h"
#include "player/ShowObserver.h"

#include <optional>
#include <string>

// Audio that plays nothing and reports every call to an observer, on a given clock. Its music
// opens only a file that exists and, after "play bgm", answers "status bgm mode" with
// "playing" until `musicMs` milliseconds have passed and "stopped" from then on (never
// "stopped" without a length). With nothing open it answers nothing.
class RecordingAudio : public Audio {
public:
    RecordingAudio(Ticker& clock, ShowObserver& observer, std::optional<std::int64_t> musicMs);

    std::string sendCommand(const std::string& command) override;
    void playSound(const std::string& key) override;
    void purgeSounds() override;

    static inline const std::string kPlayingMode = "playing";
    static inline const std::string kStoppedMode = "stopped";

private:
    bool musicEnded();

    Ticker& clock_;
    ShowObserver& observer_;
    std::optional<std::int64_t> musicMs_;
    bool open_ = false;
    bool playing_ = false;
    std::int64_t playedAt_ = 0;
};
