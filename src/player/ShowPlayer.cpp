#include "player/ShowPlayer.h"

#include "player/ShowLoop.h"

void ShowPlayer::play(const ShowSource& source, Audio& audio, Ticker& ticker, ProgramState& state,
                      const PlayerWindow::Options& options, std::function<void()> onStop)
{
    PlayerWindow window(state, options, std::move(onStop));
    ShowObserver unobserved;
    ShowLoop loop(source, audio, ticker, state, window, unobserved);
    loop.run();
}
