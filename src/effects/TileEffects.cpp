#include "effects/TileEffects.h"

#include "effects/FrameLoop.h"
#include "effects/RoundHalfEven.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

using Source = Canvas::Source;

constexpr std::int32_t kTileOver = 3;
constexpr std::int32_t kWipeSpiralTiles = 9;
constexpr std::int32_t kTileOverVertical = 34;
constexpr std::int32_t kTileOverHorizontal = 35;

constexpr int kGrid = 5;
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
    loop.runCounted(kPieces, [&](int) {
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

    void copy(Canvas& canvas, int column, int row) const
    {
        const std::int32_t x = column * tileWidth;
        const std::int32_t y = row * tileHeight;
        canvas.copy(Source::Incoming, x, y, tileWidth, tileHeight, x, y);
    }
};

TileGrid tileGrid(const Canvas& canvas)
{
    return {pieceSize(static_cast<float>(canvas.width()), kGridF),
            pieceSize(static_cast<float>(canvas.height()), kGridF)};
}

// The clockwise spiral from the top-left tile inwards: the search looks one cell ahead and
// turns clockwise until it finds a cell inside the grid whose marker is clear.
class SpiralWalk {
public:
    std::pair<int, int> next()
    {
        for (;;) {
            const int column = column_ + kSteps[direction_].first;
            const int row = row_ + kSteps[direction_].second;
            if (column >= 0 && column < kGrid && row >= 0 && row < kGrid &&
                !done_[row * kGrid + column]) {
                column_ = column;
                row_ = row;
                done_[row * kGrid + column] = true;
                return {column, row};
            }
            direction_ = (direction_ + 1) % kSteps.size();
        }
    }

private:
    // Right, down, left, up: each turn is clockwise on the screen.
    static constexpr std::array<std::pair<int, int>, 4> kSteps{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};

    std::array<bool, kPieces> done_{};
    int column_ = -1;
    int row_ = 0;
    std::size_t direction_ = 0;
};

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
        [&](Canvas& canvas, int piece) { grid.copy(canvas, piece % kGrid, piece / kGrid); });
}

void EffectWipeSpiralTiles(EffectContext& context)
{
    FrameLoop loop(context, kWipeSpiralTiles);
    loop.start();
    const TileGrid grid = tileGrid(loop.canvas());
    SpiralWalk walk;
    loop.runCounted(kPieces, [&](int) {
        const auto [column, row] = walk.next();
        grid.copy(loop.canvas(), column, row);
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
