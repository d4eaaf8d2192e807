#include "player/ShowPlayer.h"

#include "player/ImageCanvasFactory.h"
#include "player/ShowLoop.h"

void ShowPlayer::play(const ShowSource& source, Audio& audio, Ticker& ticker, ProgramState& state,
                      const PlayerWindow::Options& options, std::function<void()> onStop)
{
    PlayerWindow window(state, options, std::move(onStop));
    ShowObserver unobserved;
    ImageCanvasFactory canvases;
    ShowLoop loop(source, audio, ticker, state, window, unobserved, canvases);
    loop.run();
}
