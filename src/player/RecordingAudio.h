#pragma once

#include "effects/Ticker.h"
#include "player/Audio.h"
#include "player/ShowObserver.h"

#include <QString>

#include <optional>

// Audio that plays nothing and reports every call to an observer, on a given clock. Its music
// opens only a file that exists and, after "play bgm", answers "status bgm mode" with
// "playing" until `musicMs` milliseconds have passed and "stopped" from then on (never
// "stopped" without a length). With nothing open it answers nothing.
class RecordingAudio : public Audio {
public:
    RecordingAudio(Ticker& clock, ShowObserver& observer, std::optional<qint64> musicMs);

    QString sendCommand(const QString& command) override;
    void playSound(const QString& path) override;
    void purgeSounds() override;

    static inline const QString kPlayingMode = QStringLiteral("playing");
    static inline const QString kStoppedMode = QStringLiteral("stopped");

private:
    bool musicEnded();

    Ticker& clock_;
    ShowObserver& observer_;
    std::optional<qint64> musicMs_;
    bool open_ = false;
    bool playing_ = false;
    qint64 playedAt_ = 0;
};
