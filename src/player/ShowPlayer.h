#pragma once

#include "effects/ProgramState.h"
#include "effects/Ticker.h"
#include "player/Audio.h"
#include "player/PlayerWindow.h"
#include "player/ShowSource.h"

#include <functional>

// Plays a show in a fresh player window until it is stopped: by input in the window, or from
// outside by setting StopRequested (and waking the ticker, when it sleeps). The preview and
// the saver runtime both play through here, each with its own source, audio and ticker.
class ShowPlayer {
public:
    // `onStop` runs after input in the window has set StopRequested.
    static void play(const ShowSource& source, Audio& audio, Ticker& ticker, ProgramState& state,
                     const PlayerWindow::Options& options, std::function<void()> onStop = {});
};
