#pragma once

#include "effects/EffectContext.h"

#include <cstdint>

// Runs the transition that a slide's effect number names: 0 copies the incoming picture onto
// the screen picture at once, 1 to 35 run the effect procedures, any other number draws nothing.
void runTransition(std::int32_t effectNumber, EffectContext& context);
