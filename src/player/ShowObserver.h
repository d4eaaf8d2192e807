#pragma once

#include "player/PixelImage.h"

#include <string>

// Hears what a show does, in the order it happens: the simulated play prints it, tests check
// it. The player's own run needs none of it; every notice does nothing by default.
class ShowObserver {
public:
    virtual ~ShowObserver() = default;

    // Slide 0 has been painted on the screen at the start.
    virtual void slideShown(int /*slide*/) {}
    // Both frames of pass `pass` (counted from 1) are composed, before the display-time wait.
    virtual void framesComposed(int /*pass*/, const PixelImage& /*outgoing*/,
                                const PixelImage& /*incoming*/)
    {}
    // Just before and just after the transition from slide `from` to slide `to`.
    virtual void transitionStarting(int /*from*/, int /*to*/, int /*effect*/, int /*speed*/) {}
    virtual void transitionFinished(int /*pass*/) {}
    // Clean-up is complete.
    virtual void stopped() {}

    // What reached the audio (reported by recording audio).
    virtual void mciCommand(const std::string& /*command*/) {}
    virtual void soundStarted(const std::string& /*key*/) {}
    virtual void soundsPurged() {}
};
