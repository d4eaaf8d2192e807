#pragma once

#include "player/ShowObserver.h"

#include <cstdint>
#include <functional>
#include <string>

// With --log the saver tells on stderr what its show does, with the time since the program
// started: "first frame: N ms", "transition K: N ms" and "stopped: N ms". Used to measure
// start-up with large packages and to watch a saver from outside.
class PlayLog : public ShowObserver {
public:
    // Milliseconds since the program started.
    using Elapsed = std::function<std::int64_t()>;
    using LineWriter = std::function<void(const std::string& line)>;

    // Without `elapsed` nothing is logged. Lines (with their newline) go to stderr unless a
    // writer is given.
    explicit PlayLog(Elapsed elapsed, LineWriter writeLine = {});

    void slideShown(int slide) override;
    void transitionFinished(int pass) override;
    void stopped() override;

private:
    void line(const std::string& what);

    Elapsed elapsed_;
    LineWriter writeLine_;
};
