#include "platform/Preview.h"

#include "platform/EventLoopTicker.h"
#include "platform/SdlAudio.h"
#include "player/EditableShowSource.h"
#include "player/ShowPlayer.h"

int Preview::run(const EditableShow& show, ProgramState& state)
{
    const EditableShowSource source(show);
    if (source.slideCount() == 0) {
        return kNothingToShow;
    }
    SdlAudio audio;
    EventLoopTicker ticker;
    ShowPlayer::play(source, audio, ticker, state, PlayerWindow::Options{},
                     [&ticker] { ticker.wake(); });
    return kShown;
}
