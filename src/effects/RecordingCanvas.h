#pragma once

#include "effects/Canvas.h"
#include "effects/RecordedOperation.h"

#include <cstdint>
#include <vector>

// A canvas that draws nothing and lists what the effects asked of it, in order; frame waits
// can be added to the same list (recordWait) so that one list shows a whole transition.
// Every clip region counts as made.
class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(int width, int height);

    int width() const override;
    int height() const override;
    void copy(Source source, int x, int y, int w, int h, int sx, int sy) override;
    void stretch(Source source, int x, int y, int w, int h) override;
    void fillBlack() override;
    bool clipEllipse(int x1, int y1, int x2, int y2) override;
    bool clipPolygon(std::span<const Point> points) override;
    void unclip() override;
    void refresh() override;

    void recordWait(std::int64_t until);
    const std::vector<RecordedOperation>& operations() const;

private:
    void add(RecordedOperation::Kind kind);

    int width_;
    int height_;
    std::vector<RecordedOperation> operations_;
};
