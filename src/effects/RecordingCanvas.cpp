#include "effects/RecordingCanvas.h"

#include <utility>

using Kind = RecordedOperation::Kind;

RecordingCanvas::RecordingCanvas(int width, int height) : width_(width), height_(height) {}

int RecordingCanvas::width() const
{
    return width_;
}

int RecordingCanvas::height() const
{
    return height_;
}

void RecordingCanvas::copy(Source source, int x, int y, int w, int h, int sx, int sy)
{
    RecordedOperation operation;
    operation.kind = Kind::Copy;
    operation.source = source;
    operation.rect = {x, y, w, h};
    operation.at = {sx, sy};
    operations_.push_back(std::move(operation));
}

void RecordingCanvas::stretch(Source source, int x, int y, int w, int h)
{
    RecordedOperation operation;
    operation.kind = Kind::Stretch;
    operation.source = source;
    operation.rect = {x, y, w, h};
    operations_.push_back(std::move(operation));
}

void RecordingCanvas::fillBlack()
{
    add(Kind::Fill);
}

bool RecordingCanvas::clipEllipse(int x1, int y1, int x2, int y2)
{
    RecordedOperation operation;
    operation.kind = Kind::ClipEllipse;
    operation.rect = {x1, y1, x2, y2};
    operations_.push_back(std::move(operation));
    return true;
}

bool RecordingCanvas::clipPolygon(std::span<const Point> points)
{
    RecordedOperation operation;
    operation.kind = Kind::ClipPolygon;
    operation.points.assign(points.begin(), points.end());
    operations_.push_back(std::move(operation));
    return true;
}

void RecordingCanvas::unclip()
{
    add(Kind::Unclip);
}

void RecordingCanvas::refresh()
{
    add(Kind::Refresh);
}

void RecordingCanvas::recordWait(std::int64_t until)
{
    RecordedOperation operation;
    operation.kind = Kind::Wait;
    operation.until = until;
    operations_.push_back(std::move(operation));
}

const std::vector<RecordedOperation>& RecordingCanvas::operations() const
{
    return operations_;
}

void RecordingCanvas::add(Kind kind)
{
    RecordedOperation operation;
    operation.kind = kind;
    operations_.push_back(std::move(operation));
}
