#pragma once

#include <QImage>
#include <QRegion>

// Where a show is seen: the player window. An offscreen show (simulation, tests, benchmarks)
// uses this base, which shows nothing.
class ShowStage {
public:
    virtual ~ShowStage() = default;

    // Hides the cursor and shows the stage, which from now on presents `screen` (the canvas).
    virtual void begin(const QImage& /*screen*/) {}
    // Takes the cursor position against which mouse moves are measured; input stops the show
    // from here on.
    virtual void armInput() {}
    // Puts the changed part of the screen picture's current content on the display.
    virtual void present(const QRegion& /*changed*/) {}
    // Shows the cursor again.
    virtual void end() {}
};
