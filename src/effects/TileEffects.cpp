#include "effects/TileEffects.h"

#include "effects/FrameLoop.h"
#include "effects/RoundHalfEven.h"
#include "effects/SpiralWalk.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

using Source = Canvas::Source;

constexpr std::int32_t kTileOver = 3;
constexpr std::int32_t kWipeSpiralTiles = 9;
constexpr std::int32_t kTileOverVertical = 34;
constexpr std::int32_t kTileOverHorizontal = 35;

constexpr int kGrid = SpiralWalk::kGrid;
constexpr int kPieces = kGrid * kGrid;
constexpr float kGridF = static_cast<float>(kGrid);
constexpr float kPiecesF = static_cast<float>(kPieces);

// One piece size: size / count + 1 in 32-bit floats, rounded. The added pixel makes the pieces
// reach past the canvas, where the copies are clipped.
std::int32_t pieceSize(float size, float count)
{
    return roundHalfEven(size / count + 1.0f);
}

// floor(r * count) of one random value, r in [0, 1) as a 32-bit float.
int randomIndex(RandomGenerator& random, float count, int last)
{
    return std::min(static_cast<int>(std::floor(random.next() * count)), last);
}

// Draws until it finds a piece whose marker is clear. StopRequested is looked at on every
// repeated choice (no events run here); nullopt means stop.
template <typename Choose>
std::optional<int> choosePiece(EffectContext& context, const std::array<bool, kPieces>& done,
                               Choose choose)
{
    int piece = choose();
    while (done[piece]) {
        if (context.state.stopRequested()) {
            return std::nullopt;
        }
        piece = choose();
    }
    return piece;
}

// Random order; choose() gives a piece number 0..24, copy(piece) uncovers it.
template <typename Choose, typename Copy>
void uncoverRandomly(EffectContext& context, std::int32_t number, Choose choose, Copy copy)
{
    FrameLoop loop(context, number);
    loop.start();
    std::array<bool, kPieces> done{};
    loop.runCounted([&](int) {
        const std::optional<int> piece = choosePiece(context, done, choose);
        if (!piece) {
            return false;
        }
        done[*piece] = true;
        copy(loop.canvas(), *piece);
        return true;
    });
    loop.finish();
}

struct TileGrid {
    std::int32_t tileWidth;
    std::int32_t tileHeight;
};

// Uncovers one tile: the incoming picture's cell copied in place.
void copyTile(Canvas& canvas, const TileGrid& grid, int column, int row)
{
    const std::int32_t x = column * grid.tileWidth;
    const std::int32_t y = row * grid.tileHeight;
    canvas.copy(Source::Incoming, x, y, grid.tileWidth, grid.tileHeight, x, y);
}

TileGrid tileGrid(const Canvas& canvas)
{
    return {pieceSize(static_cast<float>(canvas.width()), kGridF),
            pieceSize(static_cast<float>(canvas.height()), kGridF)};
}

}  // namespace

void EffectTileOver(EffectContext& context)
{
    const TileGrid grid = tileGrid(context.canvas);
    RandomGenerator& random = context.state.Random;
    uncoverRandomly(
        context, kTileOver,
        [&] {
            // The column value is drawn before the row value.
            const int column = randomIndex(random, kGridF, kGrid - 1);
            const int row = randomIndex(random, kGridF, kGrid - 1);
            return row * kGrid + column;
        },
        [&](Canvas& canvas, int piece) { copyTile(canvas, grid, piece % kGrid, piece / kGrid); });
}

void EffectWipeSpiralTiles(EffectContext& context)
{
    FrameLoop loop(context, kWipeSpiralTiles);
    loop.start();
    const TileGrid grid = tileGrid(loop.canvas());
    SpiralWalk walk;
    loop.runCounted([&](int) {
        const auto [column, row] = walk.next();
        copyTile(loop.canvas(), grid, column, row);
    });
    loop.finish();
}

void EffectTileOverVertical(EffectContext& context)
{
    const std::int32_t stripWidth = pieceSize(static_cast<float>(context.canvas.width()), kPiecesF);
    RandomGenerator& random = context.state.Random;
    uncoverRandomly(
        context, kTileOverVertical, [&] { return randomIndex(random, kPiecesF, kPieces - 1); },
        [&](Canvas& canvas, int strip) {
            const std::int32_t x = strip * stripWidth;
            canvas.copy(Source::Incoming, x, 0, stripWidth, canvas.height(), x, 0);
        });
}

void EffectTileOverHorizontal(EffectContext& context)
{
    const std::int32_t stripHeight =
        pieceSize(static_cast<float>(context.canvas.height()), kPiecesF);
    RandomGenerator& random = context.state.Random;
    uncoverRandomly(
        context, kTileOverHorizontal, [&] { return randomIndex(random, kPiecesF, kPieces - 1); },
        [&](Canvas& canvas, int strip) {
            const std::int32_t y = strip * stripHeight;
            canvas.copy(Source::Incoming, 0, y, canvas.width(), stripHeight, 0, y);
        });
}
