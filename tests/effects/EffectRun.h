#pragma once

#include "effects/EffectContext.h"
#include "effects/EffectDispatch.h"
#include "effects/ProgramState.h"
#include "effects/RecordingCanvas.h"
#include "effects/VirtualTicker.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <ostream>
#include <vector>

// Failures print operations as trace lines.
inline void PrintTo(const RecordedOperation& operation, std::ostream* out)
{
    *out << operation.toJson();
}

// One effect run on the recording canvas with the virtual clock, the operations and waits in
// one list, as kremoa-cli trace prints them.
struct EffectRun {
    using Kind = RecordedOperation::Kind;

    std::vector<RecordedOperation> operations;
    std::int16_t stopRequested = 0;

    // What each frame drew, its wait excluded; the start copy (the first operation) belongs to
    // no frame.
    std::vector<std::vector<RecordedOperation>> frames() const
    {
        std::vector<std::vector<RecordedOperation>> result(1);
        for (std::size_t i = 1; i < operations.size(); ++i) {
            if (operations[i].kind == Kind::Wait) {
                result.emplace_back();
            } else {
                result.back().push_back(operations[i]);
            }
        }
        result.pop_back();  // what follows the last wait is the finish
        return result;
    }

    int frameCount() const
    {
        return static_cast<int>(
            std::count_if(operations.begin(), operations.end(),
                          [](const auto& op) { return op.kind == Kind::Wait; }));
    }

    std::vector<std::int64_t> deadlines() const
    {
        std::vector<std::int64_t> result;
        for (const auto& op : operations) {
            if (op.kind == Kind::Wait) {
                result.push_back(op.until);
            }
        }
        return result;
    }

    // The operations of one kind within one frame.
    static std::vector<RecordedOperation> only(const std::vector<RecordedOperation>& frame,
                                               Kind kind)
    {
        std::vector<RecordedOperation> result;
        std::copy_if(frame.begin(), frame.end(), std::back_inserter(result),
                     [kind](const auto& op) { return op.kind == kind; });
        return result;
    }
};

inline EffectRun runEffect(std::int32_t effect, int width, int height, std::int32_t effectSpeed = 1,
                           std::optional<int> stopDuringWait = std::nullopt)
{
    RecordingCanvas canvas(width, height);
    VirtualTicker ticker;
    ticker.setWaitObserver([&canvas](std::int64_t deadline) { canvas.recordWait(deadline); });
    if (stopDuringWait) {
        ticker.stopDuringWait(*stopDuringWait);
    }
    ProgramState state;
    state.EffectSpeed = effectSpeed;
    EffectContext context{canvas, ticker, state};
    runTransition(effect, context);
    return {canvas.operations(), state.StopRequested};
}

inline RecordedOperation copyOp(Canvas::Source source, int x, int y, int w, int h, int sx, int sy)
{
    RecordedOperation op;
    op.kind = RecordedOperation::Kind::Copy;
    op.source = source;
    op.rect = {x, y, w, h};
    op.at = {sx, sy};
    return op;
}
