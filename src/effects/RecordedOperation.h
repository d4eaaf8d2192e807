#pragma once

#include "effects/Canvas.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One operation an effect performed on a RecordingCanvas, or one frame wait.
struct RecordedOperation {
    enum class Kind { Copy, Stretch, Fill, ClipEllipse, ClipPolygon, Unclip, Refresh, Wait };

    Kind kind = Kind::Refresh;
    Canvas::Source source = Canvas::Source::Outgoing;  // Copy, Stretch
    // Copy and Stretch: the destination (x, y, w, h); ClipEllipse: the corners (x1, y1, x2, y2).
    std::array<int, 4> rect{};
    Canvas::Point at;                   // Copy: the source origin
    std::vector<Canvas::Point> points;  // ClipPolygon, in order
    std::int64_t until = 0;             // Wait: the frame deadline

    // One compact JSON object, the line format of kremoa-cli trace, e.g.
    // {"op":"copy","src":"out","dst":[0,0,800,600],"at":[0,0]}.
    std::string toJson() const;

    friend bool operator==(const RecordedOperation&, const RecordedOperation&) = default;
};
