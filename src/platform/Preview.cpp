#include "platform/Preview.h"

#include "platform/EventLoopTicker.h"
#include "platform/SdlAudio.h"
#include "platform/TerminationWatcher.h"
#include "player/EditableShowSource.h"
#include "player/ShowPlayer.h"

#include <memory>

int Preview::run(const EditableShow& show, ProgramState& state, const StopSignals::Handle* stop)
{
    const EditableShowSource source(show);
    if (source.slideCount() == 0) {
        return kNothingToShow;
    }
    SdlAudio audio;
    EventLoopTicker ticker;
    std::unique_ptr<TerminationWatcher> watcher;
    if (stop != nullptr) {
        state.followOutsideStop(stop->asked);
        watcher = std::make_unique<TerminationWatcher>(*stop, [&ticker] { ticker.wake(); });
    }
    ShowPlayer::play(source, audio, ticker, state, PlayerWindow::Options{},
                     [&ticker] { ticker.wake(); });
    return kShown;
}
