#pragma once

#include "effects/EffectContext.h"

// Effects built from plain rectangle copies that follow a frame counter: open, flat, the
// straight and centre wipes, the shutters and the slides.
void EffectOpenHorizontal(EffectContext& context);
void EffectOpenVertical(EffectContext& context);
void EffectFlat(EffectContext& context);
void EffectWipeLeftToRight(EffectContext& context);
void EffectWipeRightToLeft(EffectContext& context);
void EffectWipeTopToBottom(EffectContext& context);
void EffectWipeBottomToTop(EffectContext& context);
void EffectWipeCenter(EffectContext& context);
void EffectShutterFromLeft(EffectContext& context);
void EffectShutterFromTop(EffectContext& context);
void EffectShutterFromRight(EffectContext& context);
void EffectShutterFromBottom(EffectContext& context);
void EffectSlideFromLeft(EffectContext& context);
void EffectSlideFromTop(EffectContext& context);
void EffectSlideFromRight(EffectContext& context);
void EffectSlideFromBottom(EffectContext& context);
