#include "effects/EffectDispatch.h"

#include "effects/EffectCatalogue.h"
#include "effects/ShapeEffects.h"
#include "effects/StretchEffects.h"
#include "effects/StripEffects.h"
#include "effects/TileEffects.h"

#include <array>

namespace {

using EffectProcedure = void (*)(EffectContext&);

// Effect number 0: no animation, the incoming picture at once.
void copyIncoming(EffectContext& context)
{
    Canvas& canvas = context.canvas;
    canvas.copy(Canvas::Source::Incoming, 0, 0, canvas.width(), canvas.height(), 0, 0);
}

// Indexed by effect number, in the order of the effect list.
constexpr std::array<EffectProcedure, kEffectCount> kProcedures{
    copyIncoming,
    EffectOpenHorizontal,
    EffectOpenVertical,
    EffectTileOver,
    EffectFlat,
    EffectWipeLeftToRight,
    EffectWipeRightToLeft,
    EffectWipeTopToBottom,
    EffectWipeBottomToTop,
    EffectWipeSpiralTiles,
    EffectWipeCenter,
    EffectSpinHorizontal,
    EffectSpinVertical,
    EffectSpin2Horizontal,
    EffectSpin2Vertical,
    EffectSpringFromLeft,
    EffectSpringFromTop,
    EffectSpringFromRight,
    EffectSpringFromBottom,
    EffectShutterFromLeft,
    EffectShutterFromTop,
    EffectShutterFromRight,
    EffectShutterFromBottom,
    EffectZoomIn,
    EffectZoomOut,
    EffectZoom,
    EffectSlideFromLeft,
    EffectSlideFromTop,
    EffectSlideFromRight,
    EffectSlideFromBottom,
    EffectWipeCircle,
    EffectWipeDiamond,
    EffectWipeClock,
    EffectWipeSpiralSweep,
    EffectTileOverVertical,
    EffectTileOverHorizontal,
};

}  // namespace

void runTransition(std::int32_t effectNumber, EffectContext& context)
{
    // A number outside the list (a damaged or hand-made show) draws nothing: the outgoing frame
    // stays on screen.
    if (effectNumber < 0 || effectNumber >= kEffectCount) {
        return;
    }
    kProcedures[static_cast<std::size_t>(effectNumber)](context);
}
