#pragma once

#include "effects/ProgramState.h"
#include "effects/Ticker.h"
#include "player/Audio.h"
#include "player/CanvasFactory.h"
#include "player/PixelImage.h"
#include "player/ShowObserver.h"
#include "player/ShowSource.h"
#include "player/ShowStage.h"

#include <string_view>

// The slide show from start to clean-up (the player's `Form_Load`): shows slide 0, then per
// pass composes the outgoing and incoming frames, waits out the display time, starts the new
// slide's sound and runs the transition of the slide being left, and keeps the music going,
// until StopRequested is set. Owns the four surfaces `Picture1` (screen), `NowPicture`,
// `NextPicture` and `MemPicture`; the first three come from the canvas factory.
class ShowLoop {
public:
    ShowLoop(const ShowSource& source, Audio& audio, Ticker& ticker, ProgramState& state,
             ShowStage& stage, ShowObserver& observer, CanvasFactory& canvases);

    // Runs the whole show; returns after a stop, with music closed, sounds purged and the
    // stage closed. A show without slides, or stopped from outside before it began, returns at
    // once.
    void run();

    // The visible canvas.
    const PixelImage& screen() const { return screen_; }

    static constexpr std::string_view kStoppedMode = "stopped";

private:
    void start();
    void pass();
    void cleanUp();
    void checkMusic();
    void presentWhole();
    int nextIndex(int index) const;

    const ShowSource& source_;
    Audio& audio_;
    Ticker& ticker_;
    ProgramState& state_;
    ShowStage& stage_;
    ShowObserver& observer_;
    CanvasFactory& canvases_;

    PixelImage screen_;    // Picture1
    PixelImage outgoing_;  // NowPicture
    PixelImage incoming_;  // NextPicture
    PixelImage picture_;   // MemPicture
    int CurrentSlideIndex = 0;
    int passCount_ = 0;
};
