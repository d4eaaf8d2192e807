#pragma once

#include "document/ExpectedOf.h"

#include <optional>
#include <span>
#include <string>

// One transition effect run on a recording canvas with the virtual clock: every drawing
// operation and frame wait as one compact JSON object per line. Every program that offers a
// trace prints this text, so that their effects can be compared line by line.
class EffectTrace {
public:
    struct Request {
        int effect = 0;
        int width = 0;
        int height = 0;
        int speedIndex = 0;
        std::optional<int> stopAtFrame;  // a key is pressed during this frame's wait
    };

    // Reads "--effect N --width W --height H [--speed S] [--stop-at-frame K]" (in any order,
    // every value a whole number); the error names what is wrong.
    static CoreExpected<Request> parse(std::span<const std::string> args);
    // The trace's lines, each ending with a newline.
    static std::string run(const Request& request);
};
