#pragma once

#include "player/PixelImage.h"
#include "player/PixelRect.h"

#include <span>

// Where a show is seen: the player window. An offscreen show (simulation, tests, benchmarks)
// uses this base, which shows nothing.
class ShowStage {
public:
    virtual ~ShowStage() = default;

    // Hides the cursor and shows the stage, which from now on presents `screen` (the canvas).
    virtual void begin(const PixelImage& /*screen*/) {}
    // Takes the cursor position against which mouse moves are measured; input stops the show
    // from here on.
    virtual void armInput() {}
    // Puts the changed parts of the screen picture's current content on the display.
    virtual void present(std::span<const PixelRect> /*changed*/) {}
    // Shows the cursor again.
    virtual void end() {}
};
