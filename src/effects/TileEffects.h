#pragma once

#include "effects/EffectContext.h"

// Effects that uncover the incoming picture one cell of a fixed division per frame: 5 by 5
// tiles in random or spiral order, and 25 vertical or horizontal strips in random order.
void EffectTileOver(EffectContext& context);
void EffectWipeSpiralTiles(EffectContext& context);
void EffectTileOverVertical(EffectContext& context);
void EffectTileOverHorizontal(EffectContext& context);
