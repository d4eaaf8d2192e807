#pragma once

#include "effects/EffectContext.h"

// Effects that scale the whole outgoing or incoming picture into a rectangle that changes from
// frame to frame: spin, spin 2, spring and the zooms.
void EffectSpinHorizontal(EffectContext& context);
void EffectSpinVertical(EffectContext& context);
void EffectSpin2Horizontal(EffectContext& context);
void EffectSpin2Vertical(EffectContext& context);
void EffectSpringFromLeft(EffectContext& context);
void EffectSpringFromTop(EffectContext& context);
void EffectSpringFromRight(EffectContext& context);
void EffectSpringFromBottom(EffectContext& context);
void EffectZoomIn(EffectContext& context);
void EffectZoomOut(EffectContext& context);
void EffectZoom(EffectContext& context);
