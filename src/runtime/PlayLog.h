#pragma once

#include "player/ShowObserver.h"

#include <QElapsedTimer>

// With --log the saver tells on stderr what its show does, with the time since the program
// started: "first frame: N ms", "transition K: N ms" and "stopped: N ms". Used to measure
// start-up with large packages and to watch a saver from outside.
class PlayLog : public ShowObserver {
public:
    // `started` = the timer started when the program began; null = log nothing.
    explicit PlayLog(const QElapsedTimer* started);

    void slideShown(int slide) override;
    void transitionFinished(int pass) override;
    void stopped() override;

private:
    void line(const QString& what);

    const QElapsedTimer* started_;
};
