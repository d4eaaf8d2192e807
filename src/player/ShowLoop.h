#pragma once

#include "effects/ProgramState.h"
#include "effects/Ticker.h"
#include "player/Audio.h"
#include "player/ShowObserver.h"
#include "player/ShowSource.h"
#include "player/ShowStage.h"

#include <QImage>
#include <QString>

// The slide show from start to clean-up (the player's `Form_Load`): shows slide 0, then per
// pass composes the outgoing and incoming frames, waits out the display time, starts the new
// slide's sound and runs the transition of the slide being left, and keeps the music going,
// until StopRequested is set. Owns the four surfaces `Picture1` (screen), `NowPicture`,
// `NextPicture` and `MemPicture`.
class ShowLoop {
public:
    ShowLoop(const ShowSource& source, Audio& audio, Ticker& ticker, ProgramState& state,
             ShowStage& stage, ShowObserver& observer);

    // Runs the whole show; returns after a stop, with music closed, sounds purged and the
    // stage closed. A show without slides, or stopped from outside before it began, returns at
    // once.
    void run();

    // The visible canvas.
    const QImage& screen() const { return screen_; }

    static inline const QString kStoppedMode = QStringLiteral("stopped");

private:
    void start();
    void pass();
    void cleanUp();
    void checkMusic();
    QImage decodedPicture(int index) const;
    int nextIndex(int index) const;

    const ShowSource& source_;
    Audio& audio_;
    Ticker& ticker_;
    ProgramState& state_;
    ShowStage& stage_;
    ShowObserver& observer_;

    QImage screen_;    // Picture1
    QImage outgoing_;  // NowPicture
    QImage incoming_;  // NextPicture
    QImage picture_;   // MemPicture
    int CurrentSlideIndex = 0;
    int passCount_ = 0;
};
