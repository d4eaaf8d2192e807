#pragma once

#include "effects/Ticker.h"
#include "player/ShowObserver.h"

#include <cstdint>

// With --log the saver tells on stderr what its show does, with the time since the program
// started, in the Linux saver's words: "first frame: N ms", "transition K: N ms" and
// "stopped: N ms".
class StderrPlayLog : public ShowObserver {
public:
    // `clock` gives the time; `started` is its reading when the program began.
    StderrPlayLog(Ticker& clock, std::int64_t started);

    void slideShown(int slide) override;
    void transitionFinished(int pass) override;
    void stopped() override;

private:
    void line(const std::string& what);

    Ticker& clock_;
    std::int64_t started_;
};
